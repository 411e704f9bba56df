// The grid's controller: clicks and keys of play into intents.
#include "shell/pilotegrille.h"

#include "shell/defilement.h"
#include "shell/jeu.h"
#include "shell/miseenpage.h"
#include "shell/piloteselecteur.h"

#include <cstdlib>

void clicgauche(claappli& a, POINT p) {
    if (!a.anymode(modeappli::jeu)) return;
    assuremiseenpage(a);
    if (clicfleche(a, p)) return;
    const POINT appui = pointlocal(a, a.appuigauche);
    const auto ax = static_cast<short>(appui.x);
    const auto ay = static_cast<short>(appui.y);
    clagrivora& grille = a.page.modele();
    const short cellule = grille.caseproche(ax, ay);
    const short point = cellule == 0 ? grille.pointproche(ax, ay) : 0;
    if (cellule != 0) {
        appliquer(a, a.partie.clicgauche(cellule));
    } else if (point == 0) {
        const short v = a.selecteur.proche(static_cast<short>(p.x), static_cast<short>(p.y));
        if (v != 0) cliquechiffre(a, 'T', v);
    } else {
        const long ecart = std::labs(p.x - a.appuigauche.x) + std::labs(p.y - a.appuigauche.y);
        if (ecart > 24) {
            defilesouris(a, appui, pointlocal(a, p));
        } else if (ecart <= 5) {
            appliquer(a, a.partie.clicpoint(point));
        }
    }
}

void clicdroit(claappli& a) {
    if (!a.anymode(modeappli::jeu)) return;
    assuremiseenpage(a);
    const POINT appui = pointlocal(a, a.appuidroit);
    const auto ax = static_cast<short>(appui.x);
    const auto ay = static_cast<short>(appui.y);
    clagrivora& grille = a.page.modele();
    const short cellule = grille.caseproche(ax, ay);
    if (cellule == 0) return;
    appliquer(a, a.partie.clicdroit(cellule, grille.possiproche(cellule, ax, ay)));
}

bool touchegrille(claappli& a, WPARAM touche, bool maj) {
    if (!a.anymode(modeappli::jeu)) return false;
    const short v = chiffre(touche);
    // Without the cursor a digit only chooses the value (piloteselecteur.h).
    if (v >= 0 && (maj || a.partie.curseurvisible())) {
        if (maj) {
            if (v > 0) appliquer(a, a.partie.basculemarque(v));
        } else {
            appliquer(a, a.partie.touchechiffre(v));
        }
        return true;
    }
    switch (touche) {
    case VK_LEFT:
        appliquer(a, a.partie.deplacecurseur(sensdeplacement::gauche));
        return true;
    case VK_RIGHT:
        appliquer(a, a.partie.deplacecurseur(sensdeplacement::droite));
        return true;
    case VK_UP:
        appliquer(a, a.partie.deplacecurseur(sensdeplacement::haut));
        return true;
    case VK_DOWN:
        appliquer(a, a.partie.deplacecurseur(sensdeplacement::bas));
        return true;
    case VK_SPACE:
    case VK_RETURN:
        appliquer(a, a.partie.entreevaleur());
        return true;
    case VK_DELETE:
    case VK_BACK:
        appliquer(a, a.partie.effacecase());
        return true;
    default:
        return false;
    }
}

void nomcasesous(claappli& a, POINT client) {
    if (!a.anymode(modeappli::jeu) || !a.miseenpagevalide) return;
    const POINT l = pointlocal(a, client);
    const short c = a.page.modele().caseproche(static_cast<short>(l.x), static_cast<short>(l.y));
    if (c == a.derniercaseaffichee) return;
    a.derniercaseaffichee = c;
    gstring texte;
    if (c != 0) a.partie.grille().ecricalignouv(&texte, 1, c, "");
    if (a.colonne.boitenomcase() != nullptr) SetWindowTextA(a.colonne.boitenomcase(), texte.adr());
}
