// Time to build a grid of 100 hexagons from its definition lines through the
// cell table and the pixel centres, and to recompute every cell's possible
// values on a board of about 500 cells, half of them filled.
#include "grid/clagrivora.h"
#include "grid/vocalculinit.h"
#include "lattice/centrescompacts_testing.h"

#include <benchmark/benchmark.h>

namespace {

void BM_grilledepuisdefinition(benchmark::State& state) {
    globinitvocalcul();
    lichavo lignes;
    centrescompacts(&lignes, 100, "X");
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
    centrescompacts(&lignes, 230, "X");
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
