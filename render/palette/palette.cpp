// The palettes of the three looks.
#include "render/palette/palette.h"

namespace {

constexpr palettedessin palettes[nbthemes] = {
    // The original: the colours the game always had.
    {.grischiffrefixe = 0x000000,
     .grischiffrejoue = 0xFF00FF,
     .grisfondcase = 0x99FFFF,
     .cjeutourcase = 0x000000,
     .grisinterne = 0xB2B2B2,
     .grisvingt = 0xCCCCCC,
     .fondessin = 0xFFFF00,
     .coulnotes = 0xFF0000,
     .coulpointhexa = 0x000000,
     .coulsurligne = 0x90EE90,
     .coulconflit = 0x6060FF,
     .coulcurseur = 0x0000FF,
     .coulindice = 0x40A0FF,
     .coulindicesurligne = 0xFFB070,
     .coulindiceombre = 0xE0D8D0,
     .coulindicecadre = 0xC00000,
     .coulindicepossible = 0x00A000,
     .coulfausse = 0x000080,
     .coulcontour = 0xFF0000,
     .fondfenetre = fondsysteme},
    // Dark: dark cells and background, light digits and marks. The fills
    // (under digits) stay in the lower half of the lightness, the frames
    // (lines on the cell's edge) in the upper half, each role about 22
    // apart from the next: refusal 70, highlight 93, the value's holders
    // 118, the hint's cells 144, wrong entry 166, possible 196, framed 218,
    // cursor 241.
    {.grischiffrefixe = 0xF0F0F0,
     .grischiffrejoue = 0xFF9CFF,
     .grisfondcase = 0x302820,
     .cjeutourcase = 0x787878,
     .grisinterne = 0x505050,
     .grisvingt = 0x606060,
     .fondessin = 0x504018,
     .coulnotes = 0xFFC890,
     .coulpointhexa = 0xA0A0A0,
     .coulsurligne = 0x288228,
     .coulconflit = 0x2020A0,
     .coulcurseur = 0x80FFFF,
     .coulindice = 0x2880D8,
     .coulindicesurligne = 0xD08040,
     .coulindiceombre = 0x504030,
     .coulindicecadre = 0xFFE8B0,
     .coulindicepossible = 0x70FF70,
     .coulfausse = 0x8080FF,
     .coulcontour = 0xFFA050,
     .fondfenetre = 0x302C28},
    // Colour-blind safe: the original's cells and ink; the aids on a
    // lightness ladder from dark frames to light fills, so that red against
    // green or blue against yellow is never the only difference: wrong
    // entry 29, framed 52, cursor 83, possible 113, refusal 139, the
    // value's holders 167, the hint's cells 189, highlight 223 (the cells
    // 243).
    {.grischiffrefixe = 0x000000,
     .grischiffrejoue = 0xFF00FF,
     .grisfondcase = 0x99FFFF,
     .cjeutourcase = 0x000000,
     .grisinterne = 0xB2B2B2,
     .grisvingt = 0xCCCCCC,
     .fondessin = 0xFFFF00,
     .coulnotes = 0xFF0000,
     .coulpointhexa = 0x000000,
     .coulsurligne = 0xFFE8C0,
     .coulconflit = 0x3868F0,
     .coulcurseur = 0x0030B8,
     .coulindice = 0x40B4FF,
     .coulindicesurligne = 0xF8B868,
     .coulindiceombre = 0xE0D8D0,
     .coulindicecadre = 0x903C00,
     .coulindicepossible = 0x80A800,
     .coulfausse = 0x000060,
     .coulcontour = 0xFF0000,
     .fondfenetre = fondsysteme},
};

} // namespace

const palettedessin& palettedutheme(short theme) {
    return palettes[theme >= 0 && theme < nbthemes ? theme : themeoriginal];
}
