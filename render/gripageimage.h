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
// sheet and page of the bitmap's size, centred), make it the current
// device, and place g so that its frame lies marge pixels from the
// top-left corner.
void placegrille(clagripage& g, cladevout& d, const bitmapmemoire& b, short marge);
// One paint as the shell does it: the kept background copied into image,
// the top pass over it (contour in blue).
void peintgrille(clagripage& g, cladevout& d, const bitmapmemoire& fond, bitmapmemoire& image);
// The background pass into fond (filled with white first; links in blue).
void dessinefond(clagripage& g, cladevout& d, bitmapmemoire& fond);
