// The play layout: where the grid lies in the client area, the window's
// size around the grid and the button column, its shape, the window's
// placement, and the cell sizes that fit the screen.
#pragma once

#include "shell/appli.h"
#include "shell/taillecase.h"

class clagrivora;

// What the shape computations read from the application's state now.
entreesregions entreesdujeu(claappli& a);
// Recompute the layout from the grid's frame at its current size and the
// scroll offsets, set up the window device on the client area, place the
// grid page on it and build the window's shape.
void recalculemiseenpage(claappli& a);
// The same only when the layout is not valid.
void assuremiseenpage(claappli& a);
// Before a paint (at the end of a message, before a question's paint): when
// the shell is ready, not placing the window and the layout is stale, the
// grid background dropped, the layout made again, the window placed and, in
// play, given its shape when it changed; the repaint is then asked.
void miseajour(claappli& a);
// Window rectangle (screen) for the play layout: stored position, the
// layout's window size.
RECT taillegrifen(claappli& a);
// Place the main window at the play layout, or around one rules page in the
// rules mode (shown once it may be).
void mainwinposornot(claappli& a);
void setgriwinposition(claappli& a);
// The grid-local point (y upwards) of a client point.
POINT pointlocal(const claappli& a, POINT client);

// The part of the screen a play window may take without overflowing: the
// work area (SPI_GETWORKAREA) without the screen's bottom 30 pixels.
RECT zonetravail();
// What the play window is made of now: the grid in play at its cell size,
// the window's frame, the button column.
gabaritfenetre gabaritcourant(claappli& a);
// The same for grid g in play (its cells measured at g's cell size).
gabaritfenetre gabaritdelagrille(const claappli& a, clagrivora& g);
// The largest cell size whose play window fits in the work area.
short taillemaxiecran(claappli& a);
// The cell size a grid of gabarit g is shown at once loaded: the player's,
// or the largest below it whose play window fits in the work area (at
// least 40, where a grid too large for the screen overflows and scrolls).
short tailleaffichee(const claappli& a, const gabaritfenetre& g);
// Moves the stored window position so that a play window of this outer size
// lies inside the work area, when it fits there (a larger window stays where
// it is and overflows).
void rentrefenetre(claappli& a, SIZE taille);
// Play at cell size taille: the layout is made again at the next message's
// end. With rentrer, the stored position first moves so that the new window
// lies inside the work area (when it fits there).
void changetaillecase(claappli& a, short taille, bool rentrer);
// Moves the stored window position so that the play window at the cell
// size in force lies on the work area, or, when it is larger, starts at the
// area's top-left corner (rentrezone): at every start, whatever position the
// parameter file gave.
void placefenetredepart(claappli& a);
