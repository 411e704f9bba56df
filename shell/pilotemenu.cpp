// The popup menu's controller.
#include "shell/pilotemenu.h"

#include <utility>

POINT coincolonne(const claappli& a) {
    POINT p{dispositionjeu::L, 40};
    ClientToScreen(a.fenetre, &p);
    return p;
}

void ouvremenu(claappli& a, POINT p, std::vector<lignemenu> lignes) {
    a.menu.ouvre(a.fenetre, a.instance, p, std::move(lignes));
}

bool touchemenu(claappli& a, WPARAM touche) {
    return a.menu.touche(touche);
}
