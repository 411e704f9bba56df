// The generator: a random filling, then givens removed in a random order under a tier ceiling that
// rises phase by phase; the levels are points of that single removal sequence, hence nested, placed
// by the phases and the effort each point needs.
#include "grid/solver/generator.h"

#include <algorithm>
#include <numeric>
#include <random>

#include "grid/solver/backtrack.h"
#include "grid/solver/grader.h"
#include "grid/solver/solver.h"

namespace solver {

namespace {

// Indexed by level 1..7; slot 0 repeats level 1.
constexpr std::array<short, level_count + 1> thresholds{75, 75, 80, 85, 90, 95, 100, 120};

// A removal whose uniqueness the counting solver cannot settle within this many search nodes is
// refused, which bounds the time spent on large shapes.
constexpr long uniqueness_nodes = 20000;

bool stopped(const std::atomic<bool>* stop) {
    return stop != nullptr && stop->load(std::memory_order_relaxed);
}

// Removes givens in `order` while the puzzle stays solvable within each tier ceiling in turn
// (1, 2, 3, 4, then any reasoning with one solution). Returns the removed cells in removal order
// and, for each ceiling t, how many had been removed when phase t ended. Stops early, the
// sequence left incomplete, once `stop` is set.
std::vector<int> removal_sequence(const shape& s, cellvalues givens, std::vector<int> order,
                                  std::array<int, tier_count + 1>& phase_end,
                                  const std::atomic<bool>* stop) {
    std::vector<int> removed;
    for (int t = 1; t <= tier_count; ++t) {
        std::vector<int> kept;
        for (int c : order) {
            if (stopped(stop)) return removed;
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

// The givens left when the first `cut` cells of `removed` are emptied.
cellvalues givens_after(const cellvalues& solution, const std::vector<int>& removed, int cut) {
    cellvalues givens = solution;
    for (int i = 0; i < cut; ++i) givens[removed[i]] = 0;
    return givens;
}

long effort_after(const shape& s, const cellvalues& solution, const std::vector<int>& removed,
                  int cut) {
    return effort_score(grade(s, givens_after(solution, removed, cut)).grade);
}

// Where the distinct effective levels (`levels`, increasing) cut the removal sequence: the first
// two within the first phase (`singles` removals), the others spread evenly over the rest, the
// last at its end. Then, from the next to last level down, a level's cut moves earlier (pushing
// the cuts below it along, the first level's staying above 0) while it takes more effort than
// the next level, or, for the next to last, more than four fifths of the last one's. Gives up,
// with the cuts reached so far, once `stop` is set.
std::vector<int> level_cuts(const shape& s, const cellvalues& solution,
                            const std::vector<int>& removed, int singles,
                            const std::vector<int>& levels, const std::atomic<bool>* stop) {
    const int k = static_cast<int>(levels.size());
    const int total = static_cast<int>(removed.size());
    const bool room = total - std::min(singles, total - (k - 2)) >= k - 2 && total >= k;
    std::vector<int> cut(k, total);
    cut[1] = room ? std::min(singles, total - (k - 2)) : std::min(singles, total);
    cut[0] = std::max(std::min(1, cut[1]), std::min(cut[1] - 1, cut[1] * 3 / 4));
    for (int j = 2; j < k; ++j) cut[j] = cut[1] + (total - cut[1]) * (j - 1) / (k - 2);
    if (!room || cut[0] >= cut[1]) return cut;

    std::vector<long> effort(k);
    for (int j = 0; j < k; ++j) effort[j] = effort_after(s, solution, removed, cut[j]);
    for (int j = k - 2; j >= 0; --j) {
        const auto too_hard = [&] {
            return j == k - 2 ? effort[j] * 5 > effort[j + 1] * 4 : effort[j] > effort[j + 1];
        };
        while (too_hard() && cut[j] - j > 1) {
            if (stopped(stop)) return cut;
            --cut[j];
            effort[j] = effort_after(s, solution, removed, cut[j]);
            for (int i = j - 1; i >= 0 && cut[i] >= cut[i + 1]; --i) {
                cut[i] = cut[i + 1] - 1;
                effort[i] = effort_after(s, solution, removed, cut[i]);
            }
        }
    }
    return cut;
}

} // namespace

short level_threshold(int level) {
    return thresholds[level >= 1 && level <= level_count ? level : 1];
}

int effective_level(int level, int correction) {
    return level == level_count ? level_count : std::min(level_count - 1, level + correction);
}

generated_puzzle generate(const shape& s, std::uint32_t seed, int correction,
                          const std::atomic<bool>* stop) {
    generated_puzzle p;
    p.correction = std::clamp(correction, 0, 3);
    std::mt19937 rng(seed);
    p.solution = random_filling(s, rng, stop);
    const int n = s.cell_count();
    if (static_cast<int>(p.solution.size()) != n) {
        p.solution.clear();
        return p;
    }

    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    for (int i = n - 1; i > 0; --i) std::swap(order[i], order[rng() % (i + 1)]);

    std::array<int, tier_count + 1> phase_end{};
    const auto removed = removal_sequence(s, p.solution, order, phase_end, stop);

    // Level l shows every cell except the first cut[l] removed; the levels no game level applies
    // share the cut of the first one applied.
    std::vector<int> levels;
    for (int l = 1; l <= level_count; ++l) {
        const int e = effective_level(l, p.correction);
        if (levels.empty() || levels.back() != e) levels.push_back(e);
    }
    const auto cuts = level_cuts(s, p.solution, removed, phase_end[1], levels, stop);
    if (stopped(stop)) {
        p.solution.clear();
        return p;
    }
    std::array<int, level_count + 1> cut{};
    for (int l = 1; l <= level_count; ++l) {
        const auto at = std::lower_bound(levels.begin(), levels.end(), l);
        cut[l] = cuts[at - levels.begin()];
    }
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
        if (stopped(stop)) {
            p.solution.clear();
            return p;
        }
        const auto givens = givens_at(p, l);
        p.givens[l] = static_cast<int>(
            std::count_if(givens.begin(), givens.end(), [](std::uint8_t v) { return v != 0; }));
        const auto graded = grade(s, givens);
        p.hardest_tier[l] = graded.grade.hardest_tier;
        p.effort[l] = effort_score(graded.grade);
    }
    return p;
}

cellvalues givens_at(const generated_puzzle& p, int level) {
    const int effective = effective_level(level, p.correction);
    const short threshold = effective == level_count && !p.has_level_seven
                                ? thresholds[level_count - 1]
                                : level_threshold(effective);
    cellvalues givens(p.solution.size(), 0);
    for (std::size_t c = 0; c < p.solution.size() && c < p.codes.size(); ++c) {
        if (p.codes[c] > 0 && p.codes[c] >= threshold) givens[c] = p.solution[c];
    }
    return givens;
}

} // namespace solver
