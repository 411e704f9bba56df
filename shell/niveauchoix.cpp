// The level control: its zone and the click that asks for the next level.
#include "shell/niveauchoix.h"

#include "shell/boutons.h"
#include "shell/etatjeu.h"
#include "shell/jeu.h"

RECT zoneniveau() {
    if (colonne.grillesy <= 0) return RECT{0, 0, 0, 0};
    return RECT{colonne.centrex - 25, colonne.niveauy - 8, colonne.centrex + 25,
                colonne.niveauy + 8};
}

bool clicniveau(POINT p, bool monter) {
    const RECT z = zoneniveau();
    if (!anymode(modeappli::jeu) || partie.parametres().grillecourante <= 0 || z.right == 0 ||
        p.x < z.left || p.x > z.right || p.y < z.top || p.y > z.bottom)
        return false;
    appliquer(partie.demandeniveau(monter));
    return true;
}
