// Time to build every topology list of a grid of 100 hexagons packed into a
// compact hexagonal shape.
#include "lattice/centrescompacts_testing.h"
#include "lattice/topobase.h"
#include "lattice/topolistes.h"

#include "foundation/lichavo.h"

#include <benchmark/benchmark.h>

namespace {

void BM_toutelatopologie(benchmark::State& state) {
    globinitvoragotopo();
    lichavo hexas;
    centrescompacts(&hexas, 100, "");
    for (auto _ : state) {
        lichavo h, cases, points, partial, pairs, normal, alternate, enclosed, outside, opp,
            oppcomplete, demi, inner, outer;
        h.mergekeep(hexas);
        topocompletecases(&cases, &h);
        topocalculipoint(&points, &cases);
        topoajoutcompartiels(&h, &partial, &cases);
        topolisthexasvoisins(&pairs, &h, &partial);
        topofuturvoisidouze(&normal, &alternate, &cases, &h);
        topocasesautourgri(&enclosed, &outside, &cases, &h);
        topocrealicasoppo(&opp, &oppcomplete, &cases, &h);
        topocrealistoppodemi(&demi, &cases, &h);
        topocontourtritop(&h, &inner, &outer);
        benchmark::DoNotOptimize(outer.effectif());
        state.counters["cells"] = cases.effectif();
    }
}
BENCHMARK(BM_toutelatopologie)->Unit(benchmark::kMillisecond);

} // namespace
