// Placing and drawing a grid page on memory bitmaps.
#include "render/gripageimage.h"

SIZE tailleimage(clagripage& g, short taille, short mode, short marge) {
    g.settaillemmpix(0, taille);
    g.setmodaffi(mode);
    g.modele().debutmodaffichagrille();
    short x1 = 0;
    short y1 = 0;
    short x2 = 0;
    short y2 = 0;
    g.modele().posicadremax(x1, y1, x2, y2);
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
    g.setdevice(0, &d);
    short x1 = 0;
    short y1 = 0;
    short x2 = 0;
    short y2 = 0;
    g.modele().fautcoordentableaux();
    g.modele().posicadremax(x1, y1, x2, y2);
    g.movegrille(static_cast<short>(marge - x1), static_cast<short>(marge + y2));
}

void joueexemple(clagripage& g, short valeurs, short marques) {
    clagrivora& gri = g.modele();
    static const short masques[] = {1 | 4 | 32, 2 | 8 | 16, 63};
    gri.debutmodaffichagrille();
    gri.ajustepossicase();
    short m = 0;
    for (short c = 1; c <= gri.getnbcases() && (valeurs > 0 || m < marques); ++c) {
        if (!gri.casestvide(c)) continue;
        if (valeurs > 0) {
            for (short v = 1; v <= 6; ++v) {
                if (gri.isautorisee(c, v) == 0) continue;
                gri.setcaseval(c, v);
                gri.ajustepossicase();
                --valeurs;
                break;
            }
            continue;
        }
        for (short v = 1; v <= 6; ++v)
            if ((masques[m % 3] & (1 << (v - 1))) != 0) gri.swapossuser(c, v);
        ++m;
    }
}

void dessinefond(contextedessin& ctx, clagripage& g, cladevout& d, bitmapmemoire& fond,
                 int couleur) {
    fond.remplit(0xFFFFFF);
    d.sethdc(fond.dc());
    g.dessingrifond(ctx, &d, 0, couleur, couleur);
}

void peintgrille(contextedessin& ctx, clagripage& g, cladevout& d, const bitmapmemoire& fond,
                 bitmapmemoire& image, int couleur) {
    image.copiede(fond);
    d.sethdc(image.dc());
    g.dessingrifin(ctx, &d, 0, couleur, couleur);
}
