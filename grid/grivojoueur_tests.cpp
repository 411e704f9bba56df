// Tests of the player's side of the grid: pencil marks and their positions,
// the end of the grid (a cell without a positive value is not filled), going
// back to the givens and cell labels.
#include "grid/chargegrille_testing.h"
#include "grid/clagrivora.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

// The grid of the lines, with its cell table.
void chargeaveccases(clagrivora& g, std::initializer_list<const char*> lignes) {
    chargegrille(g, lignes);
    g.fautunetabledescases();
}

// Seven cells: one hexagon and the cell "A:AB" (number 3).
void septcases(clagrivora& g) {
    chargeaveccases(g, {"X", "A:AB"});
}

TEST(PencilMarks, ToggleClearAndDetect) {
    clagrivora g;
    septcases(g);
    EXPECT_EQ(g.yadespossusers(), 0);
    g.swapossuser(2, 1);
    g.swapossuser(2, 4);
    EXPECT_EQ(g.getpuser(2), 9);
    EXPECT_EQ(g.yadespossusers(), 1);
    g.swapossuser(2, 1);
    EXPECT_EQ(g.getpuser(2), 8);
    g.swapossuser(2, 7);
    g.swapossuser(2, 0);
    g.swapossuser(0, 3);
    EXPECT_EQ(g.getpuser(2), 8) << "only values 1..6 are marks";
    g.swapossuser(5, 6);
    g.razpuser(2);
    EXPECT_EQ(g.getpuser(2), 0);
    EXPECT_EQ(g.yadespossusers(), 1);
    g.razallpuser();
    EXPECT_EQ(g.yadespossusers(), 0);
}

TEST(PencilMarks, RoundAndTriangleLayouts) {
    clagrivora g;
    septcases(g);
    const short ab = g.numerodelacase(":AB"); // centre (20, 11)
    const short af = g.numerodelacase(":AF"); // centre (20, -11)
    short x = 0;
    short y = 0;
    g.calposipuserond(); // units 40 / 6 = 6 and 35 / 8 = 4
    g.givepossofuser(ab, 1, x, y);
    EXPECT_EQ(x, 14);
    EXPECT_EQ(y, 15);
    g.givepossofuser(af, 6, x, y);
    EXPECT_EQ(x, 26);
    EXPECT_EQ(y, -15);
    g.calposipusertri(); // units 5 and 8, r = 35 / 12 = 2
    g.givepossofuser(ab, 4, x, y);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 5);
    g.givepossofuser(af, 6, x, y);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(y, -21);
    g.givepossofuser(af, 1, x, y);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, -5);
    g.givepossofuser(af, 0, x, y);
    EXPECT_EQ(x, 20) << "no value: the centre";
}

TEST(PencilMarks, NearestMarkWithinASixthOfTheSize) {
    clagrivora g;
    septcases(g);
    g.calposipuserond();
    const short ab = g.numerodelacase(":AB"); // mark 1 at (14, 15), mark 2 at (20, 15)
    EXPECT_EQ(g.possiproche(ab, 14, 15), 1);
    EXPECT_EQ(g.possiproche(ab, 17, 15), 1) << "halfway between marks 1 and 2";
    EXPECT_EQ(g.possiproche(ab, 18, 15), 2);
    EXPECT_EQ(g.possiproche(ab, 8, 15), 1) << "6 pixels away";
    EXPECT_EQ(g.possiproche(ab, 7, 15), 0) << "7 pixels away";
    EXPECT_EQ(g.possiproche(0, 14, 15), 0);
}

TEST(PlayerEntries, AllowedValuesFinishedGridAndBackToGivens) {
    clagrivora g;
    chargeaveccases(g, {"X", "WPJ%100"});
    g.fautappliquerniveau();
    g.ajustepossicase();
    EXPECT_EQ(g.isautorisee(2, 1), 0);
    EXPECT_EQ(g.isautorisee(2, 2), 1);
    EXPECT_EQ(g.isautorisee(0, 2), 0);
    for (short c = 2; c <= 5; ++c) g.setcaseval(c, c);
    g.swapossuser(6, 6);
    EXPECT_EQ(g.cestfini(), 0) << "one empty cell, whatever its marks";
    g.setcaseval(6, 6);
    EXPECT_EQ(g.cestfini(), 1);
    g.retourafixe();
    EXPECT_EQ(g.getcaseval(1), 1);
    for (short c = 2; c <= 6; ++c) EXPECT_EQ(g.getcaseval(c), 0);
    for (short c = 1; c <= 6; ++c) EXPECT_EQ(g.getvaluposs(c), 0);
    clagrivora vide;
    EXPECT_EQ(vide.cestfini(), 0);
}

TEST(PlayerEntries, CellLabel) {
    clagrivora g;
    septcases(g);
    gstring t;
    g.ecricalignouv(&t, 1, g.numerodelacase(":AB"), " / ");
    EXPECT_STREQ(t.adr(), "L1 / C3");
    g.ecricalignouv(&t, 0, g.numerodelacase("D:AF"), "");
    EXPECT_STREQ(t.adr(), "L2-P1");
}

TEST(FinishedGrid, ACellWithoutAPositiveValueIsNotFilled) {
    clagrivora g;
    chargegrillejouable(g, {"X", "WPJ%100"});
    for (short c = 2; c <= 6; ++c) g.setcaseval(c, c);
    ASSERT_EQ(g.cestfini(), 1);
    for (short v : {short(-1), short(-6), short(-32768)}) {
        g.setcaseval(4, v);
        EXPECT_TRUE(g.casestvide(4));
        EXPECT_EQ(g.cestfini(), 0) << "value " << v;
    }
}

} // namespace
