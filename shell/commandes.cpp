// The button commands.
#include "shell/commandes.h"

#include "shell/boites.h"
#include "shell/boutons.h"
#include "shell/chronoaffiche.h"
#include "shell/clagdtooltip.h"
#include "shell/defilement.h"
#include "shell/etatjeu.h"
#include "shell/jeu.h"
#include "shell/miseenpage.h"
#include "shell/peinture.h"
#include "shell/selecteur.h"

#include "grid/clagrivora.h"
#include "render/gripagereglages.h"
#include "render/pageregle.h"
#include "shell/core/actionmemoire.h"
#include "shell/core/etatsauve.h"
#include "shell/core/textesvora.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <vector>

void changetaillecase(short taille, bool rentrer) {
    if (rentrer) rentrefenetre(fenetrepour(gabaritcourant(), taille));
    paramjeu.taillecase = taille;
    reaffigri();
    jeu.boutonsarafraichir = true;
    settailleprin(taille);
    jetterfond();
    grilleram.setmodaffi(grilleram.getmodaffi());
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

// What the rules pages keep of the game while they are shown: whether a grid
// was in play, its state of play, its parked undo history and the three point
// markers (reloading the grid clears them).
struct partiegardee {
    bool grille = false;
    gstring etat;
    lichavo pile;
    short position = 0;
    std::array<short, 3> marqueurs{};
};
partiegardee gardee;

void ouvrirregles(HWND window) {
    tooltip.virefentooltip();
    contraffi = 0;
    jeu.compteurcontraintes = 0;
    // Already in the rules (a repeated command): what was kept stays kept.
    if (!anymode(moderegles, 0)) {
        gardee.grille = anymode(modejeu, 0) && paramjeu.grillecourante > 0;
        if (gardee.grille) {
            chronomactiver(false);
            grilleram.getactudata(3, &gardee.etat);
            gardee.position = historique.moveto(gardee.pile);
            std::copy(std::begin(jeu.marqueurs), std::end(jeu.marqueurs), gardee.marqueurs.begin());
        }
    }
    regleouvrir();
    setmode(moderegles);
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

void quitterregles(HWND window) {
    tooltip.virefentooltip();
    liberepagesregles();
    const short g = paramjeu.grillecourante;
    if (gardee.grille && g > 0 && grillecharger(window, g, nullptr, false)) {
        restaureplateau(grilleram, niveauchoisi(paramjeu, g), gardee.etat.adr());
        grilleram.ajustepossicase();
        historique.setfrom(gardee.position, gardee.pile);
        std::copy(gardee.marqueurs.begin(), gardee.marqueurs.end(), std::begin(jeu.marqueurs));
    } else {
        setmode(modesansgrille);
        historique.clear();
    }
    gardee = partiegardee{};
    textipenvoi();
    showwinboutons(SW_SHOW);
    jeu.boutonsarafraichir = true;
    boutaffiches();
    chronomactiver(true);
    jeu.miseenpagevalide = false;
    reaffigri();
}

// The first page of the information sequence: the grid's number and level,
// its cells filled out of the total and its time.
std::string pagegrille() {
    const bool en = paramjeu.langue == langueanglais;
    const short g = paramjeu.grillecourante;
    gstring francais;
    gstring anglais;
    clagrivora::texteniv(grilleram.getniveauvoulu(), nullptr, &francais, &anglais);
    short remplies = 0;
    for (short c = 1; c <= grilleram.getnbcases(); ++c)
        if (!grilleram.casestvide(c)) ++remplies;
    gstring temps;
    paramjeu.chronos.grille(g).affiduresec(temps, en);
    std::string duree = temps.adr();
    duree.erase(0, std::min(duree.size(), duree.find_first_not_of(' ')));
    gstring t;
    std::string page;
    textemessage(t, 7, std::to_string(g).c_str(), en ? anglais.adr() : francais.adr());
    page += t.adr();
    textemessage(t, 26, std::to_string(remplies).c_str(),
                 std::to_string(grilleram.getnbcases()).c_str());
    page += std::string("\n") + t.adr();
    textemessage(t, 27, duree.c_str());
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
        refaitaction(historique, grilleram, pasdefaire);
        grilleram.ajustepossicase();
        reaffigri();
        break;
    case idrefaire:
        refaitaction(historique, grilleram, pasrefaire);
        grilleram.ajustepossicase();
        reaffigri();
        break;
    case idplus:
        changetaillecase(tailleplus(paramjeu.taillecase, taillemaxiecran()), true);
        break;
    case idmoins:
        changetaillecase(taillemoins(paramjeu.taillecase), true);
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
        if (anymode(moderegles, 0)) quitterregles(window);
        break;
    case idpageprec:
        regleprecedente();
        reaffigri();
        break;
    case idpagesuiv:
        reglesuivante();
        reaffigri();
        break;
    case idquitter:
        SendMessageA(window, WM_CLOSE, 0, 0);
        break;
    case idfixe:
        if (question(10, MB_ICONEXCLAMATION | MB_DEFBUTTON2)) {
            grilleram.retourafixe();
            grilleram.ajustepossicase();
            reaffigri();
            historique.clear();
            paramjeu.chronos.remiseazero(paramjeu.grillecourante, etatchronocourant());
        }
        break;
    case idpause:
        if (question(8, MB_ICONEXCLAMATION | MB_DEFBUTTON2)) {
            tooltip.virefentooltip();
            CloseWindow(window);
            fenetreduction(true);
        }
        break;
    case idsauver:
        if (question(11, MB_ICONQUESTION) && paramjeu.grillecourante > 0) {
            blocagedujeu();
            sauvejeu();
            deblocagedujeu();
        }
        break;
    case idlangue: {
        paramjeu.langue = paramjeu.langue == languefrancais ? langueanglais : languefrancais;
        textipenvoi();
        languedesboites();
        affichronocourt();
        reaffigri();
        blocagedujeu();
        chronomactiver(false);
        gstring titre;
        titreprogramme(titre);
        boitetexte(paramjeu.langue == langueanglais ? "English"
                                                    : "Fran\xE7"
                                                      "ais",
                   titre.adr(), MB_OK | MB_ICONINFORMATION);
        deblocagedujeu();
        chronomactiver(true);
        break;
    }
    default:
        break;
    }
}

} // namespace

void commande(HWND window, short id) {
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
    if (!anymode(moderegles, 0)) return false;
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
        regleouvrir();
        reaffigri();
        return true;
    case VK_END:
        regledernierepage();
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
