// New grids in the main window: picker, job, indicator, cancelling.
#include "shell/nouvelle.h"

#include "shell/boites.h"
#include "shell/etatjeu.h"
#include "shell/jeu.h"
#include "shell/miseenpage.h"

#include "grid/generation/formes.h"
#include "grid/generation/generegrille.h"
#include "grid/generation/grilleforme.h"
#include "shell/core/nouvelletache.h"
#include "shell/core/textesvora.h"

#include <chrono>
#include <iterator>
#include <random>
#include <string>
#include <utility>

namespace {

// The shapes that may be offered, each family's sizes in increasing order (at
// most 96 cells, as the largest catalogue grid).
constexpr const char* formesoffertes[] = {"compact 2", "compact 3", "triangle 5", "triangle 6",
                                          "ring 2",    "ring 3",    "strip 6 3",  "strip 8 4",
                                          "arms 2",    "arms 3"};
constexpr short nbformes = static_cast<short>(std::size(formesoffertes));

clanouvelletache tache;
std::string formechoisie;
bool indicateur = false;

std::string texte(const std::string& cle) {
    const bool en = partie.parametres().langue == langueanglais;
    gstring t;
    textevora(t, (cle + (en ? ".en" : ".fr")).c_str());
    return t.adr();
}

// text with "zukv" replaced by a.
std::string avec(std::string text, const std::string& a) {
    const auto i = text.find("zukv");
    if (i != std::string::npos) text.replace(i, 4, a);
    return text;
}

bool nouvelleenjeu() {
    const claparamuser& p = partie.parametres();
    return anymode(modeappli::jeu) && p.nouvelle.presente() &&
           p.grillecourante == p.numeronouvelle();
}

// The description of the grid in play's shape: its own for a generated grid,
// else its hexagons' centres.
std::string formeenjeu() {
    if (nouvelleenjeu()) return partie.parametres().nouvelle.forme;
    std::vector<std::string> centres;
    const lichavo& hexas = partie.grille().gethexas();
    for (short h = 1; h <= hexas.effectif(); ++h) centres.emplace_back(hexas.adr(h));
    return grillegen::descriptiondescentres(centres);
}

POINT coincolonne(HWND window) {
    POINT p{dispositionjeu::L, 40};
    ClientToScreen(window, &p);
    return p;
}

// Whether the play window of the shape's grid, at the cell size in force,
// fits the screen's work area.
bool tientalecran(const std::vector<solver::latpoint>& centres) {
    clagrivora g;
    grillegen::grilledescentres(centres, g);
    const short taille = partie.parametres().taillecase;
    g.settaillepix(taille, 0);
    const SIZE s = fenetrepour(gabaritdelagrille(g), taille);
    const RECT z = zonetravail();
    return s.cx <= z.right - z.left && s.cy <= z.bottom - z.top;
}

// The family of a description: its first word.
std::string famille(const char* forme) {
    const std::string f = forme;
    return f.substr(0, f.find(' '));
}

// The shape of the grid in play, then each family at the sizes whose window
// fits the screen (the smallest size of a family when none does).
void ouvreformes(HWND window) {
    std::vector<lignemenu> l;
    if (anymode(modeappli::jeu) && partie.grille().gethexas().effectif() > 0 &&
        grillegen::formegenerable(formeenjeu()))
        l.push_back({idnouvelleforme, texte("nouvelle.formeenjeu")});
    for (short i = 0; i < nbformes; ++i) {
        std::vector<solver::latpoint> centres;
        grillegen::centresdelaforme(formesoffertes[i], centres);
        const bool premiere =
            i == 0 || famille(formesoffertes[i - 1]) != famille(formesoffertes[i]);
        if (!premiere && !tientalecran(centres)) continue;
        l.push_back({static_cast<short>(idnouvelleforme + 1 + i),
                     std::string(formesoffertes[i]) + " " +
                         avec(texte("nouvelle.forme"), std::to_string(centres.size()))});
    }
    ouvrelignes(window, coincolonne(window), std::move(l));
}

void ouvreniveaux(HWND window) {
    std::vector<lignemenu> l;
    const bool en = partie.parametres().langue == langueanglais;
    for (short n = 1; n <= 7; ++n) {
        gstring francais;
        gstring anglais;
        clagrivora::texteniv(n, nullptr, &francais, &anglais);
        l.push_back(
            {static_cast<short>(idnouvelleniveau + n), en ? anglais.adr() : francais.adr()});
    }
    ouvrelignes(window, coincolonne(window), std::move(l));
}

// A yes or no in a box of its own, the game locked and its time stopped.
bool oui(const std::string& question) {
    gstring titre;
    titreprogramme(titre);
    blocagedujeu();
    chronomactiver(false);
    const bool r = boitetexte(question.c_str(), titre.adr(),
                              MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
    deblocagedujeu();
    chronomactiver(true);
    return r;
}

void lance(HWND window, short niveau) {
    if (formechoisie.empty()) return;
    if (partie.nouvelleentamee() && !oui(texte("nouvelle.remplace"))) return;
    annulenouvelle();
    if (!tache.lance(formechoisie, niveau, std::random_device{}())) {
        bipsrefus();
        return;
    }
    SetTimer(window, timernouvelle, 50, nullptr);
}

void cacheindicateur() {
    if (indicateur && menuouvert()) fermemenu();
    indicateur = false;
}

} // namespace

std::vector<lignemenu> lignesnouvelle() {
    std::vector<lignemenu> l{{idnouvelle, texte("nouvelle.menu")}};
    if (partie.parametres().nouvelle.presente() && !nouvelleenjeu()) {
        // A shape given by its centres is named by its first words only.
        std::string forme = partie.parametres().nouvelle.forme;
        if (forme.size() > 24) forme = forme.substr(0, 20) + "...";
        l.push_back({idnouvelleretour, avec(texte("nouvelle.retour"), forme)});
    }
    return l;
}

bool commandenouvelle(HWND window, short id) {
    const bool permis = anymode(modeappli::jeu, modeappli::sansgrille);
    if (id == idnouvelle) {
        if (permis) ouvreformes(window);
    } else if (id == idnouvelleretour) {
        const short n = partie.parametres().numeronouvelle();
        if (permis && partie.parametres().nouvelle.presente() &&
            grillecharger(window, n, nullptr, false))
            reaffigri();
    } else if (id == idnouvelleannule) {
        annulenouvelle();
    } else if (id >= idnouvelleforme && id <= idnouvelleforme + nbformes) {
        if (!permis) return true;
        const short i = static_cast<short>(id - idnouvelleforme);
        formechoisie = i == 0 ? formeenjeu() : formesoffertes[i - 1];
        ouvreniveaux(window);
    } else if (id > idnouvelleniveau && id <= idnouvelleniveau + 7) {
        if (permis) lance(window, static_cast<short>(id - idnouvelleniveau));
    } else {
        return false;
    }
    return true;
}

void surveillenouvelle(HWND window) {
    if (!tache.encours()) {
        KillTimer(window, timernouvelle);
        cacheindicateur();
        return;
    }
    // A question waits for its answer: the grid is taken after it.
    if (tache.prete() && jeu.verrousboutons == 0 && !anymode(modeappli::regles)) {
        KillTimer(window, timernouvelle);
        cacheindicateur();
        const auto puzzle = tache.recupere();
        grillegen::grillegeneree g;
        if (!puzzle || !grillegen::textesdelagrille(tache.description(), *puzzle, g)) return;
        grillenouvelle n{tache.description(), tache.graine(), tache.niveau(), std::move(g.textes)};
        if (appliquer(partie.prendnouvelle(std::move(n))).chargee) reaffigri();
        chronomevaluer();
        return;
    }
    if (!indicateur && !menuouvert() && tache.duree() >= std::chrono::milliseconds(200)) {
        ouvrelignes(window, coincolonne(window), {{idnouvelleannule, texte("nouvelle.encours")}});
        indicateur = true;
    }
}

bool touchenouvelle(WPARAM touche) {
    if (touche != VK_ESCAPE || !tache.encours()) return false;
    annulenouvelle();
    return true;
}

void annulenouvelle() {
    tache.annule();
    if (jeu.fenetre != nullptr) KillTimer(jeu.fenetre, timernouvelle);
    cacheindicateur();
}
