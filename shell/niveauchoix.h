// The level control of the button column: a left click on the level text
// ("Niv." and the level, under the grid buttons) steps the grid's wanted
// level up, a right click down, after a question.
#pragma once

#include "platform/win32.h"

// The level text's zone, client pixels, bounds inclusive; empty (all 0) when
// the column has no grid buttons.
RECT zoneniveau();
// The level one step up (monter) or down from courant, wrapping within
// 1..plafond; a courant outside that range counts as the nearest bound.
short niveauvoisin(short courant, bool monter, short plafond);
// The highest level the grid in play has: 7 when it has a level 7, else 6.
short niveaumax();
// A click released at client point p, left (monter) or right. When the game
// is played and p is on the level text: asks message 16 (the next level's
// label in the language in force, the grid number) and on yes applies that
// level (changeniveau). Returns whether p was on the level text.
bool clicniveau(POINT p, bool monter);
// Make level the wanted level of the grid in play: applied to the board
// (every player entry and pencil mark emptied), kept for the grid in the
// parameter state (its in-memory saved state emptied with it), the undo
// history and the point markers cleared, the grid's chronometer reset.
void changeniveau(short level);
