// Placing and drawing a grid page on memory bitmaps.
#include "render/gripageimage.h"

namespace {

constexpr int bleu = 0xFF0000;

} // namespace

SIZE tailleimage(clagripage& g, short taille, short mode, short marge) {
    g.settaillemmpix(0, taille);
    g.setmodaffi(mode);
    g.debutmodaffichagrille();
    short x1 = 0;
    short y1 = 0;
    short x2 = 0;
    short y2 = 0;
    g.posicadremax(x1, y1, x2, y2);
    return SIZE{x2 - x1 + 2 * marge, y2 - y1 + 2 * marge};
}

void placegrille(clagripage& g, cladevout& d, const bitmapmemoire& b, short marge) {
    d.clear();
    d.sethdc(b.dc());
    d.setdpi(static_cast<short>(GetDeviceCaps(b.dc(), LOGPIXELSX)),
             static_cast<short>(GetDeviceCaps(b.dc(), LOGPIXELSY)));
    d.setfeuillepix(static_cast<short>(b.larg()), static_cast<short>(b.haut()));
    d.setpagepix(static_cast<short>(b.larg()), static_cast<short>(b.haut()));
    d.centrajuste();
    pdevactu = &d;
    g.setdevice(0, &d);
    short x1 = 0;
    short y1 = 0;
    short x2 = 0;
    short y2 = 0;
    g.fautcoordentableaux();
    g.posicadremax(x1, y1, x2, y2);
    g.movegrille(static_cast<short>(marge - x1), static_cast<short>(marge + y2));
}

void dessinefond(clagripage& g, cladevout& d, bitmapmemoire& fond) {
    fond.remplit(0xFFFFFF);
    d.sethdc(fond.dc());
    g.dessingrifond(&d, 0, bleu, bleu);
}

void peintgrille(clagripage& g, cladevout& d, const bitmapmemoire& fond, bitmapmemoire& image) {
    image.copiede(fond);
    d.sethdc(image.dc());
    g.dessingrifin(&d, 0, bleu, bleu);
}
