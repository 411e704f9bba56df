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

void expliquefleches() {
    if (!jeu.indicefleches || !anymode(modeappli::jeu) || !regionsdujeu().flecheaffichee()) return;
    jeu.indicefleches = false;
    blocagedujeu();
    boitemessage(2, MB_OK | MB_ICONINFORMATION);
    deblocagedujeu();
}

void fenetredeplacee() {
    if (!anymode(modeappli::jeu) || !jeu.miseenpagevalide) return;
    if (regionsdujeu().debordementchange(entreesdujeu())) relayer();
}
