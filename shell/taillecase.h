// The cell sizes of the play window: the steps of "+" and "-", and the
// largest size whose window fits a given outer size (the screen's work area,
// a window manager's resize), on the layout's arithmetic
// (regionsdisposition.h). Pure arithmetic, without a window.
#pragma once

#include "shell/regionsdisposition.h"

// "+": the next of 40, 50, 60, 70 and then on by 10; above 70 it goes no
// further than maxi (the largest size that fits), and never below taille.
short tailleplus(short taille, short maxi);
// "-": the multiple of 10 below taille, at least 40.
short taillemoins(short taille);

// What the play window is made of, measured at one cell size.
struct gabaritfenetre {
    etenduegrille e; // the cells' extents (without the margin) at cell size pas
    short pas = 40;
    short dx = 0; // the window's frame offsets (clawinregion's dx, dy)
    short dy = 0;
    short basboutons = 0; // the button column's bottom
};

// The play window's outer size at cell size t: the extents scaled from
// g.pas (rounded up, with room for the rounding of the lattice's
// coordinates, so that the real window is never larger), the margin and the
// layout (as regionsjeu::taillegrifen).
SIZE fenetrepour(const gabaritfenetre& g, short t);
// The largest cell size from 40 to taillecaseplafond whose window fits in
// largeur x hauteur; 40 when none does.
short tailleentrant(const gabaritfenetre& g, long largeur, long hauteur);
// The size of a fresh start in a work area largeur x hauteur: the largest
// whose window fits and whose grid, margin included, takes at most two
// thirds of the height; at least 40.
short tailledepart(const gabaritfenetre& g, long largeur, long hauteur);
