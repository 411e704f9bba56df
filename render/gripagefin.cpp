// clagripage: the top pass (values, pencil marks, constraint display,
// hexagon dots, the contour and the scroll arrows).
#include "render/clagripage.h"

#include "render/ressources.h"

#include <algorithm>

void grichiffroulettres(short, clagripage* g, cladevout* dev, int colour, short cell,
                        short character, float factor, short angle) {
    const short h = static_cast<short>(g->gethauteurchiffre() * factor);
    mapolice.createbis(h, static_cast<short>(h / 2), static_cast<short>(angle * 10), 0, 200,
                       "Arial");
    mapolice.colornoback(colour);
    mapolice.useon(dev->gethdc());
    mapolice.setcentrage(1);
    const char texte[2] = {static_cast<char>(character), 0};
    mapolice.printpix(dev->devx(g->modele().getcacentrix(cell)),
                      dev->devy(g->modele().getcacentry(cell)), texte);
}

void dessinsegment(clagripage* g, const char* segment) {
    clavochemin c;
    c.getdirections().settaillangle(g->modele().gettaillepix(), g->modele().getangle());
    gstring debut(segment);
    gstring fin(segment);
    char* deuxpoints = debut.adr();
    while (*deuxpoints != 0 && *deuxpoints != ':') ++deuxpoints;
    *deuxpoints = 0;
    fin.replaceone(":", "");
    const short x1 = c.valducheminx(debut.adr());
    const short y1 = c.valducheminy(debut.adr());
    const short x2 = c.valducheminx(fin.adr());
    const short y2 = c.valducheminy(fin.adr());
    g->getdevice()->atrasegpur(x1, y1, x2, y2);
}

void clagripage::affipossofuser(const contextedessin& ctx, short cell) {
    const short masque = modele().getpuser(cell);
    if (masque == 0) return;
    short coup = 0;
    switch (ctx.taillechoisie) {
    case 40:
        coup = 5;
        break;
    case 50:
        coup = 6;
        break;
    case 60:
        coup = 8;
        break;
    case 70:
        coup = 9;
        break;
    default:
        // Larger sizes, as the screen allows: in proportion to the 70's.
        if (ctx.taillechoisie > 70) coup = static_cast<short>(ctx.taillechoisie * 9 / 70);
        break;
    }
    cladevout& d = dev();
    mapolice.create(static_cast<short>(ctx.taillechoisie / 4),
                    static_cast<short>(ctx.taillechoisie / 8), 0, 0, 200, "Arial");
    mapolice.colornoback(ctx.coulnotes);
    mapolice.useon(d.gethdc());
    mapolice.setcentrage(1);
    for (short i = 1; i <= 6; ++i) {
        if ((masque & (1 << (i - 1))) == 0) continue;
        short x = 0;
        short y = 0;
        modele().givepossofuser(cell, i, x, y);
        const char texte[2] = {static_cast<char>('0' + i), 0};
        mapolice.print(d.devx(x), d.devy(static_cast<short>(y + coup)), texte);
    }
}

void clagripage::dessincontourtritop(short, short solution, short width, int colour) {
    clagrivora& gri = modele();
    if (!testaffi(6)) return;
    cladevout& d = dev();
    gri.fautdeslistesegtour();
    if (solution != 0) width = static_cast<short>(width * 3 / 4);
    d.setgeocrayonpix(1, colour);
    const lichavo& internes = gri.getsegmentsinternes();
    for (short i = 1; i <= internes.effectif(); ++i) dessinsegment(this, internes.adr(i));
    d.setgeocrayonpix(width, colour);
    const lichavo& externes = gri.getsegmentsexternes();
    for (short i = 1; i <= externes.effectif(); ++i) dessinsegment(this, externes.adr(i));
    moncrayon.clear();
}

void clagripage::dessinevaleurs(const contextedessin& ctx) {
    clagrivora& gri = modele();
    cladevout& d = dev();
    const float facteur = testaffi(7, 10) ? 0.75f : 1.0f;
    for (short c = 1; c <= gri.getnbcases(); ++c) {
        const bool fixe = gri.casestfixe(c);
        const short v = ctx.mainone || fixe ? gri.getcaseval(c) : 0;
        if (v <= 0) continue;
        const int couleur = ctx.mainone && !fixe ? ctx.grischiffrejoue : ctx.grischiffrefixe;
        grichiffroulettres(slot, this, &d, couleur, c, boncarac(slot, v), facteur, 0);
    }
}

void clagripage::dessinemarques(const contextedessin& ctx) {
    clagrivora& gri = modele();
    cladevout& d = dev();
    if (ctx.contraffi) {
        d.setgeocrayonpix(1, 0x00FF00);
        d.setcreabrosse(0x00FF00);
        for (short c = 1; c <= gri.getnbcases(); ++c) {
            for (short k = 0; k < 12; ++k) {
                const short n = gri.casevoisine(c, k);
                if (n > 0 && n < c)
                    d.atrasegpur(gri.getcacentrix(c), gri.getcacentry(c), gri.getcacentrix(n),
                                 gri.getcacentry(n));
            }
            d.devecerclepix(gri.getcacentrix(c), gri.getcacentry(c), 4);
        }
        return;
    }
    if (ctx.reglesaffichees) return;
    for (short c = 1; c <= gri.getnbcases(); ++c)
        if (gri.casestvide(c)) affipossofuser(ctx, c);
}

void clagripage::dessinefleches(const contextedessin& ctx) {
    cladevout& d = dev();
    const flechesdessin& f = ctx.fleches;
    const unsigned char ouvertes[4] = {f.droite, f.gauche, f.haut, f.bas};
    const bool montrees[4] = {f.droite || f.gauche, f.droite || f.gauche, f.haut || f.bas,
                              f.haut || f.bas};
    for (short k = 0; k < 4; ++k) {
        if (!montrees[k]) continue;
        POINT p[4];
        for (short i = 0; i < 4; ++i)
            p[i] = POINT{f.poly[k][i].x - d.getlocx(), d.getlocy() - f.poly[k][i].y};
        d.setcreabrosse(ouvertes[k] ? 0x0000FF : ctx.grisvingt);
        d.devepolygopix(0, 0, p, 4);
    }
}

void clagripage::dessingrifin(contextedessin& ctx, cladevout* dv, short solution, int,
                              int contourcolour) {
    clagrivora& gri = modele();
    device = dv;
    cladevout& d = *dv;
    if (ctx.crochets.sablierdeb) ctx.crochets.sablierdeb();
    ctx.grillant = 1;
    d.locapush();
    setlocagrideux(solution, dv);
    const short w = std::max<short>(1, static_cast<short>(taillepixel / 40));
    dessinesurlignes(ctx);
    dessineaide(ctx);
    // The cursor under the values and the pencil marks.
    dessinecurseur(ctx);
    dessinevaleurs(ctx);
    dessinemarques(ctx);
    if (ctx.mainone && !testaffi(8)) {
        d.setgeocrayonpix(w, ctx.coulpointhexa);
        const short r = d.poursixcent(10);
        for (short h = 1; h <= gri.getnbhexacompletes(); ++h)
            d.devecerclepix(gri.gethexacentrix(h), gri.gethexacentry(h), r);
    }
    dessincontourtritop(slot, solution, static_cast<short>(taillepixel / 12 + 1), contourcolour);
    dessinecadresaide(ctx);
    dessinefleches(ctx);
    finusageressources();
    d.locapop();
    ctx.grillant = 0;
    if (ctx.crochets.sablierfin) ctx.crochets.sablierfin();
}

void hexaplacer(clagripage* g, cladevout* dev, short index, int colour) {
    clagrivora& gri = g->modele();
    gri.fautunelivopoint();
    if (index < 1 || index > gri.getpoints().effectif()) return;
    dev->locapush();
    g->setlocagrille(dev);
    dev->transpabrosse();
    dev->setgeocrayonmilli(std::max<short>(1, static_cast<short>(g->gettaillepixel() / 40)),
                           colour);
    short x = 0;
    short y = 0;
    gri.giveposipoint(gri.getpoints().adr(index), x, y);
    const short t = gri.gettaillepix();
    if (g->testaffi(8))
        dev->devecerclepix(x, y, static_cast<short>(0.88 * t + 0.5));
    else
        dev->devehexagopix(x, y, 0, t);
    dev->locapop();
}
