// The main window's shape and the scrolling of the grid in play: the layout
// (regionsdisposition.h), the grid region, the main region, and the scroll
// commands. The shell owns one regionsjeu for the whole run and passes, at
// each call, what it reads from the shell's state (entreesregions); the
// layout-valid and repaint-pending flags stay the shell's.
//
// How the shell calls it (`regions` the application object's regionsjeu,
// `e` an entreesregions filled from its state just before the call):
// - Start-up, after grillecharger and settailleprin: clear the layout-valid
//   flag, then `regions.calcuregmini(fenetre)`: the window gets the empty
//   shape until its first layout. Until then, disposition() and
//   taillegrifen give the 980 x 820 play window.
// - The layout (miseajour, at the end of a message or before a question's
//   paint, layout not valid): drop the window background bitmap,
//   `regions.recalcureg(e)`, set the layout-valid flag, place the window
//   (taillegrifen, mainwinposornot): width regions.disposition().W, height
//   regions.taillegrifen(the last button's bottom).cy; then, in play,
//   `regions.appliqueregprin(fenetre)` (the window gets the shape when it
//   changed: setting a window's shape again moves the window's frame and,
//   under Wine, the keyboard focus), all before the paint. From then on the
//   window device's local origin is the grid origin (the grid passes give
//   it back as they found it): WM_MOUSEMOVE and the clicks convert to
//   grid-local coordinates with it. The window device must not be installed
//   again (devinstalle) before the grid is drawn: the grid's position is
//   kept relative to the device's page reference point.
// - Left button release, before the cell logic: `short c =
//   regions.flechetouchee(client point)`; when c is not 0,
//   `regions.decalagribouton(c)`, clear the layout-valid flag, reaffigri(),
//   and the click is used.
// - The commands iddefiledroite .. iddefilehaut: `regions.decalagribouton(id)`,
//   clear the layout-valid flag, reaffigri().
// - A drag of more than 24 pixels between press and release (no cell, a
//   lattice point): `regions.decalagrisouris(release x - press x, release y
//   - press y, the grid's step)` in grid-local coordinates (y upwards),
//   clear the layout-valid flag, reaffigri().
// - Cell size "+" / "-", a grid loaded, the parameters read: clear the
//   layout-valid flag (the next layout shapes again; a smaller grid puts its
//   offsets back in bounds there).
// - The window moved (WM_MOVING, or WM_MOVE for a move the layout did not
//   make, after storing its position): when
//   `regions.debordementchange(e)`, clear the layout-valid flag and
//   reaffigri(): near the screen's right or bottom edge the grid overflows
//   and gets its arrows.
// - Rules opened ("?"): `regions.fermefleches()`, then SetWindowRgn(window,
//   NULL, TRUE) and `regions.formeretiree()` and the rules placement, 800 +
//   2 dx by 600 + dx + dy with dx, dy = regions.regionprincipale().getdx() /
//   getdy().
// - The view before a paint, and the arrows' explanation after the first
//   paint that shows them: regions.flechesadessiner(),
//   regions.flecheaffichee().
// - WM_DESTROY and the application object's end: `regions.libere()`: it
//   must hold no region once the drawing layer's tables go.
#pragma once

#include "shell/clawinregion.h"
#include "shell/regionsdisposition.h"

#include "render/cladevout.h"
#include "render/clagripage.h"
#include "render/contextedessin.h"

// What the layout reads from the shell's state.
struct entreesregions {
    HWND fenetre = nullptr;       // the main window
    clagripage* grille = nullptr; // grid page 0, the grid in play (borrowed)
    cladevout* dev = nullptr;     // the window device (borrowed)
    short gauche = 60;            // the stored window position (screen pixels)
    short haut = 60;
    short basboutons = 0; // the last button's bottom, as the column places it
    short ecranw = 0;     // GetSystemMetrics(SM_CXSCREEN)
    short ecranh = 0;     // GetSystemMetrics(SM_CYSCREEN)
};

class regionsjeu {
public:
    // The layout: the grid's frame in whole pixels (the model's, not
    // rounded through millimetres) widened by margegrille, layout values, overflows; the
    // offsets bounded and the arrows set (decalaccordfleches); the device's
    // local origin and the grid's position put on the grid origin moved by
    // the offsets; the arrows' triangles placed. A grid without pixel coordinates keeps the
    // previous layout. The window is not moved: the caller places it.
    void calcuposiregion(const entreesregions& e);
    // The grid region: the grid's complete hexagons enlarged by 20 % (in
    // display mode 8 circles at cells and hexagons), the triangles of the
    // shown arrows, cut to the grid area; window coordinates.
    void crearegiongrille(const entreesregions& e);
    // The main region: a strip of the caption (110 wide from dx + 20), the
    // button column (50 wide from dx + 30, down to its bottom + 10) and the
    // grid region; sets the region height Hr.
    void composeregionprin(const entreesregions& e);
    // The grid's pixel coordinates, dx and dy measured on the window, then
    // calcuposiregion, crearegiongrille and composeregionprin.
    void recalcureg(const entreesregions& e);
    // dx and dy measured on the window, and the main region (empty until the
    // first recalcureg) applied: the start-up shape.
    void calcuregmini(HWND fenetre);
    // Gives the window a copy of the main region as its shape (the window
    // owns the copy), with a redraw, when the region changed since it was
    // last applied; else does nothing (so that a paint that applies it does
    // not ask for another).
    void appliqueregprin(HWND fenetre);
    // The window's shape was taken away by someone else (the rules pages):
    // the next appliqueregprin gives it back.
    void formeretiree() { regprinchangee = true; }

    // Bound the offsets by the current layout and set the arrows.
    void decalaccordfleches(short pas);
    // One step: iddefiledroite sx + 1 (the grid moves right), iddefilegauche
    // sx - 1, iddefilebas sy - 1 (the grid moves down), iddefilehaut sy + 1
    // (idcommandes.h); other values do nothing. Bounded by the next layout.
    void decalagribouton(short direction);
    // A drag of (dx, dy) pixels, y upwards, at lattice step pas: sx += dx /
    // pas, sy += dy / pas. Bounded by the next layout.
    void decalagrisouris(short dx, short dy, short pas);
    // Arrow command (commandefleche) of an open arrow's zone holding the
    // client point; 0 for none.
    short flechetouchee(POINT client) const { return ::flechetouchee(fleches, client); }
    // Every arrow closed (the rules pages have none), here and for the
    // drawing.
    void fermefleches();
    // Whether the window's position in e gives other overflows than the
    // current layout's (the layout is then to be made again).
    bool debordementchange(const entreesregions& e) const;
    // Deletes both regions (the next composition makes them again).
    void libere();
    // Whether some arrow is open.
    bool flecheaffichee() const;

    // The play window's size: the layout width, and the largest of the last
    // button's bottom, the layout height and the region height + 15.
    SIZE taillegrifen(short dernierbas) const;

    const dispositionjeu& disposition() const { return dispo; }
    const defilementjeu& defilement() const { return defil; }
    const flechesjeu& getfleches() const { return fleches; }
    // The arrows as the grid page draws them (open flags and triangles).
    flechesdessin flechesadessiner() const;
    const clawinregion& regionprincipale() const { return regprin; }
    const clawinregion& regiongrille() const { return reggrille; }

private:
    clawinregion regprin;
    clawinregion reggrille;
    dispositionjeu dispo;
    defilementjeu defil;
    flechesjeu fleches;
    bool regprinchangee = true;
};
