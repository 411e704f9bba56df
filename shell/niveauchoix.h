// The level control of the button column: a left click on the level text
// ("Niv." and the level, under the grid buttons) steps the grid's wanted
// level up, a right click down, after a question (clapartie::demandeniveau).
#pragma once

#include "platform/win32.h"

// The level text's zone, client pixels, bounds inclusive; empty (all 0) when
// the column has no grid buttons.
RECT zoneniveau();
// A click released at client point p, left (monter) or right. When the game
// is played and p is on the level text: asks message 16 (the next level's
// label in the language in force, the grid number) and on yes applies that
// level. Returns whether p was on the level text.
bool clicniveau(POINT p, bool monter);
