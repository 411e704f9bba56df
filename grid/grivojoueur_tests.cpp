// Tests of the player's side of the grid: pencil marks and their positions,
// the end of the grid, going back to the givens, cell labels and the
// game-state text.
#include "grid/chargegrille_testing.h"
#include "grid/clagrivora.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>

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

std::string etat(clagrivora& g) {
    gstring t;
    g.getactudata(3, &t);
    return t.adr();
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

TEST(GameState, EmptyRunsShrinkAndLowerCaseDecodes) {
    clagrivora g;
    septcases(g);
    EXPECT_EQ(etat(g), "KKG");
    g.setcaseval(3, 2);
    EXPECT_EQ(etat(g), "HBKG") << "runs of two and of four";
    g.setcaseval(3, 0);
    g.setcaseval(2, 4);
    EXPECT_EQ(etat(g), "GDKH") << "a run of five";
    g.setactudatabis("kkg");
    EXPECT_EQ(g.getcaseval(5), 0);
    EXPECT_EQ(etat(g), "KKG");
}

TEST(GameState, MarksAreTwoOctalDigitsLowThenHigh) {
    clagrivora g;
    septcases(g);
    g.swapossuser(1, 1);
    g.swapossuser(1, 4);
    for (short v = 1; v <= 3; ++v) g.swapossuser(2, v);
    for (short v = 4; v <= 6; ++v) g.swapossuser(3, v);
    g.swapossuser(4, 2);
    g.setcaseval(4, 5);
    EXPECT_EQ(etat(g), "117007EK") << "marks of a filled cell are not written";
}

TEST(GameState, BoardsRoundTripThroughTheText) {
    clagrivora g;
    chargeaveccases(g, {"X", "XA", "XAA", "XB"});
    std::mt19937 alea(3);
    for (short c = 1; c <= g.getnbcases(); ++c) {
        const unsigned tirage = alea() % 4;
        if (tirage == 1) g.setcaseval(c, static_cast<short>(1 + alea() % 6));
        if (tirage == 2)
            for (short v = 1; v <= 6; ++v)
                if (alea() % 2) g.swapossuser(c, v);
    }
    const std::string texte = etat(g);
    clagrivora h;
    chargeaveccases(h, {"X", "XA", "XAA", "XB"});
    h.setactudatabis(texte.c_str());
    for (short c = 1; c <= g.getnbcases(); ++c) {
        EXPECT_EQ(h.getcaseval(c), g.getcaseval(c)) << c;
        EXPECT_EQ(h.getpuser(c), g.getcaseval(c) ? 0 : g.getpuser(c)) << c;
    }
    EXPECT_EQ(etat(h), texte);
}

TEST(GameState, AShortTextLeavesTheOtherCells) {
    clagrivora g;
    septcases(g);
    g.setcaseval(6, 3);
    g.setactudatabis("AB");
    EXPECT_EQ(g.getcaseval(1), 1);
    EXPECT_EQ(g.getcaseval(2), 2);
    EXPECT_EQ(g.getcaseval(6), 3);
}

TEST(GameState, TooManyItemsOrAContradictedGivenAreRejected) {
    clagrivora g;
    chargeaveccases(g, {"X", "WPJ%100"});
    g.fautappliquerniveau();
    g.setactudatabis("AB11HG");
    EXPECT_EQ(g.getcaseval(2), 2);
    EXPECT_EQ(g.getpuser(3), 9);
    EXPECT_EQ(lisaisiesattente.effectif(), 2) << "one value and one mark entry";
    g.setactudatabis("AB11KG");
    EXPECT_EQ(g.getcaseval(1), 1) << "the given stays";
    EXPECT_EQ(g.getcaseval(2), 0);
    EXPECT_EQ(g.yadespossusers(), 0);
    EXPECT_EQ(lisaisiesattente.effectif(), 0) << "a rejected text queues nothing";
    g.setactudatabis("CB");
    EXPECT_EQ(g.getcaseval(1), 1) << "the contradicted given is restored";
    EXPECT_TRUE(g.casestfixe(1));
    EXPECT_EQ(g.getcaseval(2), 0);
    EXPECT_EQ(lisaisiesattente.effectif(), 0);
}

TEST(GameState, OddCharactersStoreNothingAndMarkPairsStayInRange) {
    clagrivora g;
    septcases(g);
    g.setcaseval(1, 4);
    g.swapossuser(2, 3);
    g.setactudatabis("*?B");
    EXPECT_EQ(g.getcaseval(1), 0);
    EXPECT_EQ(g.getpuser(2), 0);
    EXPECT_EQ(g.getcaseval(3), 2);
    g.setactudatabis("59B");
    EXPECT_EQ(g.getpuser(1), 5) << "a second half outside 0..7 counts as 0";
    EXPECT_EQ(g.getcaseval(2), 2) << "and is consumed";
    g.setactudatabis("GGGGGG3");
    EXPECT_EQ(g.getpuser(7), 3) << "a missing second half counts as 0";
}

TEST(GameState, AnyBytesDecodeWithinTheTable) {
    clagrivora g;
    septcases(g);
    std::mt19937 alea(11);
    for (int essai = 0; essai < 300; ++essai) {
        std::string t(alea() % 40, ' ');
        for (char& ch : t) ch = static_cast<char>(1 + alea() % 255);
        g.setactudatabis(t.c_str());
        for (short c = 1; c <= 7; ++c) {
            EXPECT_GE(g.getpuser(c), 0);
            EXPECT_LE(g.getpuser(c), 63);
            EXPECT_GE(g.getcaseval(c), 0);
            EXPECT_LE(g.getcaseval(c), 6);
        }
        g.injecterpossuval();
    }
    g.setactudatabis(nullptr);
    EXPECT_EQ(etat(g).size(), 3u);
}

TEST(GameState, PendingEntriesSurviveTheLevelAtTheNextDrawing) {
    clagrivora g;
    chargeaveccases(g, {"X", "WPJ%100", "VQJ%80"});
    g.bonsniveaux(1);
    g.setactudatabis("AGB21");
    EXPECT_EQ(g.getcaseval(3), 2);
    g.debutmodaffichagrille();
    EXPECT_EQ(g.getseuilenplace(), 90);
    EXPECT_EQ(g.getcaseval(1), 1);
    EXPECT_EQ(g.getcaseval(2), 0) << "code 80 is under the threshold";
    EXPECT_EQ(g.getcaseval(3), 2) << "the pending value is applied after the level";
    EXPECT_EQ(g.getvaluposs(4), 10) << "a pending mark entry sets the possible values";
    EXPECT_EQ(g.getpuser(4), 10);
    EXPECT_TRUE(lisaisiesattente.isempty());
    EXPECT_TRUE(g.faitsegtour());
    EXPECT_TRUE(g.faitcoord());
}

TEST(GameState, InjectingSkipsGivensAndBadNumbers) {
    clagrivora g;
    chargeaveccases(g, {"X", "WPJ%100"});
    g.fautappliquerniveau();
    lisaisiesattente.padd("v,1,5");
    lisaisiesattente.padd("V,2,5");
    lisaisiesattente.padd("p,3,12");
    lisaisiesattente.padd("v,0,3");
    lisaisiesattente.padd("v,99,3");
    lisaisiesattente.padd("x,4,3");
    g.injecterpossuval();
    EXPECT_EQ(g.getcaseval(1), 1);
    EXPECT_EQ(g.getcaseval(2), 5);
    EXPECT_EQ(g.getvaluposs(3), 12);
    EXPECT_EQ(g.getcaseval(4), 0);
    EXPECT_TRUE(lisaisiesattente.isempty());
}

} // namespace
