// The hint of the solver library turned into what the player sees: each
// deduction in three stages, their sentences and the cells they name.
#include "shell/core/indice.h"

#include "shell/core/paramuser.h"
#include "shell/core/textesvora.h"

#include "grid/solver/hint.h"
#include "lattice/topoitem.h"

#include "foundation/depile.h"

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

std::vector<short> cellules(const std::vector<int>& liste) {
    std::vector<short> cases;
    for (int c : liste) ajoute(cases, c);
    return cases;
}

std::vector<short> groupe(const solver::shape& s, int g) {
    std::vector<short> cases;
    if (g >= 0)
        for (int c : s.group_cells(g)) ajoute(cases, c);
    return cases;
}

// The lattice point (index in g's points) whose corner-sharing cells are
// group gr of s; 0 when none is.
short coindugroupe(const clagrivora& g, const solver::shape& s, int gr) {
    if (gr < 0) return 0;
    const std::vector<short> voulues = groupe(s, gr);
    const lichavo& points = g.getpoints();
    gstring autour;
    gstring nom;
    for (short i = 1; i <= points.effectif(); ++i) {
        topocasespotcethexa(&autour, points.adr(i));
        std::vector<short> ici;
        while (autour.notempty()) {
            depilemot(nom, autour.adr());
            const short c = g.numerodelacase(nom.adr());
            if (c > 0) ici.push_back(c);
        }
        std::sort(ici.begin(), ici.end());
        if (ici == voulues) return i;
    }
    return 0;
}

// The cells holding value v that share a corner with one of cases (not in
// cases themselves).
std::vector<short> tenantes(const clagrivora& g, const std::vector<short>& cases, short v) {
    std::vector<short> t;
    for (short c : cases)
        for (short i = 0; i < 12; ++i) {
            const short n = g.casevoisine(c, i);
            if (n > 0 && g.getcaseval(n) == v && std::find(t.begin(), t.end(), n) == t.end()) {
                t.push_back(n);
                break;
            }
        }
    return t;
}

// The three stages of one deduction: stage 1's sentence ends with the key's
// next step, stage 3's with suite3.
void troisetapes(indicejeu& out, etapeindice ou, etapeindice pourquoi, etapeindice quoi,
                 const std::string& suite3, short langue) {
    ou.texte += "\n" + texteaide("aide.1.suite", langue);
    quoi.texte += "\n" + suite3;
    out.etapes.push_back(std::move(ou));
    out.etapes.push_back(std::move(pourquoi));
    out.etapes.push_back(std::move(quoi));
}

// One elimination's stages.
void elimination(indicejeu& out, const solver::elimination& e, const clagrivora& g,
                 const solver::shape& s, short langue) {
    const std::string valeurs = listevaleurs(e.values, langue);
    const std::string suite = texteaide("aide.3.suite", langue);
    etapeindice ou;
    etapeindice pourquoi;
    etapeindice quoi;
    const bool paire = solver::value_count(e.values) == 2;
    switch (e.kind) {
    case solver::elimination_kind::intersection: {
        ou.ombrees = groupe(s, e.group);
        ou.texte = texteaide("aide.1.intersection", langue);
        pourquoi.ombrees = ou.ombrees;
        pourquoi.possibles = cellules(e.cells);
        pourquoi.coin = coindugroupe(g, s, e.other);
        std::vector<short> autres;
        for (short c : ou.ombrees)
            if (g.casestvide(c) && std::find(pourquoi.possibles.begin(), pourquoi.possibles.end(),
                                             c) == pourquoi.possibles.end())
                autres.push_back(c);
        pourquoi.tiennent = tenantes(g, autres, static_cast<short>(solver::lowest_value(e.values)));
        pourquoi.texte = texteaide(pourquoi.tiennent.empty() ? "aide.2.intersection"
                                                             : "aide.2.intersection.tient",
                                   langue, valeurs);
        quoi.coin = pourquoi.coin;
        quoi.retirees = cellules(e.removed_from);
        quoi.texte = texteaide("aide.3.intersection", langue, valeurs);
        break;
    }
    case solver::elimination_kind::naked_subset:
        ou.coin = coindugroupe(g, s, e.group);
        ou.texte = texteaide(paire ? "aide.1.paire" : "aide.1.trio", langue);
        pourquoi.coin = ou.coin;
        pourquoi.possibles = cellules(e.cells);
        pourquoi.texte = texteaide("aide.2.ensemble", langue, valeurs);
        quoi.coin = ou.coin;
        quoi.retirees = cellules(e.removed_from);
        quoi.texte = texteaide("aide.3.ensemble", langue);
        break;
    case solver::elimination_kind::hidden_subset:
        ou.ombrees = groupe(s, e.group);
        ou.texte = texteaide(paire ? "aide.1.paire.cachee" : "aide.1.trio.cachee", langue);
        pourquoi.ombrees = ou.ombrees;
        pourquoi.possibles = cellules(e.cells);
        pourquoi.texte = texteaide("aide.2.cachees", langue, valeurs);
        quoi.ombrees = ou.ombrees;
        quoi.retirees = cellules(e.removed_from);
        quoi.texte = texteaide("aide.3.cachees", langue);
        break;
    case solver::elimination_kind::contradiction:
        ou.encadree = static_cast<short>(e.cells.front() + 1);
        ou.texte = texteaide("aide.1.absurde", langue);
        pourquoi.encadree = ou.encadree;
        if (e.emptied >= 0) {
            ajoute(pourquoi.possibles, e.emptied);
            pourquoi.texte = texteaide("aide.2.absurde.vide", langue, valeurs);
        } else {
            pourquoi.ombrees = groupe(s, e.starved_group);
            pourquoi.texte =
                texteaide("aide.2.absurde.place", langue, valeurs, std::to_string(e.starved_value));
        }
        quoi.retirees = {ou.encadree};
        quoi.texte = texteaide("aide.3.absurde", langue, valeurs);
        break;
    }
    troisetapes(out, std::move(ou), std::move(pourquoi), std::move(quoi), suite, langue);
}

// The placement's stages, after the eliminations (avant) that led to it.
void placement(indicejeu& out, const solver::hint& h, const clagrivora& g, const solver::shape& s,
               short langue) {
    const std::string valeur = std::to_string(h.value);
    const std::vector<short> temoins = cellules(h.witnesses);
    etapeindice ou;
    etapeindice pourquoi;
    etapeindice quoi;
    quoi.cible = out.cible;
    quoi.texte = texteaide("aide.3.pose", langue, valeur);
    if (h.technique == solver::hint_technique::hidden_single) {
        ou.ombrees = groupe(s, h.group);
        ou.texte = texteaide("aide.1.cache", langue);
        pourquoi.ombrees = ou.ombrees;
        pourquoi.tiennent = temoins;
        pourquoi.possibles = {out.cible};
        pourquoi.texte =
            texteaide(temoins.empty() ? "aide.2.cache.seul" : "aide.2.cache", langue, valeur);
        quoi.ombrees = ou.ombrees;
    } else {
        ou.encadree = out.cible;
        ou.texte = texteaide("aide.1.seul", langue);
        pourquoi.encadree = out.cible;
        pourquoi.tiennent = temoins;
        unsigned autour = 0;
        for (short w : temoins) autour |= solver::value_bit(g.getcaseval(w));
        const char* cle = temoins.empty()    ? "aide.2.apres"
                          : h.before.empty() ? "aide.2.seul"
                                             : "aide.2.seul.puis";
        pourquoi.texte = texteaide(cle, langue, listevaleurs(autour, langue));
    }
    troisetapes(out, std::move(ou), std::move(pourquoi), std::move(quoi),
                texteaide("aide.poser", langue), langue);
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
    for (const solver::elimination& e : h.before) elimination(out, e, g, s, langue);
    placement(out, h, g, s, langue);
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
