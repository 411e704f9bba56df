// clagripage: the background pass (cell fills and outlines, enclosed
// triangles, hexagon discs, links and spokes).
#include "render/clagripage.h"

#include "render/gripagereglages.h"
#include "render/ressources.h"

#include "foundation/depile.h"
#include "lattice/topoitem.h"

#include <algorithm>

namespace {

// A lattice path object at the grid's step and angle.
clavochemin cheminde(const clagripage& g) {
    clavochemin c;
    c.getdirections().settaillangle(g.gettaillepix(), g.getangle());
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
        const short autre = triaplat(nomcase) ? 1 : 5;
        const POINT p[4] = {{x, y},
                            {x + dir.reulatx(0), y + dir.reulaty(0)},
                            {x + dir.reulatx(autre), y + dir.reulaty(autre)},
                            {x, y}};
        d.devepolygopix(0, 0, p, 4);
    }
}

void clagripage::dessingrifond(cladevout* dv, short solution, int linkcolour, int) {
    device = dv;
    debutmodaffichagrille();
    if (crochetsgripage.sablierdeb) crochetsgripage.sablierdeb();
    grillant = 1;
    dv->locapush();
    poliwid = std::max<short>(1, static_cast<short>(taillepixdev / 20));
    dv->setcreabrosse(grisfondcase);
    setlocagrideux(solution, dv);

    if (testaffi(6)) {
        fautdeslistescasautour();
        trianglintex(&getcasesautourinternes(), grisinterne, grisinterne);
    }
    dessineliens(solution, linkcolour);
    dessinecases();
    finusageressources();
    dv->locapop();
    grillant = 0;
    if (crochetsgripage.sablierfin) crochetsgripage.sablierfin();
}

void clagripage::dessineliens(short solution, int linkcolour) {
    cladevout& d = dev();
    const short t = gettaillepix();
    if (testaffi(7, 8) && solution == 0) {
        d.setgeocrayonpix(1, grisinterne);
        d.setcreabrosse(grisinterne);
        for (short h = 1; h <= getnbhexacompletes(); ++h)
            d.devecerclepix(gethexacentrix(h), gethexacentry(h), static_cast<short>(t / 2));
    }
    if (!testaffi(7)) return;
    d.setcreabrosse(fondessin);
    short w = static_cast<short>(0.15 * t);
    if (solution != 0) w = static_cast<short>(w / 2);
    d.setgeocrayonpix(w, linkcolour);
    gstring voisins;
    gstring mot;
    for (short c = 1; c <= getnbcases(); ++c) {
        topogivetroisvoisicase(&voisins, getcases().adr(c));
        while (voisins.notempty()) {
            depilemot(mot, voisins.adr());
            const short n = numerodelacase(mot.adr());
            if (c < n)
                d.atrasegpur(getcacentrix(c), getcacentry(c), getcacentrix(n), getcacentry(n));
        }
    }
    if (solution != 0) return;
    d.setgeocrayonpix(1, linkcolour);
    gstring cases;
    for (short h = static_cast<short>(getnbhexacompletes() + 1); h <= getnbhexatotal(); ++h) {
        const short hx = gethexacentrix(h);
        const short hy = gethexacentry(h);
        topocasespotcethexa(&cases,
                            getpartiels().adr(static_cast<short>(h - getnbhexacompletes())));
        while (cases.notempty()) {
            depilemot(mot, cases.adr());
            const short n = numerodelacase(mot.adr());
            if (n <= 0) continue;
            d.atrasegpur(hx, hy, static_cast<short>(hx + (getcacentrix(n) - hx) / 5),
                         static_cast<short>(hy + (getcacentry(n) - hy) / 5));
        }
    }
}

void clagripage::dessinecases() {
    cladevout& d = dev();
    const short t = gettaillepix();
    d.setgeocrayonpix(std::max<short>(1, static_cast<short>(taillepixel / 40)), cjeutourcase);
    int brosse = -1;
    vopoint v[7];
    POINT p[7];
    for (short c = 1; c <= getnbcases(); ++c) {
        const int couleur = coulfondecase(slot, c, grisfondcase);
        if (couleur != brosse) {
            d.setcreabrosse(couleur);
            brosse = couleur;
        }
        const short cx = getcacentrix(c);
        const short cy = getcacentry(c);
        if (testaffi(7) || testaffi(8)) {
            const double r = testaffi(7) ? 0.25 : 0.32;
            d.devecerclepix(cx, cy, static_cast<short>(r * t));
            continue;
        }
        const short n = testaffi(10) ? givepthexapoints(c, v) : givecasepoints(c, v);
        for (short i = 0; i < n; ++i) p[i] = POINT{v[i].x, v[i].y};
        d.devepolygopix(0, 0, p, n);
    }
}
