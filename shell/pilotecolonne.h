// The button column's controller: the column made and shown, the level
// control (a left click on the level text steps the grid's wanted level up,
// a right click down, after a question: clapartie::demandeniveau), and the
// tooltip that follows the pointer over the column and the selector.
#pragma once

#include "shell/appli.h"

// Create the whole column (only once the shell allows it), show it with the
// given show command and refresh it; the selector's geometry is made with it.
void createwinboutons(claappli& a, int montrer);
// Show or hide every play button and text box (the rules buttons follow the
// mode through boutaffiches).
void showwinboutons(claappli& a, int montrer);
// The level text's zone, client pixels, bounds inclusive; empty (all 0) when
// the column has no grid buttons.
RECT zoneniveau(const claappli& a);
// A click released at client point p, left (monter) or right. When the game
// is played and p is on the level text: asks message 16 (the next level's
// label in the language in force, the grid number) and on yes applies that
// level. Returns whether p was on the level text.
bool clicniveau(claappli& a, POINT p, bool monter);
// The tooltip for the pointer where it now is over window; a click (clic)
// holds it back first.
void survolbulle(claappli& a, HWND window, bool clic);
