// Scrolling the grid in play: arrows, drag, and the overflow of a moved
// window.
#include "shell/defilement.h"

#include "shell/boites.h"
#include "shell/etatjeu.h"
#include "shell/miseenpage.h"

namespace {

void relayer() {
    jeu.miseenpagevalide = false;
    reaffigri();
}

} // namespace

bool clicfleche(POINT client) {
    if (!anymode(modejeu, 0)) return false;
    const short c = regionsdujeu().flechetouchee(client);
    if (c == 0) return false;
    defilebouton(c);
    return true;
}

void defilebouton(short commande) {
    if (!anymode(modejeu, 0)) return;
    regionsdujeu().decalagribouton(commande);
    relayer();
}

void defilesouris(POINT appui, POINT relache) {
    if (!anymode(modejeu, 0)) return;
    regionsdujeu().decalagrisouris(static_cast<short>(relache.x - appui.x),
                                   static_cast<short>(relache.y - appui.y),
                                   grilleram.modele().gettaillepix());
    relayer();
}

void expliquefleches() {
    if (!jeu.indicefleches || !anymode(modejeu, 0) || !regionsdujeu().flecheaffichee()) return;
    jeu.indicefleches = false;
    blocagedujeu();
    boitemessage(2, MB_OK | MB_ICONINFORMATION);
    deblocagedujeu();
}

void fenetredeplacee() {
    if (!anymode(modejeu, 0) || !jeu.miseenpagevalide) return;
    if (regionsdujeu().debordementchange(entreesdujeu())) relayer();
}
