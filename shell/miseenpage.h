// The play layout: where the grid lies in the client area, the window's
// size around the grid and the button column, its shape, and the window's
// placement.
#pragma once

#include "platform/win32.h"

#include "shell/regions.h"
#include "shell/taillecase.h"

class clagrivora;

struct miseenpage {
    short originex = 0; // client pixel of the grid's local origin
    short originey = 0;
    short largeur = 968; // client size
    short hauteur = 782;
};

const miseenpage& miseenpagecourante();
// The shape and scrolling state of the main window (one for the run).
regionsjeu& regionsdujeu();
// Drops the shape and scrolling state (the next regionsdujeu starts afresh).
void oublieregions();
// What the shape computations read from the shell's state now.
entreesregions entreesdujeu();
// Recompute the layout from the grid's frame at its current size and the
// scroll offsets, set up the window device on the client area, place the
// grid page on it and build the window's shape (applied by the next paint).
void recalculemiseenpage();
// The same only when the layout is not valid.
void assuremiseenpage();
// Window rectangle (screen) for the play layout: stored position, the
// layout's window size.
RECT taillegrifen();
// Place the main window at the play layout, or around one rules page in the
// rules mode (shown once it may be).
void mainwinposornot();
void setgriwinposition();

// The part of the screen a play window may take without overflowing: the
// work area (SPI_GETWORKAREA) without the screen's bottom 30 pixels.
RECT zonetravail();
// What the play window is made of now: the grid in play at its cell size,
// the window's frame, the button column.
gabaritfenetre gabaritcourant();
// The same for grid g in play (its cells measured at g's cell size).
gabaritfenetre gabaritdelagrille(clagrivora& g);
// The largest cell size whose play window fits in the work area.
short taillemaxiecran();
// Moves the stored window position so that a play window of this outer size
// lies inside the work area, when it fits there (a larger window stays where
// it is and overflows).
void rentrefenetre(SIZE taille);
// Moves the stored window position so that the play window at the cell
// size in force lies on the work area, or, when it is larger, starts at the
// area's top-left corner (rentrezone): at every start, whatever position the
// parameter file gave.
void placefenetredepart();
