// The drawing's pure helpers, and a palette put into the colour roles.
#include "render/contextedessin.h"

char boncarac(short, short v) {
    return static_cast<char>('0' + v);
}

int coulfondecase(short, short, int colour) {
    return colour;
}

void appliquepalette(contextedessin& ctx, const palettedessin& p) {
    ctx.grischiffrefixe = p.grischiffrefixe;
    ctx.grischiffrejoue = p.grischiffrejoue;
    ctx.grisfondcase = p.grisfondcase;
    ctx.cjeutourcase = p.cjeutourcase;
    ctx.grisinterne = p.grisinterne;
    ctx.grisvingt = p.grisvingt;
    ctx.fondessin = p.fondessin;
    ctx.coulnotes = p.coulnotes;
    ctx.coulpointhexa = p.coulpointhexa;
    ctx.coulsurligne = p.coulsurligne;
    ctx.coulconflit = p.coulconflit;
    ctx.coulcurseur = p.coulcurseur;
    ctx.coulindice = p.coulindice;
    ctx.coulindicesurligne = p.coulindicesurligne;
    ctx.coulindiceombre = p.coulindiceombre;
    ctx.coulindicecadre = p.coulindicecadre;
    ctx.coulindicepossible = p.coulindicepossible;
    ctx.coulfausse = p.coulfausse;
}
