// The button column's controller: making it, the level control, the tooltip.
#include "shell/pilotecolonne.h"

#include "shell/etatcolonne.h"
#include "shell/jeu.h"

void createwinboutons(claappli& a, int montrer) {
    if (!a.boutonscreables || a.colonne.creee()) return;
    a.colonne.cree(a.fenetre, a.instance, a.tooltip, a.nbgrilles > 1,
                   a.partie.parametres().chronoaffiche);
    a.selecteur.calcule(a.colonne.pos.selecteurhaut);
    showwinboutons(a, montrer);
    a.boutonsarafraichir = true;
    boutaffiches(a);
}

void showwinboutons(claappli& a, int montrer) {
    a.colonne.montre(montrer);
}

RECT zoneniveau(const claappli& a) {
    const colonneboutons& c = a.colonne.pos;
    if (c.grillesy <= 0) return RECT{0, 0, 0, 0};
    return RECT{c.centrex - 25, c.niveauy - 8, c.centrex + 25, c.niveauy + 8};
}

bool clicniveau(claappli& a, POINT p, bool monter) {
    const RECT z = zoneniveau(a);
    if (!a.anymode(modeappli::jeu) || a.partie.parametres().grillecourante <= 0 || z.right == 0 ||
        p.x < z.left || p.x > z.right || p.y < z.top || p.y > z.bottom)
        return false;
    appliquer(a, a.partie.demandeniveau(monter));
    return true;
}

void survolbulle(claappli& a, HWND window, bool clic) {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    const auto x = static_cast<short>(p.x);
    const auto y = static_cast<short>(p.y);
    if (clic) a.tooltip.retiens(x, y);
    a.tooltip.danszoclifen(window, x, y, a.anymode(modeappli::jeu) ? a.selecteur.proche(x, y) : 0);
}
