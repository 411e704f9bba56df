// Tests of grading: each tier is needed by some puzzle, tiers are used easiest first, and the
// reasoning never deduces a value the solution does not hold.
#include "grid/solver/grader.h"

#include <numeric>
#include <random>

#include <gtest/gtest.h>

#include "grid/solver/backtrack.h"
#include "grid/solver/hexshape.h"
#include "grid/solver/solver.h"

using namespace solver;

namespace {

// Removes the givens of a random filling in random order while reasoning up to `ceiling` still
// solves the puzzle (any unique puzzle for ceiling 5).
cellvalues reduced_puzzle(const shape& s, std::uint32_t seed, int ceiling) {
    std::mt19937 rng(seed);
    auto givens = random_filling(s, rng);
    std::vector<int> order(givens.size());
    std::iota(order.begin(), order.end(), 0);
    for (int i = static_cast<int>(order.size()) - 1; i > 0; --i) {
        std::swap(order[i], order[rng() % (i + 1)]);
    }
    for (int c : order) {
        const auto value = givens[c];
        givens[c] = 0;
        const bool keep = ceiling < tier_trial ? !reason(s, givens, ceiling).solved
                                               : solve(s, givens).solutions != 1;
        if (keep) givens[c] = value;
    }
    return givens;
}

// The first puzzle, over seeds 1, 2, ..., whose grade is exactly `tier`.
cellvalues puzzle_needing(const shape& s, int tier) {
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        auto givens = reduced_puzzle(s, seed, tier);
        if (grade(s, givens).grade.hardest_tier == tier) return givens;
    }
    return {};
}

class GradeNeedsTier : public testing::TestWithParam<int> {};

} // namespace

TEST(Grade, AllGivenNeedsNothing) {
    const auto h = build_hexshape({{0, 0}});
    const auto r = grade(h.puzzle, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(r.solutions, 1);
    EXPECT_TRUE(r.grade.solved);
    EXPECT_EQ(r.grade.hardest_tier, 0);
}

TEST(Grade, LastCellOfAHexagonIsASingleCandidate) {
    const auto h = build_hexshape({{0, 0}});
    const auto r = grade(h.puzzle, {1, 2, 0, 4, 5, 6});
    EXPECT_EQ(r.grade.hardest_tier, tier_single);
    EXPECT_EQ(r.grade.steps[tier_single], 1);
    EXPECT_EQ(r.grade.values, (cellvalues{1, 2, 3, 4, 5, 6}));
}

TEST(Grade, PuzzleWithSeveralSolutionsIsNotGraded) {
    const auto h = build_hexshape({{0, 0}});
    const auto r = grade(h.puzzle, {1, 2, 3, 4, 0, 0});
    EXPECT_EQ(r.solutions, 2);
    EXPECT_FALSE(r.grade.solved);
    EXPECT_TRUE(r.solution.empty());
}

TEST(Grade, ConflictingGivensHaveNoSolutionAndBreakTheReasoning) {
    const auto h = build_hexshape({{0, 0}});
    EXPECT_EQ(grade(h.puzzle, {1, 1, 0, 0, 0, 0}).solutions, 0);
    EXPECT_FALSE(reason(h.puzzle, {1, 1, 0, 0, 0, 0}, tier_subset).solved);
}

TEST(Reason, TrialSearchLeavesAPuzzleWithSeveralSolutionsUnsolved) {
    const auto h = build_hexshape(compact_centres(2));
    const auto r = reason(h.puzzle, {}, tier_trial);
    EXPECT_FALSE(r.solved);
    EXPECT_EQ(r.steps[tier_trial], 1);
    EXPECT_GT(r.search_nodes, 0);
}

TEST(Effort, WeighsTheStepsOfEachTierAndTheSearchNodes) {
    struct row {
        std::array<int, 6> steps;
        long nodes;
        long effort;
    };
    const row rows[] = {
        {{0, 0, 0, 0, 0, 0}, 0, 0},    {{0, 5, 0, 0, 0, 0}, 0, 5},
        {{0, 2, 1, 1, 1, 0}, 0, 41},   {{0, 10, 2, 0, 0, 1}, 3, 10 + 6 + 100 + 60},
        {{0, 0, 0, 0, 0, 1}, 40, 900},
    };
    for (const row& r : rows) {
        reasoning x;
        x.steps = r.steps;
        x.search_nodes = r.nodes;
        EXPECT_EQ(effort_score(x), r.effort);
    }
}

TEST_P(GradeNeedsTier, SolvedWithThatTierAndNotWithTheOneBelow) {
    const int tier = GetParam();
    const auto h = build_hexshape(compact_centres(tier <= tier_single ? 2 : 3));
    const auto givens = puzzle_needing(h.puzzle, tier);
    ASSERT_FALSE(givens.empty()) << "no puzzle of the first 200 seeds needs exactly tier " << tier;

    const auto graded = grade(h.puzzle, givens);
    EXPECT_EQ(graded.solutions, 1);
    EXPECT_EQ(graded.grade.steps[tier] > 0, true);
    EXPECT_EQ(graded.grade.values, graded.solution) << "every deduction agrees with the solution";
    EXPECT_FALSE(reason(h.puzzle, givens, tier - 1).solved)
        << "tiers up to " << tier - 1 << " must get stuck";
    EXPECT_EQ(graded.grade.search_nodes > 0, tier == tier_trial);
    if (tier < tier_trial) {
        const auto within = reason(h.puzzle, givens, tier);
        EXPECT_TRUE(within.solved) << "tiers up to " << tier << " must solve it";
        EXPECT_EQ(within.values, graded.solution);
    }
}

INSTANTIATE_TEST_SUITE_P(EachTier, GradeNeedsTier, testing::Values(1, 2, 3, 4, 5));

TEST(Reason, DeductionsAlwaysAgreeWithTheSolution) {
    // Sparse puzzles with many solutions: whatever tiers 1..4 fix must hold in every solution,
    // so in particular in each one the solver finds from the fixed values.
    const auto h = build_hexshape(compact_centres(2));
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        const auto values = random_filling(h.puzzle, rng);
        cellvalues givens(values.size(), 0);
        for (std::size_t c = seed % 3; c < values.size(); c += 4) givens[c] = values[c];
        const auto r = reason(h.puzzle, givens, tier_subset);
        for (std::size_t c = 0; c < values.size(); ++c) {
            if (r.values[c] != 0 && givens[c] == 0) {
                auto other = givens;
                other[c] = 0;
                // Any value but the deduced one must be impossible.
                for (std::uint8_t v = 1; v <= 6; ++v) {
                    if (v == r.values[c]) continue;
                    other[c] = v;
                    EXPECT_EQ(solve(h.puzzle, other, 1).solutions, 0)
                        << "seed " << seed << " cell " << c << " deduced " << int(r.values[c])
                        << " but " << int(v) << " also fits";
                }
            }
        }
    }
}
