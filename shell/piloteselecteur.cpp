// The value selector's controller: the current value chosen.
#include "shell/piloteselecteur.h"

#include "shell/jeu.h"

short chiffre(WPARAM touche) {
    if (touche >= '0' && touche <= '6') return static_cast<short>(touche - '0');
    if (touche >= VK_NUMPAD0 && touche <= VK_NUMPAD0 + 6)
        return static_cast<short>(touche - VK_NUMPAD0);
    return -1;
}

// A value chosen keeps the help shown: only a move, a click or another key
// takes it away.
void nombreclic(claappli& a, short v) {
    appliquer(a, a.partie.choisitvaleur(v), true);
}

void cliquechiffre(claappli& a, char source, short v) {
    if (v < 0 || v > 6) return;
    appliquer(a, source == 'K' ? a.partie.touchevaleur(v) : a.partie.choisitvaleur(v), true);
}

bool captouchauvol(claappli& a, WPARAM touche, bool maj, bool ctrl) {
    if (touche == VK_TAB) {
        appliquer(a, a.partie.valeursuivante(), true);
        return true;
    }
    const short v = chiffre(touche);
    if (v < 0 || maj || ctrl) return false;
    cliquechiffre(a, 'K', v);
    return true;
}
