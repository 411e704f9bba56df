// clagripage: the background pass (cell fills and outlines, enclosed and
// outside triangles, hexagon discs, links and spokes).
#include "render/clagripage.h"

#include "render/ressources.h"

#include "foundation/depile.h"
#include "lattice/topoitem.h"

#include <algorithm>

namespace {

// A lattice path object at the grid's step and angle.
clavochemin cheminde(const clagripage& g) {
    clavochemin c;
    c.getdirections().settaillangle(g.modele().gettaillepix(), g.modele().getangle());
    return c;
}

} // namespace

void clagripage::trianglintex(const lichavo* cells, int pen, int brush) {
    cladevout& d = dev();
    d.setgeocrayonpix(2, pen);
    d.setcreabrosse(brush);
    clavochemin c = cheminde(*this);
    const clavodirections& dir = c.getdirections();
    for (short i = 1; i <= cells->effectif(); ++i) {
        const char* nomcase = cells->adr(i);
        const short x = c.valducheminx(nomcase);
        const short y = c.valducheminy(nomcase);
        const short autre = clagrivora::triaplat(nomcase) ? 1 : 5;
        const POINT p[4] = {{x, y},
                            {x + dir.reulatx(0), y + dir.reulaty(0)},
                            {x + dir.reulatx(autre), y + dir.reulaty(autre)},
                            {x, y}};
        d.devepolygopix(0, 0, p, 4);
    }
}

void clagripage::dessingrifond(contextedessin& ctx, cladevout* dv, short solution, int linkcolour,
                               int) {
    clagrivora& gri = modele();
    device = dv;
    gri.debutmodaffichagrille();
    if (ctx.crochets.sablierdeb) ctx.crochets.sablierdeb();
    ctx.grillant = 1;
    dv->locapush();
    dv->setcreabrosse(ctx.grisfondcase);
    setlocagrideux(solution, dv);

    if (testaffi(6)) {
        gri.fautdeslistescasautour();
        trianglintex(&gri.getcasesautourinternes(), ctx.grisinterne, ctx.grisinterne);
        trianglintex(&gri.getcasesautourexternes(), 0, 0x0000FF);
    }
    dessineliens(ctx, solution, linkcolour);
    dessinecases(ctx);
    finusageressources();
    dv->locapop();
    ctx.grillant = 0;
    if (ctx.crochets.sablierfin) ctx.crochets.sablierfin();
}

void clagripage::dessineliens(const contextedessin& ctx, short solution, int linkcolour) {
    clagrivora& gri = modele();
    cladevout& d = dev();
    const short t = gri.gettaillepix();
    if (testaffi(7, 8) && solution == 0) {
        d.setgeocrayonpix(1, ctx.grisinterne);
        d.setcreabrosse(ctx.grisinterne);
        for (short h = 1; h <= gri.getnbhexacompletes(); ++h)
            d.devecerclepix(gri.gethexacentrix(h), gri.gethexacentry(h), static_cast<short>(t / 2));
    }
    if (!testaffi(7)) return;
    d.setcreabrosse(ctx.fondessin);
    short w = static_cast<short>(0.15 * t);
    if (solution != 0) w = static_cast<short>(w / 2);
    d.setgeocrayonpix(w, linkcolour);
    gstring voisins;
    gstring mot;
    for (short c = 1; c <= gri.getnbcases(); ++c) {
        topogivetroisvoisicase(&voisins, gri.getcases().adr(c));
        while (voisins.notempty()) {
            depilemot(mot, voisins.adr());
            const short n = gri.numerodelacase(mot.adr());
            if (c < n)
                d.atrasegpur(gri.getcacentrix(c), gri.getcacentry(c), gri.getcacentrix(n),
                             gri.getcacentry(n));
        }
    }
    if (solution != 0) return;
    d.setgeocrayonpix(1, linkcolour);
    gstring cases;
    for (short h = static_cast<short>(gri.getnbhexacompletes() + 1); h <= gri.getnbhexatotal();
         ++h) {
        const short hx = gri.gethexacentrix(h);
        const short hy = gri.gethexacentry(h);
        topocasespotcethexa(
            &cases, gri.getpartiels().adr(static_cast<short>(h - gri.getnbhexacompletes())));
        while (cases.notempty()) {
            depilemot(mot, cases.adr());
            const short n = gri.numerodelacase(mot.adr());
            if (n <= 0) continue;
            d.atrasegpur(hx, hy, static_cast<short>(hx + (gri.getcacentrix(n) - hx) / 5),
                         static_cast<short>(hy + (gri.getcacentry(n) - hy) / 5));
        }
    }
}

void clagripage::dessinecases(const contextedessin& ctx) {
    clagrivora& gri = modele();
    cladevout& d = dev();
    const short t = gri.gettaillepix();
    d.setgeocrayonpix(std::max<short>(1, static_cast<short>(taillepixel / 40)), ctx.cjeutourcase);
    int brosse = -1;
    vopoint v[7];
    POINT p[7];
    for (short c = 1; c <= gri.getnbcases(); ++c) {
        const int couleur = coulfondecase(slot, c, ctx.grisfondcase);
        if (couleur != brosse) {
            d.setcreabrosse(couleur);
            brosse = couleur;
        }
        const short cx = gri.getcacentrix(c);
        const short cy = gri.getcacentry(c);
        if (testaffi(7) || testaffi(8)) {
            const double r = testaffi(7) ? 0.25 : 0.32;
            d.devecerclepix(cx, cy, static_cast<short>(r * t));
            continue;
        }
        const short n = testaffi(10) ? gri.givepthexapoints(c, v) : gri.givecasepoints(c, v);
        for (short i = 0; i < n; ++i) p[i] = POINT{v[i].x, v[i].y};
        d.devepolygopix(0, 0, p, n);
    }
}
