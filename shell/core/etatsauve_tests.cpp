// Tests of putting a saved state back on a catalogue grid: the chosen level
// first, givens never emptied, bad and rule-breaking texts rejected.
#include "shell/core/etatsauve.h"

#include "lattice/catalogue/grillecatalogue.h"

#include "grid/clagrivora.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// Load the catalogue grid name into the test's grid page.
clagrivora& charge(const char* name) {
    static clagrivora page;
    EXPECT_EQ(grilleload(0, &page, name), 1) << name;
    return page;
}

std::map<short, short> donnees(const clagrivora& g) {
    std::map<short, short> r;
    for (short c = 1; c <= g.getnbcases(); ++c)
        if (g.casestfixe(c)) r[c] = g.getcaseval(c);
    return r;
}

std::string etat(clagrivora& g) {
    gstring t;
    g.getactudata(3, &t);
    return t.adr();
}

TEST(Restaureplateau, EmptyItemsNeverEmptyAGiven) {
    clagrivora& g = charge("1251-1");
    const auto avant = donnees(g);
    ASSERT_FALSE(avant.empty());
    EXPECT_TRUE(restaureplateau(g, 0, std::string(g.getnbcases(), 'G').c_str()));
    g.debutmodaffichagrille();
    EXPECT_EQ(donnees(g), avant);
    for (const auto& [c, v] : avant) EXPECT_EQ(g.getcaseval(c), v) << c;
}

TEST(Restaureplateau, TheChosenLevelComesFirst) {
    clagrivora& g = charge("1251-1");
    ASSERT_TRUE(restaureplateau(g, 1, ""));
    EXPECT_EQ(g.getniveauvoulu(), 1);
    const auto facile = donnees(g);
    ASSERT_TRUE(restaureplateau(g, 7, ""));
    const auto dur = donnees(g);
    ASSERT_LT(dur.size(), facile.size()) << "level 7 shows fewer givens";

    // A state saved at level 7 where the player found some of the values that
    // level 1 gives, and left the others empty.
    bool une = false;
    for (const auto& [c, v] : facile) {
        if (dur.count(c)) continue;
        if (!une) g.setcaseval(c, v);
        une = true;
    }
    const std::string sauve = etat(g);
    ASSERT_TRUE(restaureplateau(g, 1, sauve.c_str()));
    g.debutmodaffichagrille();
    EXPECT_EQ(donnees(g), facile) << "every given of level 1 in place";
}

TEST(Restaureplateau, AWrongValueAtAGivenRejectsTheText) {
    clagrivora& g = charge("1251-1");
    ASSERT_TRUE(restaureplateau(g, 1, ""));
    const auto facile = donnees(g);
    ASSERT_TRUE(restaureplateau(g, 7, ""));
    const auto dur = donnees(g);
    short cible = 0;
    for (const auto& [c, v] : facile)
        if (!dur.count(c)) cible = c;
    ASSERT_GT(cible, 0);
    g.setcaseval(cible, static_cast<short>(facile.at(cible) % 6 + 1));
    const std::string sauve = etat(g);
    EXPECT_FALSE(restaureplateau(g, 1, sauve.c_str()));
    EXPECT_EQ(donnees(g), facile);
    EXPECT_TRUE(lisaisiesattente.isempty());
}

TEST(Restaureplateau, RuleBreakingAndForeignTextsAreRejected) {
    clagrivora& g = charge("1251-1");
    const auto avant = donnees(g);
    // Two empty neighbouring cells given the same value.
    g.fautunetablevoisiquinze();
    short a = 0;
    short b = 0;
    for (short c = 1; c <= g.getnbcases() && !a; ++c) {
        if (g.casestfixe(c)) continue;
        for (short k = 0; k < 12; ++k) {
            const short n = g.casevoisine(c, k);
            if (n > 0 && !g.casestfixe(n)) {
                a = c;
                b = n;
                break;
            }
        }
    }
    ASSERT_GT(a, 0);
    short v = 1;
    while (!g.isautorisee(a, v) || !g.isautorisee(b, v)) ++v;
    g.setcaseval(a, v);
    g.setcaseval(b, v);
    g.swapossuser(a == 1 ? 2 : 1, 3);
    const std::string casse = etat(g);
    EXPECT_FALSE(restaureplateau(g, 0, casse.c_str()));
    EXPECT_EQ(g.getcaseval(a), 0);
    EXPECT_EQ(g.getcaseval(b), 0);
    EXPECT_EQ(g.yadespossusers(), 0);
    EXPECT_EQ(donnees(g), avant);

    for (const char* t : {"AB CD", "AB=", "\xC9", "Z", "99"}) {
        EXPECT_FALSE(restaureplateau(g, 0, t)) << t;
        EXPECT_EQ(donnees(g), avant) << t;
    }
    EXPECT_FALSE(restaureplateau(g, 0, std::string(g.getnbcases() + 1u, 'G').c_str()))
        << "longer than the grid";
    EXPECT_TRUE(restaureplateau(g, 0, "G")) << "shorter than the grid";
    EXPECT_TRUE(restaureplateau(g, 0, nullptr));
}

} // namespace
