// Scrolling the grid in play: arrows, drag, and the overflow of a moved
// window.
#include "shell/defilement.h"

#include "shell/miseenpage.h"

namespace {

void relayer(claappli& a) {
    a.miseenpagevalide = false;
    a.reaffigri();
}

} // namespace

bool clicfleche(claappli& a, POINT client) {
    if (!a.anymode(modeappli::jeu)) return false;
    const short c = a.regions.flechetouchee(client);
    if (c == 0) return false;
    defilebouton(a, c);
    return true;
}

void defilebouton(claappli& a, short commande) {
    if (!a.anymode(modeappli::jeu)) return;
    a.regions.decalagribouton(commande);
    relayer(a);
}

void defilesouris(claappli& a, POINT appui, POINT relache) {
    if (!a.anymode(modeappli::jeu)) return;
    a.regions.decalagrisouris(static_cast<short>(relache.x - appui.x),
                              static_cast<short>(relache.y - appui.y),
                              a.partie.grille().gettaillepix());
    relayer(a);
}

void curseurenvue(claappli& a) {
    if (!a.anymode(modeappli::jeu) || !a.partie.curseurvisible()) return;
    assuremiseenpage(a);
    regionsjeu& r = a.regions;
    const dispositionjeu& d = r.disposition();
    if (d.Ox <= 0 && d.Oy <= 0) return;
    clagrivora& g = a.page.modele();
    g.fautcoordentableaux();
    const short c = a.partie.casecourante();
    const short t = g.gettaillepix();
    const miseenpage& m = a.courante;
    // The cell's centre and the part of the client area the screen shows.
    const int x = m.originex + g.getcacentrix(c);
    const int y = m.originey - g.getcacentry(c);
    const int droite = d.W - d.Ox - 2 * r.regionprincipale().getdx();
    const int bas = d.H - d.Oy - r.regionprincipale().getdx() - r.regionprincipale().getdy();
    int dx = 0;
    int dy = 0;
    if (x < dispositionjeu::L + t) dx = dispositionjeu::L + t - x;
    if (x > droite - t) dx = droite - t - x;
    if (y < t) dy = y - t;
    if (y > bas - t) dy = y - (bas - t);
    if (dx == 0 && dy == 0) return;
    r.decalagrisouris(static_cast<short>(dx), static_cast<short>(dy), t);
    relayer(a);
}

void fenetredeplacee(claappli& a) {
    if (!a.anymode(modeappli::jeu) || !a.miseenpagevalide) return;
    if (a.regions.debordementchange(entreesdujeu(a))) relayer(a);
}
