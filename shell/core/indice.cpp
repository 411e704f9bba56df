// The hint of the solver library turned into what the player sees: the
// cells to highlight and the sentences that name them.
#include "shell/core/indice.h"

#include "shell/core/paramuser.h"
#include "shell/core/textesvora.h"

#include "grid/solver/hint.h"

#include <algorithm>

namespace {

std::string remplace(std::string t, const char* marque, const std::string& par) {
    const std::string m = marque;
    for (auto i = t.find(m); i != std::string::npos; i = t.find(m, i + par.size()))
        t.replace(i, m.size(), par);
    return t;
}

// "1, 2, 4 and 6" from a mask of values.
std::string listevaleurs(unsigned masque, short langue) {
    std::vector<int> v;
    for (int i = 1; i <= 6; ++i)
        if ((masque & solver::value_bit(i)) != 0) v.push_back(i);
    std::string t;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (i > 0)
            t += i + 1 == v.size() ? " " + texteaide("aide.et", langue) + " " : std::string(", ");
        t += std::to_string(v[i]);
    }
    return t;
}

void ajoute(std::vector<short>& cases, int cellule) {
    const auto c = static_cast<short>(cellule + 1);
    if (cellule >= 0 && std::find(cases.begin(), cases.end(), c) == cases.end()) cases.push_back(c);
}

void ajoutegroupe(std::vector<short>& cases, const solver::shape& s, int g) {
    if (g < 0) return;
    for (int c : s.group_cells(g)) ajoute(cases, c);
}

// The sentence of one elimination, its cells added to the picture.
std::string phraseelimination(const solver::elimination& e, const solver::shape& s, short langue,
                              indicejeu& out) {
    const std::string valeurs = listevaleurs(e.values, langue);
    switch (e.kind) {
    case solver::elimination_kind::intersection:
        ajoutegroupe(out.ombrees, s, e.group);
        for (int c : e.cells) ajoute(out.surlignees, c);
        return texteaide("aide.intersection", langue, valeurs);
    case solver::elimination_kind::naked_subset:
        for (int c : e.cells) ajoute(out.surlignees, c);
        return texteaide("aide.ensemble", langue, valeurs);
    case solver::elimination_kind::hidden_subset:
        ajoutegroupe(out.ombrees, s, e.group);
        for (int c : e.cells) ajoute(out.surlignees, c);
        return texteaide("aide.cachees", langue, valeurs);
    case solver::elimination_kind::contradiction:
        out.encadree = static_cast<short>(e.cells.front() + 1);
        if (e.emptied >= 0) {
            ajoute(out.surlignees, e.emptied);
            return texteaide("aide.absurde.vide", langue, valeurs);
        }
        ajoutegroupe(out.ombrees, s, e.starved_group);
        return texteaide("aide.absurde.place", langue, valeurs, std::to_string(e.starved_value));
    }
    return {};
}

} // namespace

std::string texteaide(const char* key, short langue, const std::string& p1, const std::string& p2) {
    gstring t;
    textevora(t, (std::string(key) + (langue == langueanglais ? ".en" : ".fr")).c_str());
    return remplace(remplace(t.adr(), "zukv", p1), "zukw", p2);
}

indicejeu chercheindice(const clagrivora& g, const solver::shape& s, short langue) {
    indicejeu out;
    solver::cellvalues plateau(static_cast<std::size_t>(s.cell_count()), 0);
    for (short c = 1; c <= g.getnbcases() && c <= s.cell_count(); ++c) {
        const short v = g.getcaseval(c);
        if (v >= 1 && v <= 6)
            plateau[static_cast<std::size_t>(c - 1)] = static_cast<std::uint8_t>(v);
    }
    const solver::hint h = solver::next_hint(s, plateau);
    if (!h.found) {
        out.texte = texteaide("aide.rien", langue);
        return out;
    }
    out.trouve = true;
    out.cible = static_cast<short>(h.cell + 1);
    out.valeur = static_cast<short>(h.value);
    const std::string valeur = std::to_string(h.value);
    for (const solver::elimination& e : h.before)
        out.texte += phraseelimination(e, s, langue, out) + " ";
    if (h.technique == solver::hint_technique::hidden_single) {
        ajoutegroupe(out.ombrees, s, h.group);
        out.texte += texteaide(h.before.empty() ? "aide.cache" : "aide.puis.cache", langue, valeur);
        if (!h.witnesses.empty()) out.texte += " " + texteaide("aide.temoins", langue, valeur);
        for (int w : h.witnesses) ajoute(out.surlignees, w);
    } else if (out.encadree == out.cible && h.before.size() == 1) {
        out.texte += texteaide("aide.donc", langue, valeur);
    } else if (h.before.empty()) {
        for (int w : h.witnesses) ajoute(out.surlignees, w);
        unsigned autour = 0;
        for (int w : h.witnesses) autour |= solver::value_bit(plateau[static_cast<std::size_t>(w)]);
        out.texte += texteaide("aide.seul", langue, listevaleurs(autour, langue), valeur);
    } else {
        out.texte += texteaide("aide.puis.seul", langue, valeur);
    }
    std::erase(out.ombrees, out.cible);
    std::erase(out.surlignees, out.cible);
    return out;
}

std::vector<short> entreesfausses(const clagrivora& g, const std::vector<short>& solution) {
    std::vector<short> fausses;
    for (short c = 1; c <= g.getnbcases() && c <= static_cast<short>(solution.size()); ++c) {
        const short v = g.getcaseval(c);
        if (v >= 1 && v <= 6 && !g.casestfixe(c) && v != solution[static_cast<std::size_t>(c - 1)])
            fausses.push_back(c);
    }
    return fausses;
}

short candidatsdelacase(const clagrivora& g, short cell) {
    if (cell < 1 || cell > g.getnbcases() || !g.casestvide(cell)) return 0;
    unsigned libres = solver::all_values;
    for (short i = 0; i < 12; ++i) {
        const short v = g.getcaseval(g.casevoisine(cell, i));
        if (v >= 1 && v <= 6) libres &= ~unsigned{solver::value_bit(v)};
    }
    return static_cast<short>(libres);
}
