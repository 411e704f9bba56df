// Scrolling the grid in play and keeping the window's shape in step with
// the window's place: the arrows, the drag, the arrow commands and a moved
// window.
#pragma once

#include "shell/appli.h"

// The left button released at a client point: when it lies in an open
// arrow's zone, the grid moves one step that way (repainted) and the click
// is used (true).
bool clicfleche(claappli& a, POINT client);
// Arrow command iddefiledroite, iddefilegauche, iddefilebas, iddefilehaut
// (idcommandes.h): one step, bounded by the next layout; the grid is laid
// out again and repainted.
void defilebouton(claappli& a, short commande);
// A drag from press to release, grid-local pixels (y upwards): the grid
// follows it, bounded by the next layout, and is repainted.
void defilesouris(claappli& a, POINT appui, POINT relache);
// The keyboard cursor's cell kept in view: when the grid overflows the
// screen and the cell lies outside the part shown (a cell's size from its
// edges), the grid moves to bring it in, bounded by the next layout.
void curseurenvue(claappli& a);
// The window was moved to the stored position: when that changes how far
// the grid overflows the screen, it is laid out again (arrows appear or go).
void fenetredeplacee(claappli& a);
