// The new grid's controller: picker, job, indicator, cancelling.
#include "shell/pilotenouvelle.h"

#include "shell/idcommandes.h"
#include "shell/jeu.h"
#include "shell/miseenpage.h"
#include "shell/pilotemenu.h"

#include "grid/generation/formes.h"
#include "grid/generation/generegrille.h"
#include "grid/generation/grilleforme.h"
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

std::string texte(const claappli& a, const std::string& cle) {
    const bool en = a.partie.parametres().langue == langueanglais;
    gstring t;
    textevora(t, (cle + (en ? ".en" : ".fr")).c_str());
    return t.adr();
}

// text with "zukv" replaced by s.
std::string avec(std::string text, const std::string& s) {
    const auto i = text.find("zukv");
    if (i != std::string::npos) text.replace(i, 4, s);
    return text;
}

bool nouvelleenjeu(const claappli& a) {
    const claparamuser& p = a.partie.parametres();
    return a.anymode(modeappli::jeu) && p.nouvelle.presente() &&
           p.grillecourante == p.numeronouvelle();
}

// The description of the grid in play's shape: its own for a generated grid,
// else its hexagons' centres.
std::string formeenjeu(const claappli& a) {
    if (nouvelleenjeu(a)) return a.partie.parametres().nouvelle.forme;
    std::vector<std::string> centres;
    const lichavo& hexas = a.partie.grille().gethexas();
    for (short h = 1; h <= hexas.effectif(); ++h) centres.emplace_back(hexas.adr(h));
    return grillegen::descriptiondescentres(centres);
}

// Whether the play window of the shape's grid, at the cell size it will be
// shown at, fits the screen's work area.
bool tientalecran(const claappli& a, const std::vector<solver::latpoint>& centres) {
    clagrivora g;
    grillegen::grilledescentres(centres, g);
    g.settaillepix(a.partie.parametres().taillecase, 0);
    const gabaritfenetre gabarit = gabaritdelagrille(a, g);
    const SIZE s = fenetrepour(gabarit, tailleaffichee(a, gabarit));
    const RECT z = zonetravail();
    return s.cx <= z.right - z.left && s.cy <= z.bottom - z.top;
}

// The shape of the grid in play, then each family at the sizes whose window
// fits the screen.
void ouvreformes(claappli& a) {
    std::vector<lignemenu> l;
    if (a.anymode(modeappli::jeu) && a.partie.grille().gethexas().effectif() > 0 &&
        grillegen::formegenerable(formeenjeu(a)))
        l.push_back({idnouvelleforme, texte(a, "nouvelle.formeenjeu")});
    for (short i = 0; i < nbformes; ++i) {
        std::vector<solver::latpoint> centres;
        grillegen::centresdelaforme(formesoffertes[i], centres);
        if (!tientalecran(a, centres)) continue;
        std::string ligne = avec(texte(a, "nouvelle.forme"), std::to_string(centres.size()));
        const auto w = ligne.find("zukw");
        if (w != std::string::npos)
            ligne.replace(
                w, 4, nomforme(formesoffertes[i], a.partie.parametres().langue == langueanglais));
        l.push_back({static_cast<short>(idnouvelleforme + 1 + i), ligne});
    }
    ouvremenu(a, coincolonne(a), std::move(l));
}

void ouvreniveaux(claappli& a) {
    std::vector<lignemenu> l;
    const bool en = a.partie.parametres().langue == langueanglais;
    for (short n = 1; n <= 7; ++n) {
        gstring francais;
        gstring anglais;
        clagrivora::texteniv(n, nullptr, &francais, &anglais);
        l.push_back(
            {static_cast<short>(idnouvelleniveau + n), en ? anglais.adr() : francais.adr()});
    }
    ouvremenu(a, coincolonne(a), std::move(l));
}

// The grid of the shape chosen at that level: asked of the game (its
// question, if any, was asked before the picker), then made beside it.
void lance(claappli& a, short niveau) {
    if (a.formechoisie.empty()) return;
    const bilaneffets b = appliquer(a, a.partie.demandenouvelle(a.formechoisie, niveau));
    if (!b.generer) return;
    annulenouvelle(a);
    if (!a.tache.lance(b.generer->forme, b.generer->niveau, std::random_device{}())) {
        a.bipsrefus();
        return;
    }
    SetTimer(a.fenetre, timernouvelle, 50, nullptr);
}

void cacheindicateur(claappli& a) {
    if (a.indicateur && a.menu.ouvert()) a.menu.ferme();
    a.indicateur = false;
}

} // namespace

std::vector<lignemenu> lignesnouvelle(const claappli& a) {
    std::vector<lignemenu> l{{idnouvelle, texte(a, "nouvelle.menu")}};
    const claparamuser& p = a.partie.parametres();
    if (p.nouvelle.presente() && !nouvelleenjeu(a)) {
        // A shape given by its centres is named by its first words only.
        std::string forme = nomforme(p.nouvelle.forme, p.langue == langueanglais);
        if (forme.size() > 24) forme = forme.substr(0, 20) + "...";
        l.push_back({idnouvelleretour, avec(texte(a, "nouvelle.retour"), forme)});
    }
    return l;
}

bool commandenouvelle(claappli& a, short id) {
    const bool permis = a.anymode(modeappli::jeu, modeappli::sansgrille);
    if (id == idnouvelle) {
        if (permis && appliquer(a, a.partie.demandechoixnouvelle()).choixnouvelle) ouvreformes(a);
    } else if (id == idnouvelleretour) {
        const short n = a.partie.parametres().numeronouvelle();
        if (permis && a.partie.parametres().nouvelle.presente() &&
            grillecharger(a, n, nullptr, false))
            a.reaffigri();
    } else if (id == idnouvelleannule) {
        annulenouvelle(a);
    } else if (id >= idnouvelleforme && id <= idnouvelleforme + nbformes) {
        if (!permis) return true;
        const short i = static_cast<short>(id - idnouvelleforme);
        a.formechoisie = i == 0 ? formeenjeu(a) : formesoffertes[i - 1];
        ouvreniveaux(a);
    } else if (id > idnouvelleniveau && id <= idnouvelleniveau + 7) {
        if (permis) lance(a, static_cast<short>(id - idnouvelleniveau));
    } else {
        return false;
    }
    return true;
}

void surveillenouvelle(claappli& a) {
    if (!a.tache.encours()) {
        KillTimer(a.fenetre, timernouvelle);
        cacheindicateur(a);
        return;
    }
    // A question waits for its answer: the grid is taken after it.
    if (a.tache.prete() && a.verrousboutons == 0 && !a.anymode(modeappli::regles)) {
        KillTimer(a.fenetre, timernouvelle);
        cacheindicateur(a);
        const auto puzzle = a.tache.recupere();
        if (!puzzle) return;
        if (appliquer(a, a.partie.prendnouvelle(a.tache.description(), a.tache.graine(),
                                                a.tache.niveau(), *puzzle))
                .chargee)
            a.reaffigri();
        a.chronomevaluer();
        return;
    }
    if (!a.indicateur && !a.menu.ouvert() && a.tache.duree() >= std::chrono::milliseconds(200)) {
        ouvremenu(a, coincolonne(a), {{idnouvelleannule, texte(a, "nouvelle.encours")}});
        a.indicateur = true;
    }
}

bool touchenouvelle(claappli& a, WPARAM touche) {
    if (touche != VK_ESCAPE || !a.tache.encours()) return false;
    annulenouvelle(a);
    return true;
}

void annulenouvelle(claappli& a) {
    a.tache.annule();
    if (a.fenetre != nullptr) KillTimer(a.fenetre, timernouvelle);
    cacheindicateur(a);
}
