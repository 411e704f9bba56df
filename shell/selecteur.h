// The hexagonal value selector of the button column, and the choice of the
// current value by click and by keyboard.
#pragma once

#include "platform/win32.h"

// Compute the geometry around centre (55, top + 30), once.
void calcuboutri(short haut);
// The value of triangle k (0..5): 1, 6, 5, 4, 3, 2; 0 outside.
short valeurboutri(short k);
// Draw the six triangles and their digits (the current value in magenta).
void dessinboutri(HDC dc);
// The value of the triangle at client point (x, y), 0 for none (or before
// calcuboutri).
short boutriproche(short x, short y);
// The selector's bounding box, client pixels.
RECT cadreboutri();

// Make v the current value, repaint, count it for the constraint display,
// set the cursor.
void nombreclic(short v);
// Source 'F' (a given cell clicked), 'T' (a selector triangle) or 'K'
// (keyboard); values outside 0..6 are ignored.
void cliquechiffre(char source, short v);
// Poll the keys 0..6 of the main keyboard, then of the numeric pad, then Tab.
void captouchauvol();
