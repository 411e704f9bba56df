// Tests that a game-state text never changes a given cell, and that the end
// of the grid agrees with the empty-cell test.
#include "grid/clagrivora.h"
#include "grid/vocalculinit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// One hexagon with its cell 1 given (value 1) at every level.
void unedonnee(clagrivora& g) {
    globinitvocalcul();
    lichavo l;
    l.padd("X");
    l.padd("WPJ%100");
    g.setfromgrivecdef(&l);
    g.fautunetabledescases();
    g.fautappliquerniveau();
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

TEST(FinishedGrid, ACellWithoutAPositiveValueIsNotFilled) {
    clagrivora g;
    unedonnee(g);
    for (short c = 2; c <= 6; ++c) g.setcaseval(c, c);
    ASSERT_EQ(g.cestfini(), 1);
    for (short v : {short(-1), short(-6), short(-32768)}) {
        g.setcaseval(4, v);
        EXPECT_TRUE(g.casestvide(4));
        EXPECT_EQ(g.cestfini(), 0) << "value " << v;
    }
}

} // namespace
