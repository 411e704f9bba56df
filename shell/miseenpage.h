// The play layout: where the grid lies in the client area and the window's
// size around the grid and the button column.
#pragma once

#include "platform/win32.h"

struct miseenpage {
    short originex = 0; // client pixel of the grid's local origin
    short originey = 0;
    short largeur = 980; // client size
    short hauteur = 500;
};

// Left edge of the grid area; the grid's cells keep one cell size plus
// this from the edges, room for the triangles drawn around them.
inline constexpr short bordgrille = 100;
inline constexpr short margegrille = 10;

const miseenpage& miseenpagecourante();
// Recompute the layout from the grid's frame at its current size, set up
// the window devices on the client area and place the grid page on it.
void recalculemiseenpage();
// The same only when the layout is not valid.
void assuremiseenpage();
// Window rectangle (screen) for the play layout: stored position, client
// size plus the frame.
RECT taillegrifen();
// Place the main window at the play layout, or around one rules page in the
// rules mode (shown once it may be).
void mainwinposornot();
void setgriwinposition();
