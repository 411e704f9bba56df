// Tests of the game-state text: how values and marks are written and read
// back, the texts that are rejected, givens that no item changes, the pending
// entries, and any bytes or any length decoding within the tables (the
// sanitizer build checks the memory).
#include "grid/chargegrille_testing.h"
#include "grid/clagrivora.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>
#include <vector>

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

// A text mixing the characters of game-state texts with any other byte.
std::string textealeatoire(std::mt19937& alea, size_t longueur) {
    static const std::string utiles = "ABCDEFGHKabcdefghk01234567";
    std::string t(longueur, ' ');
    for (char& ch : t) {
        if (alea() % 2)
            ch = utiles[alea() % utiles.size()];
        else
            ch = static_cast<char>(1 + alea() % 255);
    }
    return t;
}

TEST(GameState, EmptyRunsShrinkAndLowerCaseDecodes) {
    clagrivora g;
    septcases(g);
    EXPECT_EQ(textedetat(g), "KKG");
    g.setcaseval(3, 2);
    EXPECT_EQ(textedetat(g), "HBKG") << "runs of two and of four";
    g.setcaseval(3, 0);
    g.setcaseval(2, 4);
    EXPECT_EQ(textedetat(g), "GDKH") << "a run of five";
    g.setactudatabis("kkg");
    EXPECT_EQ(g.getcaseval(5), 0);
    EXPECT_EQ(textedetat(g), "KKG");
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
    EXPECT_EQ(textedetat(g), "117007EK") << "marks of a filled cell are not written";
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
    const std::string texte = textedetat(g);
    clagrivora h;
    chargeaveccases(h, {"X", "XA", "XAA", "XB"});
    h.setactudatabis(texte.c_str());
    for (short c = 1; c <= g.getnbcases(); ++c) {
        EXPECT_EQ(h.getcaseval(c), g.getcaseval(c)) << c;
        EXPECT_EQ(h.getpuser(c), g.getcaseval(c) ? 0 : g.getpuser(c)) << c;
    }
    EXPECT_EQ(textedetat(h), texte);
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
    EXPECT_EQ(textedetat(g).size(), 3u);
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

TEST(Robustness, AnyStateTextDecodesWithinTheTables) {
    clagrivora g;
    chargegrillejouable(g, {"X", "XA", "XB", "WPJ%100", "AVRJ%90"});
    const short n = g.getnbcases();
    std::mt19937 alea(20261208);
    for (int essai = 0; essai < 4000; ++essai) {
        const std::string t = textealeatoire(alea, alea() % (3 * static_cast<size_t>(n)));
        g.setactudatabis(t.c_str());
        for (short c = 1; c <= n; ++c) {
            ASSERT_GE(g.getcaseval(c), 0) << t;
            ASSERT_LE(g.getcaseval(c), 6) << t;
            ASSERT_GE(g.getpuser(c), 0) << t;
            ASSERT_LE(g.getpuser(c), 63) << t;
        }
        for (short i = 1; i <= lisaisiesattente.effectif(); ++i) {
            gstring entree(lisaisiesattente.adr(i));
            gstring genre;
            genre.depilefrom(entree.adr());
            gstring numero;
            numero.depilefrom(entree.adr());
            const short cell = static_cast<short>(std::stoi(numero.adr()));
            ASSERT_GE(cell, 1) << t;
            ASSERT_LE(cell, n) << t;
        }
        g.injecterpossuval();
        const std::string s = textedetat(g);
        g.setactudatabis(s.c_str());
        ASSERT_EQ(textedetat(g), s) << "a text the grid wrote reads back the same";
    }
}

TEST(Robustness, TextsLongerThanSixteenBitsAreRejected) {
    clagrivora g;
    chargegrillejouable(g, {"X", "WPJ%100"});
    std::mt19937 alea(5);
    for (size_t longueur : {size_t{32767}, size_t{32768}, size_t{65537}, size_t{100000}}) {
        const std::string t = textealeatoire(alea, longueur);
        g.setactudatabis(t.c_str());
        EXPECT_EQ(g.getcaseval(1), 1) << "the given is kept";
        for (short c = 2; c <= g.getnbcases(); ++c) EXPECT_EQ(g.getcaseval(c), 0);
        EXPECT_EQ(g.yadespossusers(), 0);
        EXPECT_TRUE(lisaisiesattente.isempty());
    }
    g.setactudatabis(std::string(50000, 'K').c_str());
    EXPECT_EQ(textedetat(g), "AKH") << "givens only";
}

TEST(Robustness, StateTextsOfAGridWithoutCells) {
    clagrivora g;
    g.setactudatabis("ABC12KH");
    EXPECT_TRUE(lisaisiesattente.isempty());
    EXPECT_EQ(textedetat(g), "");
    g.injecterpossuval();
    EXPECT_EQ(g.cestfini(), 0);
}

// One hexagon with its cell 1 given (value 1) at every level.
void unedonnee(clagrivora& g) {
    chargegrillejouable(g, {"X", "WPJ%100"});
    ASSERT_TRUE(g.casestfixe(1));
    ASSERT_EQ(g.getcaseval(1), 1);
}

struct casdonnee {
    const char* texte;
    const char* pourquoi;
    short marquesencase2; // the marks cell 2 receives
};

TEST(GameStateGivens, AnyItemAtAGivenLeavesItWholeAndTheRestApplies) {
    const casdonnee cas[] = {
        {"GB", "an empty item at the given", 0},
        {"gB", "a lower-case empty item at the given", 0},
        {"11B", "pencil marks at the given", 0},
        {"*B", "an odd character at the given", 0},
        {"A70", "the given's own letter, marks after it", 7},
    };
    for (const casdonnee& c : cas) {
        clagrivora g;
        unedonnee(g);
        g.swapossuser(1, 6);
        g.setactudatabis(c.texte);
        EXPECT_EQ(g.getcaseval(1), 1) << c.pourquoi;
        EXPECT_TRUE(g.casestfixe(1)) << c.pourquoi;
        EXPECT_EQ(g.getpuser(1), 32) << c.pourquoi << ": the given's marks stay";
        if (c.marquesencase2) {
            EXPECT_EQ(g.getpuser(2), c.marquesencase2) << c.pourquoi;
        } else {
            EXPECT_EQ(g.getcaseval(2), 2) << c.pourquoi << ": the rest of the text applies";
        }
        g.debutmodaffichagrille();
        EXPECT_EQ(g.getcaseval(1), 1) << c.pourquoi;
    }
}

TEST(GameStateGivens, NoPendingEntryIsQueuedForAGiven) {
    clagrivora g;
    unedonnee(g);
    g.setactudatabis("21C");
    EXPECT_EQ(lisaisiesattente.effectif(), 1) << "only the letter of cell 2";
    EXPECT_STREQ(lisaisiesattente.adr(1), "v,2,3");
    lisaisiesattente.clear();
}

TEST(GameStateGivens, AStateSavedWithFewerGivensFinishesAtTheLevelWithMore) {
    // Saved when cell 1 was the player's to fill: the text says it is empty.
    clagrivora g;
    unedonnee(g);
    g.setactudatabis("GBCDEF");
    g.debutmodaffichagrille();
    for (short c = 2; c <= 6; ++c) EXPECT_EQ(g.getcaseval(c), c);
    EXPECT_EQ(g.getcaseval(1), 1);
    EXPECT_EQ(g.cestfini(), 1) << "every cell is filled, the given included";
}

TEST(GameStateGivens, AContradictingLetterStillRejectsTheWholeText) {
    clagrivora g;
    unedonnee(g);
    g.setactudatabis("CB");
    EXPECT_EQ(g.getcaseval(1), 1);
    EXPECT_EQ(g.getcaseval(2), 0);
    EXPECT_TRUE(lisaisiesattente.isempty());
}

} // namespace
