// Time to build a grid of 100 hexagons from its definition lines through the
// cell table and the pixel centres, and to recompute every cell's possible
// values on a board of about 500 cells, half of them filled.
#include "grid/clagrivora.h"
#include "grid/vocalculinit.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <set>
#include <string>
#include <utility>

namespace {

// Definition lines of the n hexagons nearest the origin.
void lignescompactes(lichavo* lignes, int nombre) {
    std::set<std::pair<size_t, std::string>> points;
    for (int a = -12; a <= 12; ++a) {
        for (int b = -12; b <= 12; ++b) {
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
        if (n++ == nombre) break;
        lignes->padd("X", p.second.c_str());
    }
}

void BM_grilledepuisdefinition(benchmark::State& state) {
    globinitvocalcul();
    lichavo lignes;
    lignescompactes(&lignes, 100);
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

void BM_ajustepossicase(benchmark::State& state) {
    globinitvocalcul();
    lichavo lignes;
    lignescompactes(&lignes, 230);
    clagrivora g;
    g.setfromgrivecdef(&lignes);
    g.fautunetabledescases();
    g.fautunetablevoisiquinze();
    for (short c = 1; c <= g.getnbcases(); c = static_cast<short>(c + 2))
        g.setcaseval(c, static_cast<short>(1 + c % 6));
    for (auto _ : state) {
        g.ajustepossicase();
        benchmark::DoNotOptimize(g.getvaluposs(2));
    }
    state.counters["cells"] = g.getnbcases();
}
BENCHMARK(BM_ajustepossicase)->Unit(benchmark::kMicrosecond);

} // namespace
