// The level control: its zone, the step with wrap-around, the question and
// the change of level.
#include "shell/niveauchoix.h"

#include "shell/boites.h"
#include "shell/boutons.h"
#include "shell/chronoaffiche.h"
#include "shell/etatjeu.h"
#include "shell/peinture.h"

#include "grid/clagrivora.h"

#include <string>

RECT zoneniveau() {
    if (colonne.grillesy <= 0) return RECT{0, 0, 0, 0};
    return RECT{colonne.centrex - 25, colonne.niveauy - 8, colonne.centrex + 25,
                colonne.niveauy + 8};
}

short niveauvoisin(short courant, bool monter, short plafond) {
    if (plafond < 1) return 1;
    if (courant < 1) courant = 1;
    if (courant > plafond) courant = plafond;
    if (monter) return courant >= plafond ? short(1) : static_cast<short>(courant + 1);
    return courant <= 1 ? plafond : static_cast<short>(courant - 1);
}

short niveaumax() {
    return grilleram.modele().yaniveausept() ? short(7) : short(6);
}

bool clicniveau(POINT p, bool monter) {
    const RECT z = zoneniveau();
    if (!anymode(modejeu, 0) || paramjeu.grillecourante <= 0 || z.right == 0 || p.x < z.left ||
        p.x > z.right || p.y < z.top || p.y > z.bottom)
        return false;
    const short suivant = niveauvoisin(grilleram.modele().getniveauvoulu(), monter, niveaumax());
    gstring francais;
    gstring anglais;
    clagrivora::texteniv(suivant, nullptr, &francais, &anglais);
    const std::string grille = std::to_string(paramjeu.grillecourante);
    blocagedujeu();
    chronomactiver(false);
    const bool oui = boitemessage(16, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2,
                                  paramjeu.langue == langueanglais ? anglais.adr() : francais.adr(),
                                  grille.c_str()) == IDYES;
    deblocagedujeu();
    chronomactiver(true);
    if (oui) changeniveau(suivant);
    return true;
}

void changeniveau(short level) {
    const short g = paramjeu.grillecourante;
    grilleram.fixedifficulte(clagrivora::sixtocent(level));
    grilleram.modele().retourafixe();
    grilleram.modele().razallpuser();
    grilleram.modele().ajustepossicase();
    fixeniveauchoisi(paramjeu, g, level);
    memogrilluser(paramjeu, g, "");
    historique.clear();
    jeu.marqueurs[0] = jeu.marqueurs[1] = jeu.marqueurs[2] = 0;
    jeu.grillefinie = false;
    paramjeu.chronos.remiseazero(g, etatchronocourant());
    affichronocourt();
    jetterfond();
    jeu.boutonsarafraichir = true;
    reaffigri();
}
