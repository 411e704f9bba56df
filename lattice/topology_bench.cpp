// Time to build every topology list of a grid of 100 hexagons packed into a
// compact hexagonal shape.
#include "lattice/clavochemin.h"
#include "lattice/topobase.h"
#include "lattice/topolistes.h"

#include "foundation/lichavo.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// The 100 lattice points nearest the origin (rings of increasing distance).
void centrescompacts(lichavo* hexas) {
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
    hexas->clear();
    int n = 0;
    for (const auto& p : points) {
        if (n++ == 100) break;
        hexas->padd(p.second.c_str());
    }
}

void BM_toutelatopologie(benchmark::State& state) {
    globinitvoragotopo();
    lichavo hexas;
    centrescompacts(&hexas);
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
