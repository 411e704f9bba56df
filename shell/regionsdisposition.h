// The play layout of the main window: where the grid lies, how large the
// window is, how far it overflows the screen, how far it is scrolled, and
// the four scroll arrows (triangles, open flags, click zones). Pure
// arithmetic on 16-bit client pixels, without a window.
#pragma once

#include "platform/win32.h"

#include "shell/idcommandes.h"

// The grid's extents from its origin in pixels, absolute values: left eL,
// right eR, top eT, bottom eB.
struct etenduegrille {
    short gauche = 0;
    short droite = 0;
    short haut = 0;
    short bas = 0;
};

// The empty band kept around the grid's cells at lattice step pas, on each
// side: wider than the grid region's enlargement of the hexagons (a fifth
// of the step).
inline short margegrille(short pas) {
    return static_cast<short>(pas * 3 / 10);
}

// The layout (client pixels unless said). The values before any layout are
// those of a window of 980 x 820 with a region 800 high.
struct dispositionjeu {
    static constexpr short L = 80; // grid area left edge: button column x 40 + 40
    etenduegrille e;
    short X0 = L;   // grid origin: L + eL
    short Y0 = 0;   //              eT
    short W = 980;  // layout width: eL + eR + 80 + 2 dx (window pixels)
    short H = 820;  // layout height: eT + eB + dx + dy
    short Hr = 800; // region height: dy + button column bottom + 10
    short Aw = 0;   // available screen: screen width - window left
    short Ah = 0;   //                   screen height - window top - 30
    short Ox = 0;   // overflows: max(0, W - Aw), max(0, H - Ah)
    short Oy = 0;
};

// Layout of a grid of extents e in a window of frame offsets dx, dy whose
// top-left corner is at (gauche, haut) on a screen ecranw x ecranh; Hr
// keeps its value of avant (composeregionprin sets it).
dispositionjeu calcudisposition(const etenduegrille& e, short dx, short dy, short gauche,
                                short haut, short ecranw, short ecranh,
                                const dispositionjeu& avant = {});

// Scroll offsets in lattice steps: sx in [-Ox / step, 0] (negative: the grid
// moved left), sy in [0, Oy / step] (positive: the grid moved up). The
// bounds are exact quotients, so that the last step reaches the overflow.
struct defilementjeu {
    float sx = 0;
    float sy = 0;
};

// The arrows, in the order the drawing keeps them: right, left, up, down.
enum flecheindex : short { flechedroite = 0, flechegauche = 1, flechehaut = 2, flechebas = 3 };

struct flechesjeu {
    // Open: the grid can still move that way (drawn red, clickable).
    unsigned char ouverte[4] = {0, 0, 0, 0};
    // Closed triangles (4 points, the last the first again), client pixels.
    POINT poly[4][4] = {};
    // Click zones, bounds included, client pixels.
    RECT zone[4] = {};
};

// The command of each arrow (the grid moves the other way to show what lies
// beyond that edge): right, left, up, down.
inline constexpr short commandefleche[4] = {iddefilegauche, iddefiledroite, iddefilebas,
                                            iddefilehaut};

// Bounds the offsets by the overflows at lattice step pas (an axis that
// does not overflow is put back to 0) and sets the open flags.
void decalaccordfleches(const dispositionjeu& d, short pas, defilementjeu& s, flechesjeu& f);

// The triangles and zones of the four arrows for layout d.
void geometriefleches(const dispositionjeu& d, flechesjeu& f);

// The grid's pixel offset of a scroll offset: trunc(pas * s), a thousandth
// of a pixel short of the next whole pixel counting as that pixel (so that
// the bound -Ox / step gives -Ox).
short decalpixels(float s, short pas);

// The device's local origin for the grid: (trunc(pas sx) + X0,
// Y0 - trunc(pas sy)).
POINT originegrille(const dispositionjeu& d, short pas, const defilementjeu& s);

// The command (commandefleche) of the open arrow whose zone holds the client
// point, 0 for none (right, left, up, down tested in that order).
short flechetouchee(const flechesjeu& f, POINT client);
