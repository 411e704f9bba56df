// Time to build a grid of 100 hexagons from its definition lines through the
// cell table and the pixel centres.
#include "grid/clagrivora.h"
#include "grid/vocalculinit.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <set>
#include <string>
#include <utility>

namespace {

// Definition lines of the 100 hexagons nearest the origin.
void lignescompactes(lichavo* lignes) {
    std::set<std::pair<size_t, std::string>> points;
    for (int a = -7; a <= 7; ++a) {
        for (int b = -7; b <= 7; ++b) {
            std::string path(static_cast<size_t>(std::abs(a)), a < 0 ? 'D' : 'A');
            path.append(static_cast<size_t>(std::abs(b)), b < 0 ? 'E' : 'B');
            clavochemin c;
            c.setchemin(path.c_str());
            const std::string canon = c.decompacte();
            points.emplace(canon.size(), canon);
        }
    }
    int n = 0;
    for (const auto& p : points) {
        if (n++ == 100) break;
        lignes->padd("X", p.second.c_str());
    }
}

void BM_grilledepuisdefinition(benchmark::State& state) {
    globinitvocalcul();
    lichavo lignes;
    lignescompactes(&lignes);
    clagrivora g;
    for (auto _ : state) {
        g.setfromgrivecdef(&lignes);
        g.fautunetabledeshexas();
        g.fautunetabledescases();
        g.fautvalfixentables();
        g.fautcoordentableaux();
        benchmark::DoNotOptimize(g.getcacentrix(g.getnbcases()));
        state.counters["cells"] = g.getnbcases();
    }
}
BENCHMARK(BM_grilledepuisdefinition)->Unit(benchmark::kMillisecond);

} // namespace
