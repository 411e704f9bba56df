// Tests of the abstract shape and of the shapes built from lattice hexagons.
#include "grid/solver/hexshape.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace solver;

namespace {

int complete_groups(const shape& s) {
    int count = 0;
    for (int g = 0; g < s.group_count(); ++g) count += s.complete(g) ? 1 : 0;
    return count;
}

int cell_number(const hexshape& h, latcell c) {
    const auto found = std::find(h.cells.begin(), h.cells.end(), c);
    return found == h.cells.end() ? -1 : static_cast<int>(found - h.cells.begin());
}

} // namespace

TEST(Shape, DropsBadCellsRepeatsAndGroupsInsideOthers) {
    const shape s(4, {{0, 1, 2}, {2, 1, 9, 1}, {3}, {0, 1, 2}, {-1, 3, 0}});
    ASSERT_EQ(s.group_count(), 2) << "{1,2} lies inside {0,1,2}, {3} is too small, a repeat goes";
    EXPECT_EQ(std::vector<int>(s.group_cells(0).begin(), s.group_cells(0).end()),
              (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(std::vector<int>(s.group_cells(1).begin(), s.group_cells(1).end()),
              (std::vector<int>{0, 3}));
    EXPECT_EQ(std::vector<int>(s.neighbours(0).begin(), s.neighbours(0).end()),
              (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(s.groups_of(0).size(), 2u);
    EXPECT_FALSE(s.complete(0));
}

TEST(HexShape, CompactShapesHaveTheExpectedCellsAndHexagons) {
    const int hexagons[] = {1, 7, 19, 37};
    for (int r = 0; r <= 3; ++r) {
        const auto centres = compact_centres(r);
        ASSERT_EQ(static_cast<int>(centres.size()), hexagons[r]);
        const auto h = build_hexshape(centres);
        EXPECT_EQ(h.puzzle.cell_count(), 6 * (r + 1) * (r + 1)) << "radius " << r;
        EXPECT_EQ(complete_groups(h.puzzle), hexagons[r]) << "radius " << r;
    }
}

TEST(HexShape, SingleHexagonCellsNeighbourOnlyEachOther) {
    const auto h = build_hexshape({{0, 0}});
    ASSERT_EQ(h.puzzle.group_count(), 1) << "edge groups lie inside the hexagon's group";
    for (int c = 0; c < 6; ++c) EXPECT_EQ(h.puzzle.neighbours(c).size(), 5u);
}

TEST(HexShape, InnerCellTouchesTwelveCellsAndCentreOverlapsSixHexagons) {
    const auto h = build_hexshape(compact_centres(1));
    const int inner = cell_number(h, {{0, 0}, 1});
    ASSERT_GE(inner, 0);
    EXPECT_EQ(h.puzzle.neighbours(inner).size(), 12u);
    EXPECT_EQ(h.puzzle.groups_of(inner).size(), 3u);
    const int outer = cell_number(h, {{1, 0}, 1});
    ASSERT_GE(outer, 0);
    EXPECT_LT(h.puzzle.neighbours(outer).size(), 12u);

    int centre = -1;
    for (int g : h.puzzle.groups_of(inner)) {
        const auto cells = h.puzzle.group_cells(g);
        if (std::find(cells.begin(), cells.end(), cell_number(h, {{-1, 0}, 0})) != cells.end()) {
            centre = g;
        }
    }
    ASSERT_GE(centre, 0);
    ASSERT_EQ(h.puzzle.overlaps(centre).size(), 6u);
    for (const overlap& o : h.puzzle.overlaps(centre)) {
        EXPECT_TRUE(h.puzzle.complete(o.other));
        EXPECT_EQ(std::popcount(o.positions), 2);
    }
}

TEST(HexShape, NeighbouringHexagonsShareTwoCells) {
    const auto h = build_hexshape({{0, 0}, {1, 0}});
    EXPECT_EQ(h.puzzle.cell_count(), 10);
    EXPECT_EQ(complete_groups(h.puzzle), 2);
}

TEST(HexShape, RingLeavesItsMiddleOut) {
    const auto centres = ring_centres(2);
    ASSERT_EQ(centres.size(), 12u);
    const auto h = build_hexshape(centres);
    for (const latcell& c : triangles_around({0, 0})) {
        EXPECT_LT(cell_number(h, c), 0) << "the triangles around the middle are a hole";
    }
    EXPECT_GE(complete_groups(h.puzzle), 12);
}

TEST(HexShape, CellsAreNumberedInRowOrder) {
    const auto h = build_hexshape(compact_centres(2));
    for (std::size_t i = 1; i < h.cells.size(); ++i) {
        const auto& a = h.cells[i - 1];
        const auto& b = h.cells[i];
        EXPECT_TRUE(a.corner.b < b.corner.b ||
                    (a.corner.b == b.corner.b &&
                     (a.corner.a < b.corner.a || (a.corner.a == b.corner.a && a.type < b.type))));
    }
}
