// Placing a grid page on a memory bitmap so that the whole grid shows, and
// drawing it there as a paint does: the picture tool, the tests and the
// benchmark draw grids this way.
#pragma once

#include "render/bitmapmemoire.h"
#include "render/clagripage.h"

// Give page g the hexagon size taille (pixels) and display mode, and return
// the bitmap size that holds its whole frame with marge pixels around.
SIZE tailleimage(clagripage& g, short taille, short mode, short marge);
// Make d the device of a bitmap of that size (its DC, the DC's resolution,
// sheet and page of the bitmap's size, centred), make it g's device, and
// place g so that its frame lies marge pixels from the top-left corner.
void placegrille(clagripage& g, cladevout& d, const bitmapmemoire& b, short marge);
// One paint as the shell does it: the kept background copied into image,
// the top pass over it with the settings of ctx (the contour in couleur:
// blue in the game).
void peintgrille(contextedessin& ctx, clagripage& g, cladevout& d, const bitmapmemoire& fond,
                 bitmapmemoire& image, int couleur = 0xFF0000);
// Play a few moves as a player would, the same on every run: the first
// `valeurs` empty cells (in cell order) get their smallest allowed value, the
// `marques` empty cells after them get pencil marks (values 1, 3 and 6 in
// the first, then 2, 4, 5, then all six).
void joueexemple(clagripage& g, short valeurs, short marques);
// The background pass into fond with the settings of ctx, filled with white
// first (the links of display mode 7 in couleur).
void dessinefond(contextedessin& ctx, clagripage& g, cladevout& d, bitmapmemoire& fond,
                 int couleur = 0xFF0000);
