// The catalogue look-up and the loading of a catalogue grid into a grid page.
#include "lattice/catalogue/grillecatalogue.h"

#include "lattice/catalogue/grillegroupe.h"
#include "lattice/catalogue/grillesdonnees.h"
#include "lattice/catalogue/vodecrypte.h"

#include "foundation/textcompare.h"

lichavo ligridef;
short nigridef = 0;
short grinombre = 0;
gstring nomdegrinu;

short grilledef(const char* name) {
    grinombre = 5;
    gstring nom;
    for (short i = 0; i < nbgrillesdonnees; ++i) {
        const grilledonnee& d = grillesdonnees[i];
        nom.set(decrypvora(d.nom));
        if (!strugal(nom.adr(), name)) continue;
        for (short t = 0; t < d.nbtextes; ++t) ligridef.padd(decrypvora(d.textes[t]));
        nigridef = d.niveau;
        return 1;
    }
    return 0;
}

short grilletextesload(clagrivora* page, const char* name, const lichavo& textes, short level) {
    if (page == nullptr) return 0;
    lichavo lignes;
    for (short i = 1; i <= textes.effectif(); ++i) developgroupe(textes.adr(i), &lignes);
    // Building from the lines empties the grid, its name included; the
    // grid keeps its copy of the lines.
    page->setfromgrivecdef(&lignes);
    page->setnom(name);
    if (level > 0) page->bonsniveaux(level);
    page->fautunetabledescases();
    page->fautunetablevoisiquinze();
    page->fautappliquerniveau();
    page->ajustepossicase();
    return page->getnbcases() > 0 ? 1 : 0;
}

short grilleload(short slot, clagrivora* page, const char* name) {
    ligridef.clear();
    nigridef = 0;
    short charge = 0;
    if (page && slot >= 0 && slot < nbgrilleslots && grilledef(name)) {
        grilletextesload(page, name, ligridef, nigridef);
        charge = 1;
    }
    ligridef.clear();
    return charge;
}

void nomgrinit() {
    nomdegrinu.set(decrypvora(nomsjouablescryptes));
}

void nomgrilledepart(gstring* g) {
    g->set(decrypvora(nomdepartcrypte));
}

short nbgrillescatalogue() {
    return nbgrillesdonnees;
}

void nomgrillecatalogue(short i, gstring* g) {
    if (i < 1 || i > nbgrillesdonnees) {
        g->clear();
        return;
    }
    g->set(decrypvora(grillesdonnees[i - 1].nom));
}
