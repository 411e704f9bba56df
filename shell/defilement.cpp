// Scrolling the grid in play: arrows, drag, and the overflow of a moved
// window.
#include "shell/defilement.h"

#include "shell/etatjeu.h"
#include "shell/jeu.h"
#include "shell/miseenpage.h"

namespace {

void relayer() {
    jeu.miseenpagevalide = false;
    reaffigri();
}

} // namespace

bool clicfleche(POINT client) {
    if (!anymode(modeappli::jeu)) return false;
    const short c = regionsdujeu().flechetouchee(client);
    if (c == 0) return false;
    defilebouton(c);
    return true;
}

void defilebouton(short commande) {
    if (!anymode(modeappli::jeu)) return;
    regionsdujeu().decalagribouton(commande);
    relayer();
}

void defilesouris(POINT appui, POINT relache) {
    if (!anymode(modeappli::jeu)) return;
    regionsdujeu().decalagrisouris(static_cast<short>(relache.x - appui.x),
                                   static_cast<short>(relache.y - appui.y),
                                   partie.grille().gettaillepix());
    relayer();
}

void curseurenvue() {
    if (!anymode(modeappli::jeu) || !partie.curseurvisible()) return;
    assuremiseenpage();
    regionsjeu& r = regionsdujeu();
    const dispositionjeu& d = r.disposition();
    if (d.Ox <= 0 && d.Oy <= 0) return;
    clagrivora& g = partie.grilledessin();
    g.fautcoordentableaux();
    const short c = partie.casecourante();
    const short t = g.gettaillepix();
    const miseenpage& m = miseenpagecourante();
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
    relayer();
}

void expliquefleches() {
    if (!anymode(modeappli::jeu) || !regionsdujeu().flecheaffichee()) return;
    // A box the player's move did not cause: the help shown stays.
    if (effets e = partie.expliquefleches(); e.question) appliquer(std::move(e), true);
}

void fenetredeplacee() {
    if (!anymode(modeappli::jeu) || !jeu.miseenpagevalide) return;
    if (regionsdujeu().debordementchange(entreesdujeu())) relayer();
}
