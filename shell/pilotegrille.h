// The grid's controller: the clicks on the grid turned into cells, lattice
// points and intents, the keys of play (the keyboard cursor and the entries
// on its cell), and the cell named under the pointer.
#pragma once

#include "shell/appli.h"

// The left button released at client point p (pressed at a.appuigauche):
// on an open arrow, one step of the grid; on a cell, the game's clicgauche;
// on the selector, its value; on a lattice point, a marker (a short click)
// or a scroll (a drag). In play only.
void clicgauche(claappli& a, POINT p);
// The right button released (pressed at a.appuidroit): on a cell, the game's
// clicdroit with the nearest pencil mark. In play only.
void clicdroit(claappli& a);
// A key of play (WM_KEYDOWN's virtual key), maj with Shift held: the arrows
// show and move the cursor (kept in view), a digit enters on its cell,
// Shift and a digit toggles a pencil mark, Space and Return enter the
// current value, Delete and Backspace erase. Returns whether the key was
// used; in play only, never with Ctrl.
bool touchegrille(claappli& a, WPARAM touche, bool maj);
// The pointer moved to client point p: the label of the cell under it into
// the cell-name box.
void nomcasesous(claappli& a, POINT p);
