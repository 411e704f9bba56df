// How many cells hold each value in a grid's solution, through the solver.
#include "shell/core/totauxsolution.h"

#include "grid/generation/grilleforme.h"
#include "grid/solver/solver.h"
#include "lattice/catalogue/grillecatalogue.h"

namespace {

// A bound on the search: the grids of the game take a few hundred nodes from
// their easiest level's givens; a damaged or huge definition must not hold
// the window.
constexpr long noeudsmax = 200000;

} // namespace

std::optional<std::array<short, 7>> totauxsolution(const char* nom) {
    clagrivora g;
    if (nom == nullptr || grilleload(0, &g, nom) == 0) return std::nullopt;
    return totauxsolution(g);
}

std::optional<std::array<short, 7>> totauxsolution(clagrivora& g) {
    if (g.getnbcases() <= 0) return std::nullopt;
    const solver::shape forme = grillegen::formedelagrille(g);
    const solver::cellvalues donnees = grillegen::donneesauseuil(g, 1);
    const solver::solve_result r = solver::solve(forme, donnees, 1, noeudsmax);
    if (r.solutions != 1 || r.first.size() != static_cast<size_t>(g.getnbcases()))
        return std::nullopt;
    std::array<short, 7> n{};
    for (const std::uint8_t v : r.first)
        if (v >= 1 && v <= 6) ++n[v];
    return n;
}
