// contextedessin: the settings a grid page is drawn with (colour roles,
// display settings, the scroll arrows, the hooks through which the owner
// lends the rest of its behaviour) and the state the drawing keeps while it
// draws. Whoever draws owns one (the shell's window, the picture tools, the
// tests) and hands it to the drawing passes; the passes only read it,
// except grillant, which they raise while they draw.
//
// Also here: the two pure helpers the drawing owns (boncarac, coulfondecase),
// and a look's palette put into the colour roles (appliquepalette).
#pragma once

#include "platform/win32.h"
#include "render/palette/palette.h"

#include <vector>

// Shell behaviour lent through hooks. Every hook may stay null: the wait
// cursor is then not shown.
struct gripagecrochets {
    // Wait cursor on / off (the shell's sablierdeb / sablierfin); calls
    // nest.
    void (*sablierdeb)() = nullptr;
    void (*sablierfin)() = nullptr;
};

// The scroll arrows (right, left, up, down): which lead somewhere (drawn
// red) or nowhere (grey; a pair closed both ways is not drawn), and their
// closed triangles of 4 points in window pixels (y down), as the shell's
// layout places them.
struct flechesdessin {
    unsigned char droite = 0;
    unsigned char gauche = 0;
    unsigned char haut = 0;
    unsigned char bas = 0;
    POINT poly[4][4] = {};
};

struct contextedessin {
    // ---- Colour roles (COLORREF 0x00BBGGRR); their play values ----
    int grischiffrefixe = 0;        // digits of given cells: black
    int grischiffrejoue = 0xFF00FF; // digits the player entered: magenta
    int grisfondcase = 0x99FFFF;    // cell fill: 0x99FFFF in play, 0xFFFFFF otherwise
    int cjeutourcase = 0;           // cell outline: black
    int grisinterne = 0xB2B2B2;     // enclosed triangles, hexagon discs: 30 % grey
    int grisvingt = 0xCCCCCC;       // a closed scroll arrow: 20 % grey
    int fondessin = 0xFFFF00;       // drawing background (brush of the links): cyan
    int coulnotes = 0xFF0000;       // pencil marks: blue
    int coulpointhexa = 0;          // the dots at the hexagons' centres: black

    // ---- Display settings ----
    // Play mode: every cell shows its value, played digits in grischiffrejoue
    // and hexagon dots are drawn (1 in play; 0 shows the givens only).
    unsigned char mainone = 1;
    // The constraint display: each cell joined in green to its neighbours.
    unsigned char contraffi = 0;
    // The rules pages are shown: no pencil marks.
    bool reglesaffichees = false;
    flechesdessin fleches;
    // The cell size the player chose (40, 50, 60, 70, or larger as the
    // screen allows): it sets the vertical nudge of the pencil marks.
    short taillechoisie = 40;
    gripagecrochets crochets;

    // ---- The player's aids (all off by default: the page as without them) ----
    // The cells holding this value (1..6) filled in coulsurligne; 0 none.
    short valeursurlignee = 0;
    int coulsurligne = 0x90EE90; // light green
    // Cells flashed in coulconflit (a refused entry's conflicts).
    std::vector<short> casesconflit;
    int coulconflit = 0x6060FF; // light red
    // The keyboard cursor's cell, outlined in coulcurseur; 0 none.
    short casecurseur = 0;
    int coulcurseur = 0x0000FF; // red
    // The help shown: the hint's cell and the cells losing candidates filled
    // in coulindice, the cells holding the value in coulindicesurligne, its
    // hexagon's cells in coulindiceombre, the cell to look at (or supposed)
    // framed in coulindicecadre, the cells that could still take the value
    // framed in coulindicepossible, a lattice point (index in the grid's
    // points) marked by a disc in coulindicecadre; the entries found wrong
    // (by the check, or all the time with the option casesfaussesvues)
    // framed in dashes of coulfausse.
    short caseindice = 0;
    std::vector<short> casesretirees;
    std::vector<short> casesindice;
    std::vector<short> casesombrees;
    short caseencadree = 0;
    std::vector<short> casespossibles;
    short pointindice = 0;
    std::vector<short> casesfausses;
    std::vector<short> casesfaussesvues;
    int coulindice = 0x40A0FF;         // orange
    int coulindicesurligne = 0xFFB070; // blue
    int coulindiceombre = 0xE0D8D0;    // light blue-grey
    int coulindicecadre = 0xC00000;    // dark blue
    int coulindicepossible = 0x00A000; // green
    int coulfausse = 0x000080;         // dark red, darker than the cursor's

    // ---- Written by the drawing ----
    // Raised from the start to the end of each drawing pass.
    unsigned char grillant = 0;
};

// Settings that nothing in the game turns on stay off, and the drawing has
// no branch for them: contour only (contourseul), no enclosed or outside
// triangles (sanzinternes, sanzexternes), hollow cells (transpagrille), dots
// in empty cells (avecpoint), an empty grid (grivide), yellow page
// (gspjaune), the palette's contour colour (topcouleurs: the contour takes
// the colour the caller passes), computed displays (afficalipos, afficalisys,
// afficavecto), the solution map and log (gosolumap, journasolout) and
// letters instead of digits.

// The colour roles of ctx become those of palette p (its contour and window
// background are the shell's, not the context's).
void appliquepalette(contextedessin& ctx, const palettedessin& p);

// The character that shows value v on grid page slot page: the digit
// '0' + v.
char boncarac(short page, short v);
// The fill of a cell on a page: the colour it is given.
int coulfondecase(short page, short cell, int colour);
