// Tests of the values each cell still allows: recomputation from the board and
// narrowing by each entry. This program never runs the start-up
// (globinitvocalcul): the value tables must build themselves on first use.
#include "grid/chargegrille_testing.h"
#include "grid/clagrivora.h"
#include "lattice/centrescompacts_testing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

namespace {

// A grid of compact hexagons with random values (conflicting ones included)
// in random cells: each filled cell allows its own value only, each empty
// cell every value that no cell sharing a corner with it holds.
TEST(Propagation, RightWithoutTheStartUp) {
    lichavo lignes;
    centrescompacts(&lignes, 12, "X");
    clagrivora g;
    g.setfromgrivecdef(&lignes);
    g.fautunetabledescases();
    ASSERT_GT(g.getnbcases(), 30);
    std::mt19937 alea(2026);
    for (int essai = 0; essai < 20; ++essai) {
        for (short c = 1; c <= g.getnbcases(); ++c)
            g.setcaseval(c, alea() % 3 == 0 ? static_cast<short>(1 + alea() % 6) : short{0});
        g.ajustepossicase();
        for (short c = 1; c <= g.getnbcases(); ++c) {
            short attendu = 63;
            if (g.getcaseval(c) > 0) {
                attendu = static_cast<short>(1 << (g.getcaseval(c) - 1));
            } else {
                for (const short d : voisinesparlescoins(g, c)) {
                    if (g.getcaseval(d) > 0)
                        attendu = static_cast<short>(attendu & ~(1 << (g.getcaseval(d) - 1)));
                }
            }
            ASSERT_EQ(g.getvaluposs(c), attendu) << "trial " << essai << ", cell " << c;
        }
    }
}

TEST(Propagation, AnEmptyGridAllowsEverything) {
    clagrivora g;
    chargegrille(g, {"X", "XA", "XB"});
    g.ajustepossicase();
    for (short c = 1; c <= g.getnbcases(); ++c) EXPECT_EQ(g.getvaluposs(c), 63);
}

TEST(Propagation, FiveValuesInAHexagonLeaveTheSixth) {
    clagrivora g;
    chargegrille(g, {"X"});
    g.fautunetabledescases();
    for (short c = 1; c <= 5; ++c) g.setcaseval(c, c);
    g.ajustepossicase();
    EXPECT_EQ(g.getvaluposs(6), 32);
    for (short c = 1; c <= 5; ++c) EXPECT_EQ(g.getvaluposs(c), 1 << (c - 1));
}

TEST(Propagation, AFilledCellForbidsItsValueAroundItOnly) {
    clagrivora g;
    chargegrille(g, {"X", "XA", "XB", "XAA"});
    g.fautunetabledescases();
    const short c = g.numerodelacase(":AB");
    g.setcaseval(c, 3);
    g.ajustepossicase();
    EXPECT_EQ(g.getvaluposs(c), 4);
    const auto autour = voisinesparlescoins(g, c);
    for (short d = 1; d <= g.getnbcases(); ++d) {
        if (d == c) continue;
        EXPECT_EQ(g.getvaluposs(d), autour.count(d) ? 59 : 63) << g.getcases().adr(d);
    }
}

TEST(Propagation, TheOrderOfTheCellsDoesNotChangeTheResult) {
    clagrivora g;
    chargegrille(g, {"X", "XA", "XB", "XAA", "XE", "XAB"});
    g.fautunetabledescases();
    std::mt19937 alea(7);
    std::vector<short> remplies;
    for (short c = 1; c <= g.getnbcases(); c = static_cast<short>(c + 3)) {
        g.setcaseval(c, static_cast<short>(1 + alea() % 6));
        remplies.push_back(c);
    }
    g.ajustepossicase();
    std::vector<short> attendu;
    for (short c = 1; c <= g.getnbcases(); ++c) attendu.push_back(g.getvaluposs(c));
    for (int essai = 0; essai < 5; ++essai) {
        std::shuffle(remplies.begin(), remplies.end(), alea);
        for (short c = 1; c <= g.getnbcases(); ++c) g.setvaluposs(c, 63);
        for (short c : remplies) g.metencase(c, g.getcaseval(c));
        for (short c = 1; c <= g.getnbcases(); ++c)
            EXPECT_EQ(g.getvaluposs(c), attendu[static_cast<size_t>(c - 1)]);
    }
}

TEST(Propagation, EntriesNarrowAndAFullRecomputationForgetsErasedValues) {
    clagrivora g;
    chargegrille(g, {"X", "XA"});
    g.ajustepossicase();
    const short a = g.numerodelacase(":AB");
    const short b = g.numerodelacase(":AF");
    EXPECT_EQ(g.metencase(a, 2), 1);
    EXPECT_EQ(g.getvaluposs(b), 61);
    EXPECT_EQ(g.metencase(a, 2), 0) << "same value, neighbours already narrowed";
    g.setcaseval(b, 5);
    EXPECT_EQ(g.metencaseleger(b, 5), 1) << "value unchanged but neighbours narrow";
    g.setcaseval(a, 0);
    g.ajustepossicase();
    EXPECT_EQ(g.getvaluposs(a), 47);
    EXPECT_EQ(g.getvaluposs(b), 16);
}

TEST(Propagation, ForbiddingSkipsFilledCellsAndBadNumbers) {
    clagrivora g;
    chargegrille(g, {"X"});
    g.ajustepossicase();
    g.setcaseval(2, 4);
    EXPECT_EQ(g.interdicaval(2, 1), 0);
    EXPECT_EQ(g.interdicaval(0, 1), 0);
    EXPECT_EQ(g.interdicaval(7, 1), 0);
    EXPECT_EQ(g.interdicaval(1, 0), 0);
    EXPECT_EQ(g.getvaluposs(1), 63);
    EXPECT_EQ(g.interdicaval(1, 6), 1);
    EXPECT_EQ(g.interdicaval(1, 6), 0);
    EXPECT_EQ(g.interditrois(1, 2), 0);
    EXPECT_EQ(g.metencase(0, 3), 0);
    EXPECT_EQ(g.metencase(9, 3), 0);
}

TEST(Propagation, ANegativeValueCountsAsAnEmptyCell) {
    clagrivora g;
    chargegrille(g, {"X"});
    g.ajustepossicase();
    g.setcaseval(2, -1);
    EXPECT_EQ(g.interdicaval(2, 6), 1) << "a value of 0 or less is an empty cell";
    EXPECT_EQ(g.getvaluposs(2), 31);
    EXPECT_EQ(g.metencase(1, 5), 1);
    EXPECT_EQ(g.getvaluposs(2), 15) << "its neighbour's value is forbidden there";
}

} // namespace
