// Tests of the difficulty levels: thresholds, the correction from the grid's
// shape, level 7, applying a level and the level labels.
#include "grid/chargegrille_testing.h"
#include "grid/clagrivora.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

// One hexagon with givens of codes 75 (":AB" = 1), 90 (":AF" = 2), 100
// ("C:AF" = 3) and 120 ("D:AB" = 4).
void hexagonedonne(clagrivora& g) {
    chargegrille(g, {"X", "WPJ%75", "VQJ%90", "CVRJ%100", "DWSJ%120"});
    g.fautvalfixentables();
}

TEST(Levels, ThresholdsAndCodesMapBothWays) {
    const short seuils[] = {75, 80, 85, 90, 95, 100, 120};
    for (short n = 1; n <= 7; ++n) {
        EXPECT_EQ(clagrivora::sixtocent(n), seuils[n - 1]);
        EXPECT_EQ(clagrivora::centosix(seuils[n - 1]), n);
    }
    EXPECT_EQ(clagrivora::sixtocent(0), 75);
    EXPECT_EQ(clagrivora::sixtocent(8), 75);
    EXPECT_EQ(clagrivora::centosix(0), 1);
    EXPECT_EQ(clagrivora::centosix(99), 1);
}

TEST(Levels, OneHexagonShiftsTheLevelByThree) {
    clagrivora g;
    hexagonedonne(g);
    const short effectifs[] = {4, 5, 6, 6, 6, 6};
    for (short n = 1; n <= 6; ++n) {
        g.bonsniveaux(n);
        EXPECT_EQ(g.getdeclassement(), 3);
        EXPECT_EQ(g.getniveaueffectif(), effectifs[n - 1]) << "wanted " << n;
        EXPECT_EQ(g.getniveaunominal(), n);
        EXPECT_EQ(g.getseuilvoulu(), clagrivora::sixtocent(n));
        EXPECT_EQ(g.getseuilapplique(), clagrivora::sixtocent(effectifs[n - 1]));
        EXPECT_TRUE(g.getniveaucalcule());
    }
    g.bonsniveaux(7);
    EXPECT_EQ(g.getniveaueffectif(), 7) << "the grid has codes 100 and 120";
    EXPECT_EQ(g.getseuilapplique(), 120);
}

TEST(Levels, AFullNeighbourhoodNeedsNoCorrection) {
    clagrivora g;
    chargegrille(g, {"X", "XA", "XB", "XC", "XD", "XE", "XF"});
    for (short n = 1; n <= 6; ++n) {
        g.bonsniveaux(n);
        EXPECT_EQ(g.getdeclassement(), 0);
        EXPECT_EQ(g.getniveaueffectif(), n);
    }
    clagrivora deux;
    chargegrille(deux, {"X", "XA"});
    deux.declassecalc();
    EXPECT_EQ(deux.getdeclassement(), 3) << "6 - 1 neighbour, at most 3";

    // The correction is kept per definition: the same object given another
    // definition computes it again.
    chargegrille(g, {"X", "XA"});
    g.bonsniveaux(2);
    EXPECT_EQ(g.getdeclassement(), 3);
    EXPECT_EQ(g.getniveaueffectif(), 5);
}

TEST(Levels, CodeHundredTwentyWithoutHundredIsNoLevelSeven) {
    clagrivora g;
    chargegrille(g, {"X", "WPJ%120", "VQJ%90"});
    EXPECT_FALSE(g.yaniveausept()) << "no cell table yet";
    g.fautvalfixentables();
    EXPECT_FALSE(g.yaniveausept());
    EXPECT_EQ(g.getnidef(g.numerodelacase(":AB")), 100);
    EXPECT_EQ(g.fixenivoulu(120), 100);
    g.bonsniveaux(7);
    EXPECT_EQ(g.getniveaueffectif(), 6);
    EXPECT_EQ(g.getniveaunominal(), 6);
}

TEST(Levels, WantedThresholdsOfSeventyFourOrLessReadAsHundred) {
    clagrivora g;
    hexagonedonne(g);
    EXPECT_EQ(g.fixenivoulu(0), 0);
    EXPECT_FALSE(g.getniveaucalcule());
    g.yaleuboniveau();
    EXPECT_EQ(g.getniveauvoulu(), 6);
    EXPECT_EQ(g.getseuilapplique(), 100);
    EXPECT_EQ(g.fixenivoulu(120), 120) << "this grid has a level 7";
}

TEST(Levels, ApplyingALevelShowsTheGivensItReachesAndEmptiesTheRest) {
    clagrivora g;
    hexagonedonne(g);
    const short ab = g.numerodelacase(":AB");
    const short af = g.numerodelacase(":AF");
    const short caf = g.numerodelacase("C:AF");
    const short dab = g.numerodelacase("D:AB");
    const short eab = g.numerodelacase("E:AB");
    g.bonsniveaux(1); // effective 4, threshold 90
    g.setcaseval(eab, 5);
    g.fautappliquerniveau();
    EXPECT_EQ(g.getseuilenplace(), 90);
    EXPECT_TRUE(g.yaleuboniveau());
    EXPECT_EQ(g.getcaseval(ab), 0);
    EXPECT_FALSE(g.casestfixe(ab));
    EXPECT_EQ(g.getcaseval(af), 2);
    EXPECT_TRUE(g.casestfixe(af));
    EXPECT_EQ(g.getcaseval(caf), 3);
    EXPECT_EQ(g.getcaseval(dab), 4);
    EXPECT_EQ(g.getcaseval(eab), 0) << "a player entry is lost";
    g.setcaseval(eab, 5);
    g.fautappliquerniveau();
    EXPECT_EQ(g.getcaseval(eab), 5) << "the level in force is not applied again";
    g.fixenivoulu(120);
    g.fautappliquerniveau();
    EXPECT_EQ(g.getcaseval(eab), 0);
    EXPECT_EQ(g.getcaseval(af), 0);
    EXPECT_EQ(g.getcaseval(dab), 4);
    EXPECT_EQ(g.getseuilenplace(), 120);
}

TEST(Levels, AGridWithoutGivensOnlyMarksThemNotPlaced) {
    clagrivora g;
    chargegrille(g, {"X"});
    g.fautunetabledescases();
    g.setcaseval(1, 3);
    g.fautappliquerniveau();
    g.appliquerniveau();
    EXPECT_EQ(g.getcaseval(1), 3);
    EXPECT_FALSE(g.faitvalfix());
}

TEST(Levels, LabelsInBothLanguages) {
    gstring n, f, e;
    clagrivora::texteniv(1, &n, &f, &e);
    EXPECT_STREQ(n.adr(), "1");
    EXPECT_STREQ(f.adr(), "1-tr\xE8s facile");
    EXPECT_STREQ(e.adr(), "1-very easy");
    clagrivora::texteniv(6, &n, &f, &e);
    EXPECT_STREQ(f.adr(), "6-tr\xE8s difficile");
    EXPECT_STREQ(e.adr(), "6-very difficult");
    clagrivora::texteniv(4, &n, &f, &e);
    EXPECT_STREQ(f.adr(), "4-moyen haut");
    EXPECT_STREQ(e.adr(), "4-fairly difficult");
    clagrivora::texteniv(0, &n, &f, &e);
    EXPECT_STREQ(n.adr(), "0");
    EXPECT_STREQ(f.adr(), "xxx");
    EXPECT_STREQ(e.adr(), "xxx");
}

TEST(Levels, LabelShownWithTheGrid) {
    clagrivora g;
    hexagonedonne(g);
    g.bonsniveaux(1); // effective 4, nominal 1
    gstring t;
    EXPECT_EQ(g.libniveaubis(&t, 0, false), 4);
    EXPECT_STREQ(t.adr(), "4");
    EXPECT_EQ(g.libniveaubis(&t, 0, true), 4);
    EXPECT_STREQ(t.adr(), "4-moyen haut");
    EXPECT_EQ(g.libniveaubis(&t, 10, true), 1);
    EXPECT_STREQ(t.adr(), "1-very easy");
    EXPECT_EQ(g.libniveaubis(&t, 11, true), 1);
    EXPECT_STREQ(t.adr(), "1-tr\xE8s facile");
    EXPECT_EQ(g.libniveaubis(&t, 13, true), 1);
    EXPECT_STREQ(t.adr(), "1-very easy");
    EXPECT_EQ(g.libniveaubis(&t, 15, false), 1);
    g.bonsniveaux(7);
    EXPECT_EQ(g.libniveaubis(&t, 14, false), 7) << "level 7 is not corrected";
}

} // namespace
