// The time of a hint as the game gives one (the check of the entries against
// the solution worked out at load, then the next deduction) on the largest catalogue grid at
// level 7, at every step of its solving by hints: the median and the worst
// step, in milliseconds (counters median_ms and worst_ms).
#include <benchmark/benchmark.h>

#include "shell/core/indice.h"
#include "shell/core/paramuser.h"
#include "shell/core/solutiongrille.h"

#include "grid/generation/grilleforme.h"
#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

void BM_HintLargestGridLevel7(benchmark::State& state) {
    globinitvocalcul();
    gstring nom;
    gstring plusgrande;
    short cases = 0;
    for (short i = 1; i <= nbgrillescatalogue(); ++i) {
        nomgrillecatalogue(i, &nom);
        clagrivora g;
        if (grilleload(0, &g, nom.adr()) == 1 && g.getnbcases() > cases) {
            cases = g.getnbcases();
            plusgrande.set(nom.adr());
        }
    }
    clagrivora g;
    grilleload(0, &g, plusgrande.adr());
    g.fautunetablevoisiquinze();
    const solver::cellvalues donnees = grillegen::donneesauseuil(g, 120);
    // Worked out once per grid, as the game does when it loads one.
    const solutiongrille solution = solutiondelagrille(g);
    std::vector<double> durees;
    for (auto _ : state) {
        for (short c = 1; c <= g.getnbcases(); ++c)
            g.setcaseval(c, donnees[static_cast<std::size_t>(c - 1)]);
        while (g.cestfini() == 0) {
            const auto debut = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(entreesfausses(g, solution.valeurs));
            const indicejeu h = chercheindice(g, solution.forme, langueanglais);
            durees.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut)
                    .count());
            if (!h.trouve) break;
            g.setcaseval(h.cible, h.valeur);
        }
    }
    std::sort(durees.begin(), durees.end());
    state.counters["cells"] = cases;
    state.counters["steps"] = static_cast<double>(durees.size());
    state.counters["median_ms"] = durees.empty() ? 0 : durees[durees.size() / 2];
    state.counters["worst_ms"] = durees.empty() ? 0 : durees.back();
}

} // namespace

BENCHMARK(BM_HintLargestGridLevel7)->Unit(benchmark::kMillisecond)->Iterations(3);
