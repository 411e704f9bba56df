// The rules pages' controller.
#include "shell/piloteregles.h"

#include "shell/etatcolonne.h"
#include "shell/jeu.h"
#include "shell/miseenpage.h"
#include "shell/pilotecolonne.h"

#include "render/pageregle.h"

void ouvrirregles(claappli& a) {
    a.tooltip.virefentooltip();
    a.contexte.contraffi = 0;
    // The grid in play is kept while the rules are shown, its time stopped.
    if (a.anymode(modeappli::jeu) && a.partie.parametres().grillecourante > 0)
        a.chronomactiver(false);
    a.partie.ouvreregles();
    regleouvrir(a.pagereglesnum);
    a.modefenetre();
    a.textipenvoi();
    showwinboutons(a, SW_HIDE);
    a.boutonsarafraichir = true;
    boutaffiches(a);
    a.regions.fermefleches();
    SetWindowRgn(a.fenetre, nullptr, TRUE);
    a.regions.formeretiree();
    mainwinposornot(a);
    a.reaffigri();
}

void quitterregles(claappli& a) {
    a.tooltip.virefentooltip();
    a.regles.liberepagesregles();
    grillereprise(a);
    a.textipenvoi();
    showwinboutons(a, SW_SHOW);
    a.boutonsarafraichir = true;
    boutaffiches(a);
    a.chronomactiver(true);
    a.miseenpagevalide = false;
    a.reaffigri();
}

void pageprecedente(claappli& a) {
    regleprecedente(a.pagereglesnum);
    a.reaffigri();
}

void pagesuivante(claappli& a) {
    reglesuivante(a.pagereglesnum);
    a.reaffigri();
}

void premierepage(claappli& a) {
    regleouvrir(a.pagereglesnum);
    a.reaffigri();
}

void dernierepage(claappli& a) {
    regledernierepage(a.pagereglesnum);
    a.reaffigri();
}
