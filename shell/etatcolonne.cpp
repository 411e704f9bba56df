// The buttons' enabled and shown states from the game.
#include "shell/etatcolonne.h"

#include "shell/idcommandes.h"
#include "shell/miseenpage.h"

void boutaffiches(claappli& a) {
    clacolonne& c = a.colonne;
    const short taille = a.partie.parametres().taillecase;
    const bool actifs = !a.anymode(modeappli::regles);
    const bool jouant = a.anymode(modeappli::jeu);
    if (actifs != a.actifavant || jouant != a.jouantavant || a.pagereglesnum != a.pageavant ||
        a.boutonsarafraichir) {
        a.actifavant = actifs;
        a.jouantavant = jouant;
        a.pageavant = a.pagereglesnum;
        a.boutonsarafraichir = false;
        c.active(idlangue, actifs);
        for (short g = 1; g <= 5; ++g) c.active(idbouttongrille(g), actifs);
        c.active(idtexte, actifs);
        c.active(idquitter, true);
        c.active(idregles, true);
        c.active(idretour, true);
        c.montrebouton(idpagesuiv, !actifs && reglemontresuivante(a.pagereglesnum));
        c.montrebouton(idpageprec, !actifs && reglemontreprecedente(a.pagereglesnum));
        c.montrebouton(idretour, !actifs);
        c.active(idplus, actifs && tailleplus(taille, taillemaxiecran(a)) != taille);
        c.active(idmoins, actifs && taillemoins(taille) != taille);
        for (short id : {idzero, idinfo, idfixe, idpause, idsauver}) c.active(id, jouant);
    }
    c.placegrilles(a.partie.parametres().nouvelle.presente());
    c.active(idboutonnouvelle, !a.anymode(modeappli::regles));
    c.active(idannuler, a.partie.historique().peutreculer() && jouant);
    c.active(idrefaire, a.partie.historique().peutavancer() && jouant);
}
