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
    partie.parametres().taillecase = taille;
    reaffigri();
    jeu.boutonsarafraichir = true;
    settailleprin(taille);
    jetterfond();
    grillepage().setmodaffi(grillepage().getmodaffi());
}

namespace {

// A yes/no question asked with the game locked and the chronometer stopped.
bool question(short numero, UINT icone) {
    blocagedujeu();
    chronomactiver(false);
    const bool oui = boitemessage(numero, MB_YESNO | icone) == IDYES;
    deblocagedujeu();
    chronomactiver(true);
    return oui;
}

void ouvrirregles(HWND window) {
    tooltip.virefentooltip();
    dessinjeu().contraffi = 0;
    jeu.compteurcontraintes = 0;
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

// The first page of the information sequence: the grid's number and level,
// its cells filled out of the total, its time, its best times and the help
// used on it, and the parameter file in use.
std::string pagegrille() {
    const bool en = partie.parametres().langue == langueanglais;
    const short g = partie.parametres().grillecourante;
    gstring francais;
    gstring anglais;
    clagrivora::texteniv(partie.grille().getniveauvoulu(), nullptr, &francais, &anglais);
    short remplies = 0;
    for (short c = 1; c <= partie.grille().getnbcases(); ++c)
        if (!partie.grille().casestvide(c)) ++remplies;
    gstring temps;
    partie.parametres().chronos.grille(g).affiduresec(temps, en);
    std::string duree = temps.adr();
    duree.erase(0, std::min(duree.size(), duree.find_first_not_of(' ')));
    gstring t;
    std::string page;
    textemessage(t, 7, std::to_string(g).c_str(), en ? anglais.adr() : francais.adr());
    page += t.adr();
    textemessage(t, 26, std::to_string(remplies).c_str(),
                 std::to_string(partie.grille().getnbcases()).c_str());
    page += std::string("\n") + t.adr();
    textemessage(t, 27, duree.c_str());
    page += std::string("\n") + t.adr();
    page += "\n\n" +
            texterecords(partie.parametres().records, partie.clegrille(), partie.aidesutilisees(),
                         partie.parametres().langue) +
            "\n";
    std::error_code e;
    const std::filesystem::path fichier = std::filesystem::absolute(fichierparam(), e);
    textemessage(t, 21, (e ? fichierparam() : fichier.string()).c_str());
    page += std::string("\n") + t.adr();
    return page;
}

// "I": the grid's page, then the help pages (the arrows' page only while the
// grid is larger than the window), each saying which page it is and what its
// buttons do; Cancel (or Escape) goes back to the game.
void informations() {
    blocagedujeu();
    chronomactiver(false);
    std::vector<std::string> pages{pagegrille()};
    for (const short numero : {short{15}, short{14}, short{3}, short{13}}) {
        gstring t;
        textemessage(t, numero);
        pages.emplace_back(t.adr());
    }
    if (regionsdujeu().flecheaffichee()) {
        gstring t;
        textemessage(t, 2);
        pages.emplace_back(t.adr());
    }
    gstring titre;
    titreprogramme(titre);
    const std::string total = std::to_string(pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const bool derniere = i + 1 == pages.size();
        gstring pied;
        textemessage(pied, derniere ? 29 : 28, std::to_string(i + 1).c_str(), total.c_str());
        const std::string texte = pages[i] + "\n\n" + pied.adr();
        const UINT boutons = derniere ? MB_OK : MB_OKCANCEL;
        if (boitetexte(texte.c_str(), titre.adr(), boutons | MB_ICONINFORMATION) != IDOK) break;
    }
    deblocagedujeu();
    chronomactiver(true);
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
        informations();
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
        if (question(8, MB_ICONEXCLAMATION | MB_DEFBUTTON2)) {
            tooltip.virefentooltip();
            CloseWindow(window);
            fenetreduction(true);
        }
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
    case idlangue: {
        partie.parametres().langue =
            partie.parametres().langue == languefrancais ? langueanglais : languefrancais;
        textipenvoi();
        languedesboites();
        affichronocourt();
        reaffigri();
        blocagedujeu();
        chronomactiver(false);
        gstring titre;
        titreprogramme(titre);
        boitetexte(partie.parametres().langue == langueanglais ? "English"
                                                               : "Fran\xE7"
                                                                 "ais",
                   titre.adr(), MB_OK | MB_ICONINFORMATION);
        deblocagedujeu();
        chronomactiver(true);
        break;
    }
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
