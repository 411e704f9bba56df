// Tests of the neighbour lines and the neighbour table: every cell lists the
// cells sharing a corner with it.
#include "grid/chargegrille_testing.h"
#include "grid/clagrivora.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// The cell's neighbours as the table gives them.
std::set<short> voisines(const clagrivora& g, short cell) {
    std::set<short> s;
    for (short i = 0; i < 12; ++i)
        if (g.casevoisine(cell, i)) s.insert(g.casevoisine(cell, i));
    return s;
}

// The number of filled slots before the first empty one.
short nbvoisines(const clagrivora& g, short cell) {
    short n = 0;
    while (n < 12 && g.casevoisine(cell, n)) ++n;
    return n;
}

TEST(NeighbourTable, SingleHexagonCellsHaveTheFiveOthers) {
    clagrivora g;
    chargegrille(g, {"X"});
    g.fautunetablevoisiquinze();
    for (short c = 1; c <= 6; ++c) {
        EXPECT_EQ(nbvoisines(g, c), 5);
        EXPECT_EQ(voisines(g, c).count(c), 0u);
        for (short i = 5; i < 12; ++i) EXPECT_EQ(g.casevoisine(c, i), 0);
    }
}

TEST(NeighbourTable, NeighboursAreExactlyTheCellsSharingACorner) {
    clagrivora g;
    chargegrille(g, {"X", "XA", "XB", "XAA", "XE"});
    g.fautunetablevoisiquinze();
    const lichavo& cases = g.getcases();
    for (short c = 1; c <= g.getnbcases(); ++c) {
        const std::set<short> attendu = voisinesparlescoins(g, c);
        EXPECT_EQ(voisines(g, c), attendu) << cases.adr(c);
        EXPECT_EQ(nbvoisines(g, c), static_cast<short>(attendu.size())) << "packed from slot 0";
    }
    EXPECT_EQ(nbvoisines(g, g.numerodelacase(":AB")), 12) << "an inner cell";
    EXPECT_LT(nbvoisines(g, g.numerodelacase("AAA:AB")), 12) << "a border cell";
}

TEST(NeighbourTable, OppositeSlotsAndOutOfRangeNumbersReadZero) {
    clagrivora g;
    chargegrille(g, {"X", "XA"});
    g.fautunetablevoisiquinze();
    for (short c = 0; c <= g.getnbcases(); ++c)
        for (short j = 0; j < 3; ++j) EXPECT_EQ(g.casopposee(c, j), 0);
    for (short i = 0; i < 12; ++i) EXPECT_EQ(g.casevoisine(0, i), 0);
    EXPECT_EQ(g.casevoisine(g.getnbcases() + 1, 0), 0);
    EXPECT_EQ(g.casevoisine(1, 12), 0);
    EXPECT_EQ(g.casevoisine(1, -1), 0);
}

TEST(NeighbourTable, UnknownNamesAddNothingAndALineOfNoCellFillsRecordZero) {
    clagrivora g;
    chargegrille(g, {"X"});
    std::vector<short> table(7 * 15, 0);
    lichavo l;
    l.padd(":AB,  :AF,ZZ:AB,:AF,C:AF,");
    l.padd("AAA:AB,  :AF,");
    g.alimunetabvoidouze(table, l);
    EXPECT_EQ(table[15 + 0], 2);
    EXPECT_EQ(table[15 + 1], 3);
    EXPECT_EQ(table[15 + 2], 0);
    EXPECT_EQ(table[0], 2);
}

TEST(NeighbourTable, KillAndRebuild) {
    clagrivora g;
    chargegrille(g, {"X"});
    g.fautunetablevoisiquinze();
    EXPECT_TRUE(g.faittabvoisi());
    g.killtablevoisiquinze();
    EXPECT_FALSE(g.faittabvoisi());
    EXPECT_EQ(g.casevoisine(1, 0), 0);
    g.killtablevoisiquinze();
    g.creatablevoisiquinze();
    EXPECT_EQ(nbvoisines(g, 1), 5);
}

} // namespace
