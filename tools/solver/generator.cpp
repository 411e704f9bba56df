// The generator: a random filling, then givens removed in a random order under a tier ceiling that
// rises phase by phase; the levels are points of that single removal sequence, hence nested.
#include "tools/solver/generator.h"

#include <algorithm>
#include <numeric>
#include <random>

#include "tools/solver/grader.h"
#include "tools/solver/solver.h"

namespace solver {

namespace {

// Indexed by level 1..7; slot 0 repeats level 1.
constexpr std::array<short, level_count + 1> thresholds{75, 75, 80, 85, 90, 95, 100, 120};
constexpr std::array<int, level_count + 1> ceilings{1, 1, 1, 2, 3, 5, 5, 5};

// A removal whose uniqueness the counting solver cannot settle within this many search nodes is
// refused, which bounds the time spent on large shapes.
constexpr long uniqueness_nodes = 20000;

// Removes givens in `order` while the puzzle stays solvable within each tier ceiling in turn
// (1, 2, 3, 4, then any reasoning with one solution). Returns the removed cells in removal order
// and, for each ceiling t, how many had been removed when phase t ended.
std::vector<int> removal_sequence(const shape& s, cellvalues givens, std::vector<int> order,
                                  std::array<int, tier_count + 1>& phase_end) {
    std::vector<int> removed;
    for (int t = 1; t <= tier_count; ++t) {
        std::vector<int> kept;
        for (int c : order) {
            const auto value = givens[c];
            givens[c] = 0;
            bool unique = false;
            if (t < tier_trial) {
                unique = reason(s, givens, t).solved;
            } else {
                const auto counted = solve(s, givens, 2, uniqueness_nodes);
                unique = counted.settled && counted.solutions == 1;
            }
            if (unique) {
                removed.push_back(c);
            } else {
                givens[c] = value;
                kept.push_back(c);
            }
        }
        order = std::move(kept);
        phase_end[t] = static_cast<int>(removed.size());
    }
    return removed;
}

} // namespace

short level_threshold(int level) {
    return thresholds[level >= 1 && level <= level_count ? level : 1];
}

int level_tier_ceiling(int level) {
    return ceilings[level >= 1 && level <= level_count ? level : 1];
}

generated_puzzle generate(const shape& s, std::uint32_t seed) {
    generated_puzzle p;
    std::mt19937 rng(seed);
    p.solution = random_filling(s, rng);
    const int n = s.cell_count();
    if (static_cast<int>(p.solution.size()) != n) {
        p.solution.clear();
        return p;
    }

    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    for (int i = n - 1; i > 0; --i) std::swap(order[i], order[rng() % (i + 1)]);

    std::array<int, tier_count + 1> phase_end{};
    const auto removed = removal_sequence(s, p.solution, order, phase_end);

    // Level l shows every cell except the first cut[l] removed. Level 1 keeps a quarter of the
    // cells that single candidates alone let go (but always opens one when it can); levels 2, 3
    // and 4 stand at the ends of the phases of ceilings 1 to 3. The removals after that (ceiling
    // 4 rarely finds any, so mostly trial ones) are cut in three: level 5 after a third of them,
    // level 6 after two thirds, level 7 after all, so level 7 is harder than level 6 as soon as
    // there is one.
    std::array<int, level_count + 1> cut{};
    cut[1] = std::max(phase_end[1] * 3 / 4, std::min(phase_end[1], 1));
    cut[2] = phase_end[1];
    cut[3] = phase_end[2];
    cut[4] = phase_end[3];
    const int late = phase_end[tier_count] - phase_end[3];
    cut[5] = phase_end[3] + late / 3;
    cut[6] = phase_end[3] + late * 2 / 3;
    cut[7] = phase_end[tier_count];
    p.has_level_seven = cut[7] > cut[6];
    const int top = p.has_level_seven ? level_count : level_count - 1;

    p.codes.assign(n, thresholds[top]);
    for (int i = 0; i < static_cast<int>(removed.size()); ++i) {
        short code = 0;
        for (int l = 1; l <= top; ++l) {
            if (cut[l] <= i) code = thresholds[l];
        }
        p.codes[removed[i]] = code;
    }
    for (int l = 1; l <= level_count; ++l) {
        const auto givens = givens_at(p, l);
        p.givens[l] = static_cast<int>(
            std::count_if(givens.begin(), givens.end(), [](std::uint8_t v) { return v != 0; }));
        p.hardest_tier[l] = grade(s, givens).grade.hardest_tier;
    }
    return p;
}

cellvalues givens_at(const generated_puzzle& p, int level) {
    const short threshold = level == level_count && !p.has_level_seven ? thresholds[level_count - 1]
                                                                       : level_threshold(level);
    cellvalues givens(p.solution.size(), 0);
    for (std::size_t c = 0; c < p.solution.size() && c < p.codes.size(); ++c) {
        if (p.codes[c] > 0 && p.codes[c] >= threshold) givens[c] = p.solution[c];
    }
    return givens;
}

} // namespace solver
