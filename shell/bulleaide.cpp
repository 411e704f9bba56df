// The help's marks on the grid and its bubble's place.
#include "shell/bulleaide.h"

#include <algorithm>

namespace {

// The bubble's top left, client pixels: under the grid, level with its left
// edge, so that it hides none of the cells it speaks of (unless the screen's
// edge pushes it back up).
POINT placebulle(claappli& a) {
    short xmin = 0;
    short ymin = 0;
    short xmax = 0;
    short ymax = 0;
    a.page.modele().posicadremax(xmin, ymin, xmax, ymax);
    return POINT{std::max<int>(dispositionjeu::L, a.courante.originex + xmin),
                 a.courante.originey - ymin + 12};
}

void marques(contextedessin& c, const aidemontree& h) {
    c.caseindice = h.cible;
    c.casesindice = h.surlignees;
    c.casesombrees = h.ombrees;
    c.caseencadree = h.encadree;
    c.casesfausses = h.fausses;
}

} // namespace

void montreaide(claappli& a, const aidemontree& h) {
    marques(a.contexte, h);
    a.aidemontree = true;
    a.reaffigri();
    if (a.fenetre == nullptr) return;
    POINT p = placebulle(a);
    ClientToScreen(a.fenetre, &p);
    a.bulle.ouvre(a.fenetre, a.instance, p, h.texte);
}

void cacheaide(claappli& a) {
    if (!a.aidemontree) return;
    a.aidemontree = false;
    a.bulle.ferme();
    marques(a.contexte, {});
    a.partie.oublieaide();
    a.reaffigri();
}
