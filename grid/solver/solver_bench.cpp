// Benchmarks of the solver library: counting, grading and generating on a 37-hexagon shape, and
// counting on a 127-hexagon (294-cell) shape.
#include <benchmark/benchmark.h>

#include "grid/solver/generator.h"
#include "grid/solver/grader.h"
#include "grid/solver/hexshape.h"
#include "grid/solver/solver.h"

using namespace solver;

namespace {

void count_level_seven(benchmark::State& state, int radius) {
    const auto h = build_hexshape(compact_centres(radius));
    const auto p = generate(h.puzzle, 1);
    const auto givens = givens_at(p, 7);
    for (auto _ : state) benchmark::DoNotOptimize(solve(h.puzzle, givens, 2));
    state.counters["cells"] = h.puzzle.cell_count();
    state.counters["givens"] = p.givens[7];
}

void BM_CountTo2_37Hexagons(benchmark::State& state) {
    count_level_seven(state, 3);
}
void BM_CountTo2_127Hexagons(benchmark::State& state) {
    count_level_seven(state, 6);
}

void BM_Grade_37Hexagons(benchmark::State& state) {
    const auto h = build_hexshape(compact_centres(3));
    const auto givens = givens_at(generate(h.puzzle, 1), 7);
    for (auto _ : state) benchmark::DoNotOptimize(grade(h.puzzle, givens));
}

void BM_Generate_37Hexagons(benchmark::State& state) {
    const auto h = build_hexshape(compact_centres(3));
    std::uint32_t seed = 0;
    for (auto _ : state) benchmark::DoNotOptimize(generate(h.puzzle, ++seed));
}

} // namespace

BENCHMARK(BM_CountTo2_37Hexagons)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CountTo2_127Hexagons)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Grade_37Hexagons)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generate_37Hexagons)->Unit(benchmark::kMillisecond);
