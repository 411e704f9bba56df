// The solution of the grid in play: searched by the solver, or taken from the
// generator by cell names.
#include "shell/core/solutiongrille.h"

#include "grid/generation/formes.h"
#include "grid/generation/grilleforme.h"
#include "grid/solver/solver.h"

namespace {

// A bound on the search: the grids of the game take a few hundred nodes from
// their definition's values; a damaged or huge definition must not hold the
// window.
constexpr long noeudsmax = 200000;

std::vector<short> cherchee(const solver::shape& forme, clagrivora& g) {
    const solver::solve_result r =
        solver::solve(forme, grillegen::donneesauseuil(g, 0), 2, noeudsmax);
    if (r.solutions != 1 || r.first.size() != static_cast<size_t>(g.getnbcases())) return {};
    return std::vector<short>(r.first.begin(), r.first.end());
}

// The generator's filling put on g's cells by name; empty when it does not
// fit g.
std::vector<short> parnoms(clagrivora& g, const std::string& description,
                           const solver::cellvalues& generee) {
    std::vector<solver::latpoint> centres;
    if (!grillegen::centresdelaforme(description, centres)) return {};
    clagrivora f;
    grillegen::grilledescentres(centres, f);
    if (f.getnbcases() != g.getnbcases() || generee.size() != static_cast<size_t>(f.getnbcases()))
        return {};
    std::vector<short> valeurs(static_cast<size_t>(g.getnbcases()), 0);
    for (short c = 1; c <= f.getnbcases(); ++c) {
        const short k = g.numerodelacase(f.getcases().adr(c));
        const auto v = static_cast<short>(generee[static_cast<size_t>(c - 1)]);
        if (k < 1 || v < 1 || v > 6 || valeurs[static_cast<size_t>(k - 1)] != 0) return {};
        valeurs[static_cast<size_t>(k - 1)] = v;
    }
    const solver::cellvalues donnees = grillegen::donneesauseuil(g, 0);
    for (size_t i = 0; i < valeurs.size(); ++i)
        if (donnees[i] != 0 && donnees[i] != valeurs[i]) return {};
    return valeurs;
}

} // namespace

solutiongrille solutiondelagrille(clagrivora& g) {
    solutiongrille s;
    if (g.getnbcases() <= 0) return s;
    s.forme = grillegen::formedelagrille(g);
    s.valeurs = cherchee(s.forme, g);
    return s;
}

solutiongrille solutiondelagrille(clagrivora& g, const std::string& description,
                                  const solver::cellvalues& generee) {
    solutiongrille s;
    if (g.getnbcases() <= 0) return s;
    s.forme = grillegen::formedelagrille(g);
    s.valeurs = parnoms(g, description, generee);
    if (s.valeurs.empty()) s.valeurs = cherchee(s.forme, g);
    return s;
}

std::optional<std::array<short, 7>> totauxsolution(const std::vector<short>& solution) {
    if (solution.empty()) return std::nullopt;
    std::array<short, 7> n{};
    for (const short v : solution)
        if (v >= 1 && v <= 6) ++n[static_cast<size_t>(v)];
    return n;
}
