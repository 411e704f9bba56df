// Tests of the undo history: recording every entry within the length bound,
// undo and redo on a grid, parking across the rules pages.
#include "shell/core/actionmemoire.h"
#include "shell/core/defairefaire.h"

#include "grid/clagrivora.h"
#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> entrees(const defairefaire& h) {
    std::vector<std::string> r;
    for (short i = 1; i <= h.effectif(); ++i) r.emplace_back(h.adr(i));
    return r;
}

// Record "v3,17" / "/v3,17" texts in order.
void enregistre(defairefaire& h, const std::vector<std::string>& actions) {
    for (const std::string& a : actions) {
        const bool efface = a[0] == '/';
        const size_t virgule = a.find(',');
        const short v = static_cast<short>(std::stoi(a.substr(efface ? 2 : 1)));
        const short c = static_cast<short>(std::stoi(a.substr(virgule + 1)));
        memorisaction(h, efface ? actioneffacement : actionpose, v, c);
    }
}

struct casmemoire {
    const char* nom;
    std::vector<std::string> actions;
    std::vector<std::string> attendu;
};

TEST(Memorisaction, EveryEntryStays) {
    const casmemoire cas[] = {
        {"a placement", {"v3,17"}, {"v3,17"}},
        {"entered then erased at once", {"v1,2", "v3,17", "/v3,17"}, {"v1,2", "v3,17", "/v3,17"}},
        {"erased then entered again at once",
         {"v1,2", "/v3,17", "v3,17"},
         {"v1,2", "/v3,17", "v3,17"}},
        {"a pair on different cells stays", {"v3,17", "/v3,18"}, {"v3,17", "/v3,18"}},
        {"erasures stay however old",
         {"/v2,6", "v1,5", "v4,7", "v5,8"},
         {"/v2,6", "v1,5", "v4,7", "v5,8"}},
        {"the issue's play: 4 entered, 6 entered, the 4 erased, three more",
         {"v4,1", "v6,2", "/v4,1", "v1,3", "v2,4", "v3,5"},
         {"v4,1", "v6,2", "/v4,1", "v1,3", "v2,4", "v3,5"}},
    };
    for (const casmemoire& c : cas) {
        defairefaire h;
        enregistre(h, c.actions);
        EXPECT_EQ(entrees(h), c.attendu) << c.nom;
        EXPECT_EQ(h.getposition(), h.effectif()) << c.nom;
    }
}

TEST(Memorisaction, RecordingAfterUndosDropsTheUndoneEntries) {
    defairefaire h;
    enregistre(h, {"v1,1", "v2,2", "v3,3"});
    gstring t;
    h.retire(t);
    h.retire(t);
    EXPECT_EQ(h.getposition(), 1);
    enregistre(h, {"v4,4"});
    EXPECT_EQ(entrees(h), (std::vector<std::string>{"v1,1", "v4,4"}));
    EXPECT_EQ(h.getposition(), 2);
}

TEST(Defairefaire, ParkedAcrossTheRulesPages) {
    defairefaire h;
    enregistre(h, {"v1,1", "v2,2", "v3,3"});
    gstring t;
    h.retire(t);
    lichavo garees;
    garees.padd("vieux");
    const short p = h.moveto(garees);
    EXPECT_EQ(p, 2);
    EXPECT_EQ(garees.effectif(), 3);
    EXPECT_EQ(h.effectif(), 0);
    EXPECT_EQ(h.getposition(), 2) << "moveto keeps the position";
    h.clear(); // the grid is reloaded
    h.setfrom(p, garees);
    EXPECT_EQ(entrees(h), (std::vector<std::string>{"v1,1", "v2,2", "v3,3"}));
    EXPECT_EQ(h.getposition(), 2);
    EXPECT_TRUE(h.peutavancer());
    h.setfrom(40, garees);
    EXPECT_EQ(h.getposition(), 3) << "bounded to the list's length";
    h.setfrom(-4, garees);
    EXPECT_EQ(h.getposition(), 0);
}

class Refaitaction : public ::testing::Test {
protected:
    void SetUp() override {
        globinitvocalcul();
        lichavo l;
        l.padd("X");
        l.padd("A:AB");
        g.setfromgrivecdef(&l);
        g.fautunetabledescases();
    }
    // What posevaleur does for a value entered in / erased from a cell.
    void pose(short cell, short v) {
        g.setcaseval(cell, v);
        memorisaction(h, actionpose, v, cell);
    }
    void efface(short cell) {
        const short v = g.getcaseval(cell);
        g.setcaseval(cell, 0);
        memorisaction(h, actioneffacement, v, cell);
    }
    clagrivora g;
    defairefaire h;
};

TEST_F(Refaitaction, UndoAndRedoOfAPlacementAndOfAnErasure) {
    pose(2, 4);
    pose(3, 5);
    efface(2);
    memorisaction(h, 3, 1, 1);
    EXPECT_EQ(h.effectif(), 3) << "an unknown kind records nothing";
    EXPECT_FALSE(refaitaction(h, g, pasrefaire)) << "nothing to redo";
    ASSERT_TRUE(refaitaction(h, g, pasdefaire));
    EXPECT_EQ(g.getcaseval(2), 4) << "undoing an erasure puts the value back";
    ASSERT_TRUE(refaitaction(h, g, pasdefaire));
    EXPECT_EQ(g.getcaseval(3), 0);
    ASSERT_TRUE(refaitaction(h, g, pasrefaire));
    EXPECT_EQ(g.getcaseval(3), 5);
    ASSERT_TRUE(refaitaction(h, g, pasrefaire));
    EXPECT_EQ(g.getcaseval(2), 0) << "redoing an erasure empties the cell again";
    EXPECT_FALSE(refaitaction(h, g, 7));
    EXPECT_FALSE(refaitaction(h, g, 0));
    EXPECT_EQ(h.getposition(), 3);
}

TEST_F(Refaitaction, UndoingEverythingGivesBackTheEmptyBoard) {
    std::mt19937 alea(5);
    for (int partie = 0; partie < 50; ++partie) {
        h.clear();
        for (short c = 1; c <= g.getnbcases(); ++c) g.setcaseval(c, 0);
        for (int coup = 0; coup < 40; ++coup) {
            const short c = static_cast<short>(1 + alea() % 7);
            if (g.getcaseval(c) == 0)
                pose(c, static_cast<short>(1 + alea() % 6));
            else
                efface(c);
            ASSERT_EQ(h.getposition(), h.effectif());
        }
        while (refaitaction(h, g, pasdefaire)) {
        }
        for (short c = 1; c <= g.getnbcases(); ++c) EXPECT_EQ(g.getcaseval(c), 0) << c;
    }
}

TEST_F(Refaitaction, DamagedEntriesTouchNoCellOutsideTheGrid) {
    for (const char* t : {"v", "/v", "v99999999999,2", "v3,99999", ""}) {
        h.clear();
        h.ajoute(t);
        EXPECT_TRUE(refaitaction(h, g, pasdefaire)) << t;
        EXPECT_TRUE(refaitaction(h, g, pasrefaire)) << t;
    }
    for (short c = 1; c <= g.getnbcases(); ++c) EXPECT_EQ(g.getcaseval(c), 0);
}

using plateau = std::vector<short>;

plateau valeurs(const clagrivora& g) {
    plateau p;
    for (short c = 1; c <= g.getnbcases(); ++c) p.push_back(g.getcaseval(c));
    return p;
}

// Random play on a catalogue grid as the shell plays it: allowed values
// entered in empty cells, the player's values erased, undos and redos. Every
// position shown is noted. Then every undo, down to the start, must change
// exactly one cell, keep the rule, and reach a position seen earlier than the
// one it leaves: the undos walk back through what the player saw, in order.
TEST(Historique, UndosWalkBackThroughThePositionsThePlayerSaw) {
    static clagrivora g;
    ASSERT_EQ(grilleload(0, &g, "1251-1"), 1);
    std::mt19937 alea(11);
    for (int partie = 0; partie < 60; ++partie) {
        defairefaire h;
        for (short c = 1; c <= g.getnbcases(); ++c)
            if (!g.casestfixe(c)) g.setcaseval(c, 0);
        std::vector<plateau> vus{valeurs(g)};
        const int coups = 20 + static_cast<int>(alea() % 200);
        for (int coup = 0; coup < coups; ++coup) {
            const auto geste = alea() % 10;
            if (geste < 2) {
                refaitaction(h, g, pasdefaire);
            } else if (geste < 3) {
                refaitaction(h, g, pasrefaire);
            } else {
                const auto c = static_cast<short>(1 + alea() % g.getnbcases());
                if (g.casestfixe(c)) continue;
                g.ajustepossicase();
                if (g.getcaseval(c) != 0) {
                    const short v = g.getcaseval(c);
                    g.setcaseval(c, 0);
                    memorisaction(h, actioneffacement, v, c);
                } else {
                    const auto v = static_cast<short>(1 + alea() % 6);
                    if (g.isautorisee(c, v) == 0) continue;
                    g.setcaseval(c, v);
                    memorisaction(h, actionpose, v, c);
                }
            }
            vus.push_back(valeurs(g));
        }
        // vus[indice] is the position shown now.
        auto indice = static_cast<std::ptrdiff_t>(vus.size()) - 1;
        while (refaitaction(h, g, pasdefaire)) {
            const plateau p = valeurs(g);
            const plateau& avant = vus[static_cast<std::size_t>(indice)];
            int changees = 0;
            for (std::size_t i = 0; i < p.size(); ++i) changees += p[i] != avant[i];
            ASSERT_EQ(changees, 1) << "game " << partie << ": an undo changes one cell";
            for (short c = 1; c <= g.getnbcases(); ++c) {
                for (short k = 0; k < 12; ++k) {
                    const short n = g.casevoisine(c, k);
                    if (n != 0 && g.getcaseval(c) != 0) {
                        ASSERT_NE(g.getcaseval(n), g.getcaseval(c)) << "game " << partie;
                    }
                }
            }
            do {
                --indice;
            } while (indice >= 0 && vus[static_cast<std::size_t>(indice)] != p);
            ASSERT_GE(indice, 0) << "game " << partie << ": undo reached an unseen position";
        }
        EXPECT_EQ(valeurs(g), vus.front()) << "game " << partie;
    }
}

TEST(Memorisaction, AFullHistoryDropsItsOldestEntries) {
    defairefaire h;
    for (short i = 1; i <= historiquemax + 5; ++i) memorisaction(h, actionpose, 1, i);
    EXPECT_EQ(h.effectif(), historiquemax);
    EXPECT_EQ(h.getposition(), historiquemax);
    EXPECT_STREQ(h.adr(1), "v1,6");
}

} // namespace
