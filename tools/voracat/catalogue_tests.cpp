// The built-in catalogue, verified: every grid at every game level, applied as
// the game applies it, has exactly one solution that keeps its givens, levels
// 1 and 2 need single candidates only, givens fall and effort rises from level
// to level (the playable grids offer seven different levels), and loading a
// grid shows the givens and allowed values of its catalogue level.
#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "grid/generation/grilleforme.h"
#include "grid/solver/solver.h"
#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"
#include "tools/voracat/verification.h"

namespace {

struct entree {
    const char* nom;
    short niveau;
};

constexpr short seuils[] = {75, 80, 85, 90, 95, 100, 120};

// The catalogue's names and levels, in look-up order.
const entree table[] = {{"1709-6", 4},  {"1938-1", 5}, {"1803-17", 6}, {"1803-9", 6},
                        {"1914-28", 6}, {"1251-1", 2}, {"1251-2", 3},  {"1251-3", 4},
                        {"1222-65", 5}, {"1239-1", 6}};

class BuiltInCatalogue : public ::testing::Test {
protected:
    void SetUp() override { globinitvocalcul(); }
};

TEST_F(BuiltInCatalogue, HoldsTheTenNamesInOrder) {
    ASSERT_EQ(nbgrillescatalogue(), 10);
    gstring nom;
    for (short i = 1; i <= 10; ++i) {
        nomgrillecatalogue(i, &nom);
        EXPECT_STREQ(nom.adr(), table[i - 1].nom);
    }
}

TEST_F(BuiltInCatalogue, EveryLevelAsTheGameAppliesItKeepsItsPromises) {
    for (const entree& e : table) {
        SCOPED_TRACE(e.nom);
        const voracat::grilleverifiee v = voracat::verifiegrille(e.nom);
        ASSERT_TRUE(v.trouvee);
        EXPECT_TRUE(v.niveausept) << "every catalogue grid has a level 7";
        for (const std::string& d : v.defauts()) ADD_FAILURE() << d;
        ASSERT_EQ(v.niveaux.size(), 7u);
        for (const voracat::niveauverifie& n : v.niveaux) {
            const short effectif =
                n.niveau == 7 ? 7
                              : std::min<short>(6, static_cast<short>(n.niveau + v.declassement));
            EXPECT_EQ(n.seuil, clagrivora::sixtocent(effectif)) << "level " << n.niveau;
        }
        // Cross-check the grader's count with an independent search on every level's givens.
        clagrivora g;
        ASSERT_EQ(grilleload(0, &g, e.nom), 1);
        const solver::shape forme = grillegen::formedelagrille(g);
        for (const short seuil : seuils) {
            const solver::solve_result r =
                solver::solve(forme, grillegen::donneesauseuil(g, seuil), 2);
            ASSERT_TRUE(r.settled);
            EXPECT_EQ(r.solutions, 1) << "threshold " << seuil;
        }
    }
}

TEST_F(BuiltInCatalogue, PlayableGridsOfferSevenDifferentLevels) {
    nomgrinit();
    gstring liste(nomdegrinu.adr());
    gstring nom;
    std::set<short> niveaux;
    while (liste.notempty()) {
        nom.depilefrom(liste.adr());
        SCOPED_TRACE(nom.adr());
        const voracat::grilleverifiee v = voracat::verifiegrille(nom.adr());
        ASSERT_TRUE(v.bonne());
        EXPECT_EQ(v.declassement, 0) << "no shape correction";
        niveaux.insert(v.niveau);
        for (size_t i = 1; i < v.niveaux.size(); ++i) {
            EXPECT_LT(v.niveaux[i].donnees, v.niveaux[i - 1].donnees) << "level " << i + 1;
        }
        EXPECT_GT(v.niveaux[6].effort * 4, v.niveaux[5].effort * 5 - 1) << "level 7 stands out";
    }
    EXPECT_EQ(niveaux, (std::set<short>{2, 3, 4, 5, 6})) << "built-in levels 2 to 6";
}

TEST_F(BuiltInCatalogue, LoadingShowsTheLevelsGivensAndAllowedValues) {
    for (const entree& e : table) {
        SCOPED_TRACE(e.nom);
        clagrivora g;
        ASSERT_EQ(grilleload(0, &g, e.nom), 1);
        EXPECT_EQ(nigridef, e.niveau);
        EXPECT_EQ(g.getniveauvoulu(), e.niveau);
        const short effectif =
            std::min<short>(6, static_cast<short>(e.niveau + g.getdeclassement()));
        EXPECT_EQ(g.getseuilapplique(), clagrivora::sixtocent(effectif));
        const short seuil = g.getseuilapplique();
        const solver::shape forme = grillegen::formedelagrille(g);
        for (short c = 1; c <= g.getnbcases(); ++c) {
            const bool montree = g.getvaldef(c) > 0 && g.getnidef(c) >= seuil;
            EXPECT_EQ(g.getcaseval(c), montree ? g.getvaldef(c) : 0) << "cell " << c;
            EXPECT_EQ(g.casestfixe(c), montree) << "cell " << c;
            short attendu = 63;
            if (montree) {
                attendu = static_cast<short>(1 << (g.getvaldef(c) - 1));
            } else {
                for (const int voisine : forme.neighbours(c - 1)) {
                    const short v = g.getcaseval(static_cast<short>(voisine + 1));
                    if (v > 0) attendu = static_cast<short>(attendu & ~(1 << (v - 1)));
                }
            }
            EXPECT_EQ(g.getvaluposs(c), attendu) << "cell " << c;
        }
    }
}

TEST_F(BuiltInCatalogue, CoversTheShapesTheGameMustHandle) {
    std::set<int> hexagones;
    bool trou = false;
    bool lache = false;
    bool large = false;
    for (const entree& e : table) {
        const voracat::grilleverifiee v = voracat::verifiegrille(e.nom);
        hexagones.insert(v.nbhexas);
        trou = trou || v.casesenclavees > 0;
        lache = lache || v.declassement > 0;
        // A window from x = 60 with 80 px of buttons overflows a 1280 px screen.
        large = large || 60 + 80 + v.largeur > 1280;
    }
    EXPECT_TRUE(hexagones.count(7) && hexagones.count(19) && hexagones.count(37));
    EXPECT_TRUE(trou) << "a grid with a hole";
    EXPECT_TRUE(lache) << "a loosely connected grid";
    EXPECT_TRUE(large) << "a grid wider than the screen at size 70";

    nomgrinit();
    gstring liste(nomdegrinu.adr());
    gstring nom;
    std::set<int> tailles;
    while (liste.notempty()) {
        nom.depilefrom(liste.adr());
        tailles.insert(voracat::verifiegrille(nom.adr()).nbhexas);
    }
    EXPECT_GE(tailles.size(), 3u) << "the playable grids come in at least three sizes";
}

} // namespace
