// The built-in catalogue, verified: every grid at every threshold it can apply
// has exactly one solution that keeps its givens, and loading it shows the
// givens and allowed values of its catalogue level.
#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"
#include "tools/catalogue/solver.h"
#include "tools/voracat/grilleforme.h"
#include "tools/voracat/verification.h"

namespace {

struct entree {
    const char* nom;
    short niveau;
};

// The catalogue's names and levels, in look-up order.
constexpr short seuils[] = {75, 80, 85, 90, 95, 100, 120};

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

TEST_F(BuiltInCatalogue, EveryThresholdHasExactlyOneSolutionKeepingTheGivens) {
    for (const entree& e : table) {
        SCOPED_TRACE(e.nom);
        clagrivora g;
        ASSERT_EQ(grilleload(0, &g, e.nom), 1);
        const catalogue::shape forme = voracat::formedelagrille(g);
        const bool sept = g.yaniveausept();
        EXPECT_TRUE(sept) << "every catalogue grid has a level 7";
        int precedentes = g.getnbcases() + 1;
        for (const short seuil : seuils) {
            if (seuil == 120 && !sept) break;
            const catalogue::cellvalues donnees = voracat::donneesauseuil(g, seuil);
            const int nombre = static_cast<int>(
                std::count_if(donnees.begin(), donnees.end(), [](auto v) { return v > 0; }));
            EXPECT_LE(nombre, precedentes) << "givens nest from easy to hard, threshold " << seuil;
            precedentes = nombre;
            const catalogue::solve_result r = catalogue::solve(forme, donnees, 2);
            ASSERT_TRUE(r.settled);
            ASSERT_EQ(r.solutions, 1) << "threshold " << seuil;
            for (size_t c = 0; c < donnees.size(); ++c) {
                if (donnees[c] > 0) {
                    EXPECT_EQ(r.first[c], donnees[c]) << "cell " << c + 1;
                }
            }
        }
        const voracat::grilleverifiee v = voracat::verifiegrille(e.nom);
        EXPECT_TRUE(v.bonne());
        EXPECT_EQ(v.seuils.size(), sept ? 7u : 6u);
    }
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
        const catalogue::shape forme = voracat::formedelagrille(g);
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
    std::set<short> niveaux;
    std::set<int> tailles;
    while (liste.notempty()) {
        nom.depilefrom(liste.adr());
        const voracat::grilleverifiee v = voracat::verifiegrille(nom.adr());
        ASSERT_TRUE(v.trouvee) << nom.adr();
        niveaux.insert(v.niveau);
        tailles.insert(v.nbhexas);
    }
    EXPECT_EQ(niveaux.size(), 5u) << "the five playable grids differ in level";
    EXPECT_GE(tailles.size(), 3u) << "and come in at least three sizes";
}

} // namespace
