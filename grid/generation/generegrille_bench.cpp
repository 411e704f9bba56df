// Benchmark of the making of a new grid as the game does it (shape prepared,
// puzzle generated with its seven levels, texts written) on shapes up to 150
// cells: twenty repetitions, each on its own seed, give the median and the
// worst time.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "grid/generation/generegrille.h"
#include "grid/vocalculinit.h"

namespace {

void nouvellegrille(benchmark::State& state, const char* forme) {
    globinitvocalcul();
    static std::uint32_t graine = 0;
    for (auto _ : state) {
        grillegen::grillegeneree out;
        benchmark::DoNotOptimize(grillegen::generegrille(forme, ++graine, out));
        state.counters["cells"] = out.nbcases;
    }
}

double pire(const std::vector<double>& v) {
    return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end());
}

} // namespace

#define VORA_NOUVELLE(nom, forme)                                                                  \
    void nom(benchmark::State& state) {                                                            \
        nouvellegrille(state, forme);                                                              \
    }                                                                                              \
    BENCHMARK(nom)                                                                                 \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(1)                                                                            \
        ->Repetitions(20)                                                                          \
        ->ComputeStatistics("max", pire)                                                           \
        ->ReportAggregatesOnly(true)

VORA_NOUVELLE(BM_Nouvelle_Compact4_150Cells, "compact 4");
VORA_NOUVELLE(BM_Nouvelle_Strip10x5_130Cells, "strip 10 5");
VORA_NOUVELLE(BM_Nouvelle_Arms5_120Cells, "arms 5");
VORA_NOUVELLE(BM_Nouvelle_Triangle8_97Cells, "triangle 8");
VORA_NOUVELLE(BM_Nouvelle_Ring4_96Cells, "ring 4");
