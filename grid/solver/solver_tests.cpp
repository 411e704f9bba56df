// Tests of the counting solver and of random fillings.
#include "grid/solver/solver.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "grid/solver/backtrack.h"
#include "grid/solver/hexshape.h"

using namespace solver;

namespace {

// Every group holds different values 1..6 and every cell has one.
bool valid_filling(const shape& s, const cellvalues& values) {
    if (static_cast<int>(values.size()) != s.cell_count()) return false;
    for (int g = 0; g < s.group_count(); ++g) {
        unsigned seen = 0;
        for (int c : s.group_cells(g)) {
            if (values[c] < 1 || values[c] > 6 || (seen & value_bit(values[c])) != 0) return false;
            seen |= value_bit(values[c]);
        }
    }
    return true;
}

cellvalues filled(const shape& s, std::uint32_t seed) {
    std::mt19937 rng(seed);
    return random_filling(s, rng);
}

} // namespace

TEST(Solve, SingleHexagonHasOneSolutionWithFiveGivensAndMoreWithFour) {
    const auto h = build_hexshape({{0, 0}});
    const auto five = solve(h.puzzle, {1, 2, 3, 4, 5, 0});
    EXPECT_EQ(five.solutions, 1);
    EXPECT_EQ(five.first, (cellvalues{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(five.settled);

    const auto four = solve(h.puzzle, {1, 2, 3, 4, 0, 0});
    EXPECT_EQ(four.solutions, 2) << "two ways to place 5 and 6";
    EXPECT_TRUE(valid_filling(h.puzzle, four.first));
    EXPECT_EQ(solve(h.puzzle, {1, 2, 3, 4, 0, 0}, 5).solutions, 2) << "exactly two exist";
    EXPECT_EQ(solve(h.puzzle, {}, 1000).solutions, 720) << "6! fillings of one hexagon";
}

TEST(Solve, CountStopsAtTheLimit) {
    const auto h = build_hexshape(compact_centres(1));
    EXPECT_EQ(solve(h.puzzle, {}, 1).solutions, 1);
    EXPECT_EQ(solve(h.puzzle, {}, 2).solutions, 2);
    EXPECT_EQ(solve(h.puzzle, {}, 7).solutions, 7);
    EXPECT_EQ(solve(h.puzzle, {}, 0).solutions, 1) << "a limit below 1 counts as 1";
}

TEST(Solve, ConflictingGivensHaveNoSolution) {
    const auto h = build_hexshape({{0, 0}});
    const auto r = solve(h.puzzle, {3, 3, 0, 0, 0, 0});
    EXPECT_EQ(r.solutions, 0);
    EXPECT_TRUE(r.first.empty());
}

TEST(Solve, GroupOfSevenCellsHasNoSolution) {
    const shape s(7, {{0, 1, 2, 3, 4, 5, 6}});
    EXPECT_EQ(solve(s, {}).solutions, 0);
}

TEST(Solve, CellBlockedByGivensAroundItHasNoSolution) {
    // Five cells of the middle hexagon hold 1..5, so its last cell needs 6; a cell touching that
    // last cell from outside the hexagon holds 6. No given conflicts with another.
    const auto h = build_hexshape(compact_centres(1));
    const auto middle = triangles_around({0, 0});
    std::vector<int> cells;
    for (const latcell& t : middle) {
        cells.push_back(
            static_cast<int>(std::find(h.cells.begin(), h.cells.end(), t) - h.cells.begin()));
    }
    cellvalues givens(h.puzzle.cell_count(), 0);
    for (int i = 0; i < 5; ++i) givens[cells[i]] = static_cast<std::uint8_t>(i + 1);
    int outside = -1;
    for (int n : h.puzzle.neighbours(cells[5])) {
        if (std::find(cells.begin(), cells.end(), n) == cells.end()) outside = n;
    }
    ASSERT_GE(outside, 0);
    givens[outside] = 6;
    EXPECT_EQ(solve(h.puzzle, givens).solutions, 0);
}

TEST(Solve, FullFillingIsItsOwnOnlySolution) {
    const auto h = build_hexshape(compact_centres(2));
    const auto values = filled(h.puzzle, 11);
    const auto r = solve(h.puzzle, values);
    EXPECT_EQ(r.solutions, 1);
    EXPECT_EQ(r.first, values);
}

TEST(Solve, NodeLimitLeavesTheCountUnsettled) {
    const auto h = build_hexshape(compact_centres(2));
    const auto r = solve(h.puzzle, {}, 1000, 5);
    EXPECT_FALSE(r.settled);
    EXPECT_LT(r.solutions, 1000);
}

TEST(RandomFilling, IsValidOnCompactRingAndChainShapes) {
    const std::vector<std::vector<latpoint>> shapes = {
        compact_centres(0),
        compact_centres(3),
        ring_centres(2),
        {{0, 0}, {2, 0}, {3, 1}, {5, 0}, {6, 0}, {7, -2}}};
    for (const auto& centres : shapes) {
        const auto h = build_hexshape(centres);
        EXPECT_TRUE(valid_filling(h.puzzle, filled(h.puzzle, 5))) << centres.size() << " hexagons";
    }
}

TEST(RandomFilling, SameSeedSameFillingOtherSeedOtherFilling) {
    const auto h = build_hexshape(compact_centres(2));
    EXPECT_EQ(filled(h.puzzle, 42), filled(h.puzzle, 42));
    EXPECT_NE(filled(h.puzzle, 42), filled(h.puzzle, 43));
}

TEST(RandomFilling, ShapeWithoutFillingGivesNothing) {
    const shape s(7, {{0, 1, 2, 3, 4, 5, 6}});
    EXPECT_TRUE(filled(s, 1).empty());
}

TEST(Solve, LargePuzzleCountsToTwo) {
    // 127 hexagons, 294 cells: a sparse set of givens still settles quickly.
    const auto h = build_hexshape(compact_centres(6));
    ASSERT_EQ(h.puzzle.cell_count(), 294);
    const auto values = filled(h.puzzle, 3);
    cellvalues givens(values.size(), 0);
    for (std::size_t c = 0; c < values.size(); c += 7) givens[c] = values[c];
    const auto r = solve(h.puzzle, givens);
    EXPECT_GE(r.solutions, 1);
    EXPECT_TRUE(valid_filling(h.puzzle, r.first));
}

TEST(RandomFilling, FillsAnEmpty1350CellGrid) {
    const auto h = build_hexshape(compact_centres(14));
    ASSERT_EQ(h.puzzle.cell_count(), 1350);
    EXPECT_TRUE(valid_filling(h.puzzle, filled(h.puzzle, 1)));
}

TEST(Solve, RenumberingTheCellsKeepsTheSearchSmall) {
    // A minimal puzzle on 150 cells (every given needed), solved with its cells renumbered at
    // random: the search size may vary with the order, but no numbering makes it explode.
    const auto h = build_hexshape(compact_centres(4));
    std::mt19937 rng(11);
    cellvalues givens = random_filling(h.puzzle, rng);
    std::vector<int> order(givens.size());
    for (std::size_t c = 0; c < order.size(); ++c) order[c] = static_cast<int>(c);
    std::shuffle(order.begin(), order.end(), rng);
    for (int c : order) {
        const auto value = givens[c];
        givens[c] = 0;
        if (solve(h.puzzle, givens).solutions != 1) givens[c] = value;
    }
    std::vector<long> nodes;
    for (int run = 0; run < 10; ++run) {
        std::shuffle(order.begin(), order.end(), rng);
        std::vector<std::vector<int>> groups;
        for (int g = 0; g < h.puzzle.group_count(); ++g) {
            std::vector<int> cells;
            for (int c : h.puzzle.group_cells(g)) cells.push_back(order[c]);
            groups.push_back(cells);
        }
        cellvalues moved(givens.size(), 0);
        for (std::size_t c = 0; c < givens.size(); ++c) moved[order[c]] = givens[c];
        const auto r = solve(shape(h.puzzle.cell_count(), groups), moved);
        EXPECT_EQ(r.solutions, 1);
        nodes.push_back(r.nodes);
    }
    std::sort(nodes.begin(), nodes.end());
    EXPECT_LE(nodes.back(), 5 * nodes[nodes.size() / 2] + 20) << "worst against median";
}

TEST(Solve, CountsAgreeWithTheBacktrackingSearchOnRenumberedPuzzles) {
    // Random partial fillings of small shapes, cells renumbered at random, counted up to a limit
    // high enough that many counts go past the first backtracking try to the clause search.
    const std::vector<std::vector<latpoint>> shapes = {
        compact_centres(1), ring_centres(2), {{0, 0}, {2, 0}, {3, 1}, {5, 0}}};
    std::mt19937 rng(7);
    int past_first_try = 0;
    for (int trial = 0; trial < 60; ++trial) {
        const auto h = build_hexshape(shapes[trial % shapes.size()]);
        const int cells = h.puzzle.cell_count();
        std::vector<int> order(cells);
        for (int c = 0; c < cells; ++c) order[c] = c;
        std::shuffle(order.begin(), order.end(), rng);
        std::vector<std::vector<int>> groups;
        for (int g = 0; g < h.puzzle.group_count(); ++g) {
            std::vector<int> renamed;
            for (int c : h.puzzle.group_cells(g)) renamed.push_back(order[c]);
            groups.push_back(renamed);
        }
        const shape s(cells, groups);
        cellvalues givens = random_filling(s, rng);
        const auto keep = 1 + rng() % 6; // keep about one given in 8 to one in 2
        for (auto& v : givens) {
            if (rng() % 12 >= keep) v = 0;
        }
        if (trial % 5 == 0) givens[rng() % cells] = static_cast<std::uint8_t>(1 + rng() % 6);
        const int limit = 1 + static_cast<int>(rng() % 300);
        const auto counted = solve(s, givens, limit);
        const auto reference = backtrack_solve(s, givens, limit);
        ASSERT_TRUE(counted.settled);
        EXPECT_EQ(counted.solutions, reference.solutions) << "trial " << trial;
        if (counted.solutions > 0) {
            EXPECT_TRUE(valid_filling(s, counted.first)) << "trial " << trial;
            for (int c = 0; c < cells; ++c) {
                if (givens[c] != 0) {
                    EXPECT_EQ(counted.first[c], givens[c]) << "trial " << trial;
                }
            }
        }
        past_first_try += counted.solutions > cells ? 1 : 0;
    }
    EXPECT_GT(past_first_try, 10) << "enough counts reach the clause search";
}
