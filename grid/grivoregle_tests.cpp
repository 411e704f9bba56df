// Tests of the rule: the neighbour table and the propagation of the values
// each cell still allows.
#include "grid/clagrivora.h"
#include "grid/vocalculinit.h"
#include "lattice/topoitem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

void charge(clagrivora& g, std::initializer_list<const char*> lignes) {
    globinitvocalcul();
    lichavo l;
    for (const char* t : lignes) l.padd(t);
    g.setfromgrivecdef(&l);
}

std::set<std::string> coins(const char* cell) {
    gstring out;
    topogivetroispointscase(&out, cell);
    lichavo l;
    l.setfromgskeep(out);
    std::set<std::string> s;
    for (short i = 1; i <= l.effectif(); ++i) s.insert(l.adr(i));
    return s;
}

std::set<short> voisines(const clagrivora& g, short cell) {
    std::set<short> s;
    for (short i = 0; i < 12; ++i)
        if (g.casevoisine(cell, i)) s.insert(g.casevoisine(cell, i));
    return s;
}

short nbvoisines(const clagrivora& g, short cell) {
    short n = 0;
    while (n < 12 && g.casevoisine(cell, n)) ++n;
    return n;
}

TEST(NeighbourTable, SingleHexagonCellsHaveTheFiveOthers) {
    clagrivora g;
    charge(g, {"X"});
    g.fautunetablevoisiquinze();
    for (short c = 1; c <= 6; ++c) {
        EXPECT_EQ(nbvoisines(g, c), 5);
        EXPECT_EQ(voisines(g, c).count(c), 0u);
        for (short i = 5; i < 12; ++i) EXPECT_EQ(g.casevoisine(c, i), 0);
    }
}

TEST(NeighbourTable, NeighboursAreExactlyTheCellsSharingACorner) {
    clagrivora g;
    charge(g, {"X", "XA", "XB", "XAA", "XE"});
    g.fautunetablevoisiquinze();
    const lichavo& cases = g.getcases();
    for (short c = 1; c <= g.getnbcases(); ++c) {
        std::set<short> attendu;
        const auto mes = coins(cases.adr(c));
        for (short d = 1; d <= g.getnbcases(); ++d) {
            if (d == c) continue;
            const auto autres = coins(cases.adr(d));
            if (std::any_of(mes.begin(), mes.end(), [&](auto& p) { return autres.count(p); }))
                attendu.insert(d);
        }
        EXPECT_EQ(voisines(g, c), attendu) << cases.adr(c);
        EXPECT_EQ(nbvoisines(g, c), static_cast<short>(attendu.size())) << "packed from slot 0";
    }
    EXPECT_EQ(nbvoisines(g, g.numerodelacase(":AB")), 12) << "an inner cell";
    EXPECT_LT(nbvoisines(g, g.numerodelacase("AAA:AB")), 12) << "a border cell";
}

TEST(NeighbourTable, OppositeSlotsAndOutOfRangeNumbersReadZero) {
    clagrivora g;
    charge(g, {"X", "XA"});
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
    charge(g, {"X"});
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
    charge(g, {"X"});
    g.fautunetablevoisiquinze();
    EXPECT_TRUE(g.faittabvoisi());
    g.killtablevoisiquinze();
    EXPECT_FALSE(g.faittabvoisi());
    EXPECT_EQ(g.casevoisine(1, 0), 0);
    g.killtablevoisiquinze();
    g.creatablevoisiquinze();
    EXPECT_EQ(nbvoisines(g, 1), 5);
}

TEST(Propagation, AnEmptyGridAllowsEverything) {
    clagrivora g;
    charge(g, {"X", "XA", "XB"});
    g.ajustepossicase();
    for (short c = 1; c <= g.getnbcases(); ++c) EXPECT_EQ(g.getvaluposs(c), 63);
}

TEST(Propagation, FiveValuesInAHexagonLeaveTheSixth) {
    clagrivora g;
    charge(g, {"X"});
    g.fautunetabledescases();
    for (short c = 1; c <= 5; ++c) g.setcaseval(c, c);
    g.ajustepossicase();
    EXPECT_EQ(g.getvaluposs(6), 32);
    for (short c = 1; c <= 5; ++c) EXPECT_EQ(g.getvaluposs(c), 1 << (c - 1));
}

TEST(Propagation, AFilledCellForbidsItsValueAroundItOnly) {
    clagrivora g;
    charge(g, {"X", "XA", "XB", "XAA"});
    g.fautunetabledescases();
    const short c = g.numerodelacase(":AB");
    g.setcaseval(c, 3);
    g.ajustepossicase();
    EXPECT_EQ(g.getvaluposs(c), 4);
    const auto autour = voisines(g, c);
    for (short d = 1; d <= g.getnbcases(); ++d) {
        if (d == c) continue;
        EXPECT_EQ(g.getvaluposs(d), autour.count(d) ? 59 : 63) << g.getcases().adr(d);
    }
}

TEST(Propagation, TheOrderOfTheCellsDoesNotChangeTheResult) {
    clagrivora g;
    charge(g, {"X", "XA", "XB", "XAA", "XE", "XAB"});
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
    charge(g, {"X", "XA"});
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
    charge(g, {"X"});
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

} // namespace
