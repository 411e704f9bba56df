// The button commands.
#include "shell/commandes.h"

#include "shell/boites.h"
#include "shell/boutons.h"
#include "shell/bulleaide.h"
#include "shell/chronoaffiche.h"
#include "shell/clagdtooltip.h"
#include "shell/clavier.h"
#include "shell/defilement.h"
#include "shell/etatjeu.h"
#include "shell/jeu.h"
#include "shell/menucles.h"
#include "shell/miseenpage.h"
#include "shell/nouvelle.h"
#include "shell/paramdemarrage.h"
#include "shell/peinture.h"
#include "shell/selecteur.h"

#include "grid/clagrivora.h"
#include "render/pageregle.h"
#include "shell/core/textesrecords.h"
#include "shell/core/textesvora.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

void changetaillecase(short taille, bool rentrer) {
    if (rentrer) rentrefenetre(fenetrepour(gabaritcourant(), taille));
    partie.fixetaillecase(taille);
    reaffigri();
    jeu.boutonsarafraichir = true;
    settailleprin(taille);
    jetterfond();
    grillepage().setmodaffi(grillepage().getmodaffi());
}

namespace {

void ouvrirregles(HWND window) {
    tooltip.virefentooltip();
    // The grid in play is kept while the rules are shown, its time stopped.
    if (anymode(modeappli::jeu) && partie.parametres().grillecourante > 0) chronomactiver(false);
    partie.ouvreregles();
    regleouvrir(jeu.pagereglesnum);
    modefenetre();
    textipenvoi();
    showwinboutons(SW_HIDE);
    jeu.boutonsarafraichir = true;
    boutaffiches();
    regionsdujeu().fermefleches();
    SetWindowRgn(window, nullptr, TRUE);
    regionsdujeu().formeretiree();
    mainwinposornot();
    reaffigri();
}

void quitterregles() {
    tooltip.virefentooltip();
    liberepagesregles();
    grillereprise();
    textipenvoi();
    showwinboutons(SW_SHOW);
    jeu.boutonsarafraichir = true;
    boutaffiches();
    chronomactiver(true);
    jeu.miseenpagevalide = false;
    reaffigri();
}

void executer(HWND window, short id) {
    const short g = grilledubouton(id);
    if (g != 0) {
        if (g <= jeu.nbgrilles && grillecharger(window, g, nullptr, true)) reaffigri();
        return;
    }
    switch (id) {
    case 2:
    case 3:
    case 4:
    case 5:
        defilebouton(id);
        break;
    case idannuler:
        appliquer(partie.defaire());
        break;
    case idrefaire:
        appliquer(partie.refaire());
        break;
    case idplus:
        changetaillecase(tailleplus(partie.parametres().taillecase, taillemaxiecran()), true);
        break;
    case idmoins:
        changetaillecase(taillemoins(partie.parametres().taillecase), true);
        break;
    case idinfo:
        appliquer(partie.demandeinformations(regionsdujeu().flecheaffichee()));
        break;
    case idzero:
        nombreclic(0);
        break;
    case 14:
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
        nombreclic(static_cast<short>(id - 13));
        break;
    case idregles:
        ouvrirregles(window);
        break;
    case idretour:
        if (anymode(modeappli::regles)) quitterregles();
        break;
    case idpageprec:
        regleprecedente(jeu.pagereglesnum);
        reaffigri();
        break;
    case idpagesuiv:
        reglesuivante(jeu.pagereglesnum);
        reaffigri();
        break;
    case idquitter:
        SendMessageA(window, WM_CLOSE, 0, 0);
        break;
    case idfixe:
        appliquer(partie.demandefixe());
        break;
    case idpause:
        appliquer(partie.demandepause());
        break;
    case idliste:
        if (!anymode(modeappli::regles)) listetouches();
        break;
    case idoptionsurligne:
    case idoptioncomptes:
    case idoptionnettoie:
        basculeoption(id);
        break;
    case idindice:
        if (anymode(modeappli::jeu)) appliquer(partie.indice());
        break;
    case idverifie:
        if (anymode(modeappli::jeu)) appliquer(partie.verifie());
        break;
    case idnotes:
        if (anymode(modeappli::jeu)) appliquer(partie.notecandidats());
        break;
    case idniveau:
        if (anymode(modeappli::jeu)) appliquer(partie.demandeniveau(true));
        break;
    case idsauver:
        appliquer(partie.demandesauver());
        break;
    case idlangue:
        appliquer(partie.changelangue());
        break;
    default:
        commandenouvelle(window, id);
        break;
    }
}

} // namespace

void commande(HWND window, short id) {
    fermemenu();
    // A second hint enters the value of the one shown.
    if (id != idindice) cacheaide();
    if (jeu.verrousboutons > 0) {
        bipsrefus();
        return;
    }
    boutonbloquer();
    executer(window, id);
    boutonlaisser();
    if (GetFocus() != window) SetFocus(window);
}

bool toucheregles(HWND window, WPARAM touche) {
    if (!anymode(modeappli::regles)) return false;
    switch (touche) {
    case VK_RIGHT:
    case VK_NEXT:
        commande(window, idpagesuiv);
        return true;
    case VK_LEFT:
    case VK_PRIOR:
        commande(window, idpageprec);
        return true;
    case VK_HOME:
        regleouvrir(jeu.pagereglesnum);
        reaffigri();
        return true;
    case VK_END:
        regledernierepage(jeu.pagereglesnum);
        reaffigri();
        return true;
    case VK_ESCAPE:
    case VK_RETURN:
        commande(window, idretour);
        return true;
    default:
        return false;
    }
}
