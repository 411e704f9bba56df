// The shell's state that the grid page drawing reads: colour roles, display
// settings and the scroll arrows (each with its value in play), the two pure
// helpers the drawing owns (boncarac, coulfondecase), and the hooks through
// which the shell lends the rest of its behaviour.
//
// The shell writes these values (its mode palette and its settings); the
// drawing only reads them, except grillant and blokadre, which it writes.
#pragma once

#include "platform/win32.h"

#include "render/gdrectan.h"

// ---- Colour roles (COLORREF 0x00BBGGRR), set by the shell's palette ----
extern int grischiffrefixe; // digits of given cells: black
extern int grischiffrejoue; // digits the player entered: magenta 0xFF00FF
extern int grisfondcase;    // cell fill: 0x99FFFF in play, 0xFFFFFF otherwise
extern int cjeutourcase;    // cell outline: black
extern int griscontour;     // contour role of the palette: 80 % grey 0x333333
extern int grisinterne;     // enclosed triangles, hexagon discs: 30 % grey
extern int grisvingt;       // a closed scroll arrow: 20 % grey 0xCCCCCC
extern int fondessin;       // drawing background (brush of the links): cyan

// ---- Display settings the shell changes ----
// Play mode: every cell shows its value, played digits in grischiffrejoue
// and hexagon dots are drawn (1 in play; 0 shows the givens only).
extern unsigned char mainone;
// The constraint display: each cell joined in green to its neighbours.
extern unsigned char contraffi;
// Which scroll arrows lead somewhere (red) or nowhere (grey).
extern unsigned char flechokdroite;
extern unsigned char flechokgauche;
extern unsigned char flechokhaut;
extern unsigned char flechokbas;
// The four scroll arrows (right, left, up, down) as closed triangles of 4
// points in window pixels (y down), as the shell's layout places them.
extern POINT flechepoly[4][4];
// The cell size the player chose (40, 50, 60, 70, or larger as the screen
// allows): it sets the vertical nudge of the pencil marks.
extern short taillechoisie;
// Page layout: a centred page re-anchors grids placed at x = -75 or +75 mm,
// with two grids per page to the middle. Both off in the game.
extern unsigned char pagecentrale;
extern unsigned char doublacinq;

// ---- Written by the drawing ----
// Raised from the start of the background pass to the end of the top pass.
extern unsigned char grillant;
// The pen-width unit of the last background pass: max(1, size px / 20).
extern short poliwid;
// The frame of the last cadreblocsel, in millimetres.
extern gdrectan blokadre;

// The triangles outside the grid's edge are never drawn (red, they looked
// like scroll arrows). Settings that nothing in the game turns on stay off,
// and the drawing has no branch for them: contour only (contourseul), no
// enclosed triangles (sanzinternes), hollow cells (transpagrille), dots
// in empty cells (avecpoint), an empty grid (grivide), yellow page
// (gspjaune), the palette's contour colour (topcouleurs: the contour takes
// the colour the caller passes), computed displays (afficalipos, afficalisys,
// afficavecto), the solution map and log (gosolumap, journasolout) and
// letters instead of digits.

// ---- Shell behaviour, pure: owned by the drawing ----
// The character that shows value v on grid page slot page: the digit
// '0' + v.
char boncarac(short page, short v);
// The fill of a cell on a page: the colour it is given.
int coulfondecase(short page, short cell, int colour);

// ---- Shell behaviour lent through hooks ----
// Every hook may stay null: the rules are then taken as not shown and the
// wait cursor is not shown.
struct gripagecrochets {
    // Whether the rules pages are shown (the shell's anymode(5, 0)).
    bool (*reglesaffichees)() = nullptr;
    // Wait cursor on / off (the shell's sablierdeb / sablierfin); calls
    // nest.
    void (*sablierdeb)() = nullptr;
    void (*sablierfin)() = nullptr;
};
extern gripagecrochets crochetsgripage;

// The play values of everything above (colours, settings, arrows all closed
// and empty, taillechoisie 40, hooks null).
void reglagesdejeu();
