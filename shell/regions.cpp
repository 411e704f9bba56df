// The main window's shape and the grid's scrolling: layout, grid region,
// main region, their application to the window, and the scroll commands.
#include "shell/regions.h"

#include "lattice/clavodirections.h"

#include <algorithm>
#include <cstdlib>

namespace {

short s16(int v) {
    return static_cast<short>(v);
}

} // namespace

void regionsjeu::calcuposiregion(const entreesregions& e) {
    if (e.grille == nullptr || e.dev == nullptr) return;
    clagripage& g = *e.grille;
    g.modele().fautcoordentableaux();
    if (!g.modele().faitcoord()) return;
    short x1 = 0;
    short y1 = 0;
    short x2 = 0;
    short y2 = 0;
    g.modele().posicadremax(x1, y1, x2, y2);
    const short pas = g.modele().gettaillepix();
    // A margin around the cells: the grid region's enlarged hexagons stay
    // inside the window, and no vertex touches its edge.
    const short marge = margegrille(pas);
    const etenduegrille ext{s16(std::abs(x1) + marge), s16(std::abs(x2) + marge),
                            s16(std::abs(y2) + marge), s16(std::abs(y1) + marge)};
    dispo = calcudisposition(ext, regprin.getdx(), regprin.getdy(), e.gauche, e.haut, e.ecranw,
                             e.ecranh, dispo);
    decalaccordfleches(pas);
    const POINT o = originegrille(dispo, pas, defil);
    cladevout& d = *e.dev;
    d.setlocxy(s16(o.x), s16(o.y));
    // The passes put the local origin back on the grid's position.
    g.setposmm(d.apixtommx(s16(o.x - d.getorigx())), d.apixtommy(s16(d.getorigy() - o.y)));
    geometriefleches(dispo, fleches);
}

void regionsjeu::crearegiongrille(const entreesregions& e) {
    reggrille.nouvoclear();
    if (e.fenetre != nullptr) reggrille.decalaset(e.fenetre);
    if (e.grille == nullptr || e.dev == nullptr) return;
    clagripage& g = *e.grille;
    g.modele().fautcoordentableaux();
    if (!g.modele().faitcoord()) return;
    const short dx = reggrille.getdx();
    const short dy = reggrille.getdy();
    const short s = g.modele().gettaillepix();
    const int ox = dx + e.dev->getlocx();
    const int oy = dy + e.dev->getlocy();
    if (g.testaffi(8)) {
        const short dc = s16(s * 8 / 10);
        for (short c = 1; c <= g.modele().getnbcases(); ++c)
            reggrille.addellipse(s16(ox + g.modele().getcacentrix(c)),
                                 s16(oy - g.modele().getcacentry(c)), dc, dc);
        for (short h = 1; h <= g.modele().getnbhexatotal(); ++h) {
            const short dh = h <= g.modele().getnbhexacompletes() ? s : s16(s / 5);
            reggrille.addellipse(s16(ox + g.modele().gethexacentrix(h)),
                                 s16(oy - g.modele().gethexacentry(h)), dh, dh);
        }
    } else {
        clavodirections dir;
        dir.settaillangle(s16(s * 12 / 10), 0);
        for (short h = 1; h <= g.modele().getnbhexacompletes(); ++h) {
            POINT p[7];
            for (short k = 0; k < 6; ++k)
                p[k] = POINT{ox + g.modele().gethexacentrix(h) + dir.reulatx(k),
                             oy - g.modele().gethexacentry(h) - dir.reulaty(k)};
            p[6] = p[0];
            reggrille.addpolygone(p, 7);
        }
    }
    const bool horizontales = fleches.ouverte[flechedroite] || fleches.ouverte[flechegauche];
    const bool verticales = fleches.ouverte[flechehaut] || fleches.ouverte[flechebas];
    for (short k = 0; k < 4; ++k) {
        if (!(k < flechehaut ? horizontales : verticales)) continue;
        POINT p[4];
        for (short i = 0; i < 4; ++i)
            p[i] = POINT{fleches.poly[k][i].x + dx, fleches.poly[k][i].y + dy};
        reggrille.addpolygone(p, 4);
    }
    const int gauche = dx + dispositionjeu::L;
    HRGN zone = CreateRectRgn(gauche, dy, gauche + dispo.e.gauche + dispo.e.droite,
                              dy + dispo.e.haut + dispo.e.bas);
    reggrille.intersec(zone);
    DeleteObject(zone);
}

void regionsjeu::composeregionprin(const entreesregions& e) {
    regprin.nouvoclear();
    if (e.fenetre != nullptr) regprin.decalaset(e.fenetre);
    const short dx = regprin.getdx();
    const short dy = regprin.getdy();
    regprin.addrectanglen(s16(dx + 20), 0, 110, dy);
    regprin.addrectanglen(s16(dx + 30), dy, 50, s16(e.basboutons + 10));
    if (reggrille.existe()) regprin.add(reggrille.gethandle());
    dispo.Hr = s16(dy + e.basboutons + 10);
    regprinchangee = true;
}

void regionsjeu::recalcureg(const entreesregions& e) {
    if (e.grille != nullptr) e.grille->modele().fautcoordentableaux();
    if (e.fenetre != nullptr) regprin.decalaset(e.fenetre);
    calcuposiregion(e);
    crearegiongrille(e);
    composeregionprin(e);
}

void regionsjeu::calcuregmini(HWND fenetre) {
    regprin.decalaset(fenetre);
    regprinchangee = true;
    appliqueregprin(fenetre);
}

void regionsjeu::appliqueregprin(HWND fenetre) {
    if (!regprinchangee) return;
    HRGN c = regprin.copie();
    if (c == nullptr) return;
    if (SetWindowRgn(fenetre, c, TRUE))
        regprinchangee = false;
    else
        DeleteObject(c);
}

void regionsjeu::decalaccordfleches(short pas) {
    ::decalaccordfleches(dispo, pas, defil, fleches);
}

void regionsjeu::decalagribouton(short direction) {
    switch (direction) {
    case iddefiledroite:
        defil.sx += 1;
        break;
    case iddefilegauche:
        defil.sx -= 1;
        break;
    case iddefilebas:
        defil.sy -= 1;
        break;
    case iddefilehaut:
        defil.sy += 1;
        break;
    default:
        break;
    }
}

void regionsjeu::decalagrisouris(short dx, short dy, short pas) {
    if (pas <= 0) return;
    defil.sx += static_cast<float>(dx) / static_cast<float>(pas);
    defil.sy += static_cast<float>(dy) / static_cast<float>(pas);
}

void regionsjeu::fermefleches() {
    std::fill(std::begin(fleches.ouverte), std::end(fleches.ouverte), 0);
}

bool regionsjeu::debordementchange(const entreesregions& e) const {
    const dispositionjeu d = calcudisposition(dispo.e, regprin.getdx(), regprin.getdy(), e.gauche,
                                              e.haut, e.ecranw, e.ecranh, dispo);
    return d.Ox != dispo.Ox || d.Oy != dispo.Oy;
}

void regionsjeu::libere() {
    regprin.kill();
    reggrille.kill();
    regprinchangee = true;
}

bool regionsjeu::flecheaffichee() const {
    return std::any_of(std::begin(fleches.ouverte), std::end(fleches.ouverte),
                       [](unsigned char o) { return o != 0; });
}

SIZE regionsjeu::taillegrifen(short dernierbas) const {
    return SIZE{dispo.W,
                std::max({static_cast<int>(dernierbas), static_cast<int>(dispo.H), dispo.Hr + 15})};
}

flechesdessin regionsjeu::flechesadessiner() const {
    flechesdessin f;
    f.droite = fleches.ouverte[flechedroite];
    f.gauche = fleches.ouverte[flechegauche];
    f.haut = fleches.ouverte[flechehaut];
    f.bas = fleches.ouverte[flechebas];
    for (short k = 0; k < 4; ++k)
        for (short i = 0; i < 4; ++i) f.poly[k][i] = fleches.poly[k][i];
    return f;
}
