// The states of play the rules pictures show: a grid in progress is neither
// empty nor solved, its chosen hexagon is complete and holds the solution's
// values, and every other cell keeps what it held.
#include "tools/reglesimages/exemples.h"

#include "render/gripageimage.h"

#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class exemples : public ::testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() { globinitvocalcul(); }
    // Load the grid with its pixel tables built, as the pictures draw it.
    static void charge(clagripage& g, const char* nom) {
        ASSERT_TRUE(grilleload(0, &g.modele(), nom));
        tailleimage(g, 60, 6, 12);
    }
};

TEST_P(exemples, a_grid_in_progress_fills_one_hexagon_with_the_solution_and_nothing_else) {
    clagripage g;
    clagripage resolue;
    charge(g, GetParam());
    charge(resolue, GetParam());
    ASSERT_TRUE(solution(resolue));
    std::vector<short> avant;
    for (short c = 1; c <= g.modele().getnbcases(); ++c) avant.push_back(g.modele().getcaseval(c));

    const short h = partieencours(g);
    ASSERT_GT(h, 0);
    const std::vector<short> hexagone = casesdelhexagone(g, h);
    ASSERT_EQ(hexagone.size(), 6u);
    std::set<short> valeurs;
    int entrees = 0;
    for (short c : hexagone) {
        valeurs.insert(g.modele().getcaseval(c));
        EXPECT_EQ(g.modele().getcaseval(c), resolue.modele().getcaseval(c)) << "cell " << c;
        if (!g.modele().casestfixe(c)) ++entrees;
    }
    EXPECT_EQ(valeurs, (std::set<short>{1, 2, 3, 4, 5, 6}));
    EXPECT_GE(entrees, 2);

    int vides = 0;
    for (short c = 1; c <= g.modele().getnbcases(); ++c) {
        if (g.modele().casestvide(c)) ++vides;
        bool danslhexagone = false;
        for (short k : hexagone) danslhexagone = danslhexagone || k == c;
        if (!danslhexagone) {
            EXPECT_EQ(g.modele().getcaseval(c), avant[c - 1]) << "cell " << c;
        }
    }
    // In progress: far from solved.
    EXPECT_GT(vides, g.modele().getnbcases() / 4);
}

INSTANTIATE_TEST_SUITE_P(grilles, exemples,
                         ::testing::Values("1251-1", "1709-6", "1938-1", "1803-17"));

} // namespace
