// From the game's grid model to the solver's shape and back to definition
// texts.
#include "grid/generation/grilleforme.h"

#include <string>

#include "grid/generation/formes.h"
#include "lattice/clagridefiligne.h"
#include "lattice/topoitem.h"

#include "foundation/depile.h"
#include "foundation/gstring.h"

namespace grillegen {

namespace {

constexpr short codes[] = {120, 100, 95, 90, 85, 80, 75};
constexpr size_t longueurtexte = 80;

// The short form of the line giving value v and state letter etat to the
// grid's cell c.
std::string lignedecase(const clagrivora& g, short c, int v, char etat) {
    std::string nom = g.getcases().adr(c);
    const size_t deuxpoints = nom.find(':');
    const bool ab = clagrivora::triaplat(nom.c_str());
    std::string texte = nom.substr(0, deuxpoints);
    texte += ab ? 'W' : 'V';
    texte += static_cast<char>('O' + v);
    texte += etat;
    clagridefiligne ligne;
    ligne.setfromlignecond(texte.c_str());
    gstring court;
    ligne.givelignecourt(&court);
    return court.adr();
}

// Append words to texts, each text starting with tete and kept short.
void regroupe(const std::string& tete, const std::vector<std::string>& mots, lichavo* textes) {
    std::string texte;
    for (const std::string& mot : mots) {
        if (!texte.empty() && texte.size() + mot.size() + 1 > longueurtexte) {
            textes->padd(texte.c_str());
            texte.clear();
        }
        if (texte.empty()) texte = tete;
        if (!texte.empty()) texte += ',';
        texte += mot;
    }
    if (!texte.empty()) textes->padd(texte.c_str());
}

} // namespace

solver::shape formedelagrille(clagrivora& g) {
    g.fautunetabledescases();
    g.fautunelivopoint();
    std::vector<std::vector<int>> groupes;
    gstring autour;
    gstring nom;
    const lichavo& points = g.getpoints();
    for (short i = 1; i <= points.effectif(); ++i) {
        topocasespotcethexa(&autour, points.adr(i));
        std::vector<int> groupe;
        while (autour.notempty()) {
            depilemot(nom, autour.adr());
            const short c = g.numerodelacase(nom.adr());
            if (c > 0) groupe.push_back(c - 1);
        }
        groupes.push_back(std::move(groupe));
    }
    return solver::shape(g.getnbcases(), groupes);
}

solver::cellvalues donneesauseuil(clagrivora& g, short seuil) {
    g.fautvalfixentables();
    solver::cellvalues donnees(static_cast<size_t>(g.getnbcases()), 0);
    for (short c = 1; c <= g.getnbcases(); ++c) {
        if (g.getvaldef(c) > 0 && g.getnidef(c) >= seuil) {
            donnees[static_cast<size_t>(c - 1)] = static_cast<std::uint8_t>(g.getvaldef(c));
        }
    }
    return donnees;
}

void grilledescentres(const std::vector<solver::latpoint>& centres, clagrivora& g) {
    lichavo lignes;
    for (const solver::latpoint p : centres) lignes.padd("X", chemindupoint(p).c_str());
    g.setfromgrivecdef(&lignes);
}

void textesgroupes(clagrivora& g, const solver::generated_puzzle& p, lichavo* textes) {
    std::vector<std::string> hexagones;
    clavochemin chemin;
    gstring compact;
    const lichavo& hexas = g.gethexas();
    for (short h = 1; h <= hexas.effectif(); ++h) {
        chemin.setchemin(hexas.adr(h));
        chemin.givecompacte(&compact);
        hexagones.push_back(std::string("X") + compact.adr());
    }
    regroupe("", hexagones, textes);
    for (const short code : codes) {
        std::vector<std::string> lignes;
        for (short c = 1; c <= g.getnbcases(); ++c) {
            const auto i = static_cast<size_t>(c - 1);
            if (i < p.codes.size() && p.codes[i] == code) {
                lignes.push_back(lignedecase(g, c, p.solution[i], 'K'));
            }
        }
        regroupe("%" + std::to_string(code), lignes, textes);
    }
}

void textessolution(clagrivora& g, const solver::cellvalues& valeurs, lichavo* textes) {
    std::vector<std::string> lignes;
    for (short c = 1; c <= g.getnbcases(); ++c) {
        const auto i = static_cast<size_t>(c - 1);
        if (i < valeurs.size() && valeurs[i] > 0)
            lignes.push_back(lignedecase(g, c, valeurs[i], 'J'));
    }
    regroupe("", lignes, textes);
}

} // namespace grillegen
