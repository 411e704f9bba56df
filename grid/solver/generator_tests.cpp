// Tests of the generator: determinism, nested levels, one solution per level, singles only at the
// first two levels, effort that never falls, and the per-cell records.
#include "grid/solver/generator.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "grid/solver/backtrack.h"
#include "grid/solver/grader.h"
#include "grid/solver/hexshape.h"
#include "grid/solver/records.h"
#include "grid/solver/solver.h"

using namespace solver;

namespace {

struct named_shape {
    const char* name;
    std::vector<latpoint> centres;
};

const std::vector<named_shape>& shapes() {
    static const std::vector<named_shape> all = {
        {"seven hexagons", compact_centres(1)},
        {"nineteen hexagons", compact_centres(2)},
        {"thirty-seven hexagons", compact_centres(3)},
        {"ring with a hole", ring_centres(2)},
        {"loose chain", {{0, 0}, {2, 0}, {3, 1}, {5, 0}, {6, 0}, {7, -2}, {9, -3}}},
    };
    return all;
}

// Checks every promise the generator makes about one puzzle.
void check_puzzle(const shape& s, const generated_puzzle& p, const std::string& what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(static_cast<int>(p.solution.size()), s.cell_count());
    ASSERT_EQ(solve(s, p.solution).solutions, 1) << "the filling is valid";

    const std::set<short> allowed = {0, 75, 80, 85, 90, 95, 100, 120};
    for (short code : p.codes) EXPECT_TRUE(allowed.contains(code)) << "code " << code;
    const bool has120 = std::count(p.codes.begin(), p.codes.end(), 120) > 0;
    const bool has100 = std::count(p.codes.begin(), p.codes.end(), 100) > 0;
    EXPECT_EQ(p.has_level_seven, has120 && has100) << "a level 7 needs codes 120 and 100";
    EXPECT_TRUE(has120 || has100) << "the hardest level shows some cell";

    cellvalues harder;
    for (int level = level_count; level >= 1; --level) {
        const auto givens = givens_at(p, level);
        for (std::size_t c = 0; c < givens.size(); ++c) {
            if (givens[c] != 0) {
                EXPECT_EQ(givens[c], p.solution[c]);
            }
            if (!harder.empty() && harder[c] != 0) {
                EXPECT_NE(givens[c], 0) << "level " << level << " keeps the givens of level "
                                        << level + 1 << " (cell " << c << ")";
            }
        }
        const auto graded = grade(s, givens);
        EXPECT_EQ(graded.solutions, 1) << "level " << level;
        if (level <= 2) {
            EXPECT_LE(graded.grade.hardest_tier, tier_single) << "level " << level;
        }
        EXPECT_EQ(graded.grade.hardest_tier, p.hardest_tier[level]) << "level " << level;
        EXPECT_EQ(effort_score(graded.grade), p.effort[level]) << "level " << level;
        if (level < level_count) {
            EXPECT_LE(p.effort[level], p.effort[level + 1]) << "level " << level;
        }
        EXPECT_EQ(std::count_if(givens.begin(), givens.end(), [](auto v) { return v != 0; }),
                  p.givens[level])
            << "level " << level;
        harder = givens;
    }
    EXPECT_LT(p.givens[1], s.cell_count()) << "level 1 leaves a cell to fill";
    if (p.has_level_seven) {
        EXPECT_LT(p.givens[7], p.givens[6]);
        EXPECT_GE(p.effort[7] * 4, p.effort[6] * 5) << "level 7 takes a quarter more effort";
    } else {
        EXPECT_EQ(givens_at(p, 7), givens_at(p, 6));
    }
}

} // namespace

TEST(LevelTables, ThresholdsAndEffectiveLevels) {
    const short thresholds[] = {75, 80, 85, 90, 95, 100, 120};
    for (int level = 1; level <= level_count; ++level) {
        EXPECT_EQ(level_threshold(level), thresholds[level - 1]);
    }
    EXPECT_EQ(level_threshold(0), 75);
    EXPECT_EQ(level_threshold(9), 75);
    // Rows: correction 0..3; columns: game levels 1..7.
    const int effective[4][7] = {
        {1, 2, 3, 4, 5, 6, 7}, {2, 3, 4, 5, 6, 6, 7}, {3, 4, 5, 6, 6, 6, 7}, {4, 5, 6, 6, 6, 6, 7}};
    for (int d = 0; d < 4; ++d) {
        for (int level = 1; level <= level_count; ++level) {
            EXPECT_EQ(effective_level(level, d), effective[d][level - 1]) << d << " " << level;
        }
    }
}

TEST(Generate, EveryLevelIsNestedUniqueAndGradedOnEveryShapeAndCorrection) {
    for (const auto& [name, centres] : shapes()) {
        const auto h = build_hexshape(centres);
        for (int correction = 0; correction <= 3; ++correction) {
            const std::uint32_t seed = 1 + static_cast<std::uint32_t>(correction);
            check_puzzle(h.puzzle, generate(h.puzzle, seed, correction),
                         std::string(name) + ", correction " + std::to_string(correction));
        }
    }
}

TEST(Generate, LevelsThatApplyDifferentThresholdsShowFewerGivensEachTime) {
    const auto h = build_hexshape(compact_centres(2));
    for (int correction = 0; correction <= 3; ++correction) {
        for (std::uint32_t seed : {1u, 2u, 3u}) {
            SCOPED_TRACE("correction " + std::to_string(correction) + ", seed " +
                         std::to_string(seed));
            const auto p = generate(h.puzzle, seed, correction);
            EXPECT_TRUE(p.has_level_seven);
            for (int level = 1; level < level_count; ++level) {
                if (effective_level(level, correction) == effective_level(level + 1, correction)) {
                    EXPECT_EQ(p.givens[level], p.givens[level + 1]) << "level " << level;
                } else {
                    EXPECT_GT(p.givens[level], p.givens[level + 1]) << "level " << level;
                }
            }
        }
    }
}

TEST(Generate, SameSeedSamePuzzleOtherSeedOtherPuzzle) {
    const auto h = build_hexshape(compact_centres(2));
    const auto a = generate(h.puzzle, 7);
    const auto b = generate(h.puzzle, 7);
    EXPECT_EQ(a.solution, b.solution);
    EXPECT_EQ(a.codes, b.codes);
    EXPECT_EQ(a.has_level_seven, b.has_level_seven);
    const auto c = generate(h.puzzle, 8);
    EXPECT_TRUE(a.solution != c.solution || a.codes != c.codes);
}

TEST(Generate, SeedGivesAKnownPuzzle) {
    // Pins the result of one seed, so that a change of random sequence (another standard
    // library, another platform) shows up here.
    const auto h = build_hexshape(compact_centres(1));
    const auto p = generate(h.puzzle, 2026);
    std::uint32_t hash = 0;
    for (std::size_t c = 0; c < p.solution.size(); ++c) {
        hash = hash * 31 + p.solution[c];
        hash = hash * 31 + static_cast<std::uint32_t>(p.codes[c]);
    }
    EXPECT_EQ(hash, 4214557729u);
}

TEST(Generate, SingleHexagonHasNoLevelSeven) {
    const auto h = build_hexshape({{0, 0}});
    const auto p = generate(h.puzzle, 1);
    check_puzzle(h.puzzle, p, "single hexagon");
    EXPECT_FALSE(p.has_level_seven) << "five givens are needed at every level";
    EXPECT_EQ(p.givens[6], 5);
    EXPECT_EQ(p.givens[7], 5);
}

TEST(Generate, ShapeWithoutFillingGivesAnEmptyPuzzle) {
    const shape s(7, {{0, 1, 2, 3, 4, 5, 6}});
    const auto p = generate(s, 1);
    EXPECT_TRUE(p.solution.empty());
    EXPECT_TRUE(cell_records(p).empty());
}

TEST(CellRecords, OneRecordPerCellWithItsValueAndCode) {
    const auto h = build_hexshape(compact_centres(1));
    const auto p = generate(h.puzzle, 3);
    const auto records = cell_records(p);
    ASSERT_EQ(static_cast<int>(records.size()), h.puzzle.cell_count());
    for (int c = 0; c < h.puzzle.cell_count(); ++c) {
        EXPECT_EQ(records[c].cell, c);
        EXPECT_EQ(records[c].value, p.solution[c]);
        EXPECT_EQ(records[c].code, p.codes[c]);
    }
}

// A stop set while a large shape is being filled at random ends the work at
// once: the filling looks at the stop flag too, not only the removal steps.
// (The filling of this shape from this seed takes seconds: its restarts have
// a heavy tail on shapes that large.)
TEST(Generate, AStopDuringTheRandomFillingOfALargeShapeEndsItAtOnce) {
    const auto h = build_hexshape(compact_centres(40));
    std::mt19937 rng(1);
    std::atomic<bool> stop{true};
    EXPECT_TRUE(random_filling(h.puzzle, rng, &stop).empty()) << "stopped before it starts";
    stop = false;
    generated_puzzle p;
    std::thread t([&] { p = generate(h.puzzle, 1, 0, &stop); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const auto debut = std::chrono::steady_clock::now();
    stop = true;
    t.join();
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::milliseconds(500));
    EXPECT_TRUE(p.solution.empty());
}
