// The keyboard cursor's moves on every catalogue grid: from every cell each
// direction stays on the grid and every cell can be reached from cell 1;
// left and right keep the row, up and down change it, a move and its
// opposite come back across a horizontal edge.
#include "shell/core/curseurgrille.h"

#include "lattice/catalogue/grillecatalogue.h"

#include <gtest/gtest.h>

#include <queue>
#include <vector>

namespace {

constexpr sensdeplacement sens[] = {sensdeplacement::gauche, sensdeplacement::droite,
                                    sensdeplacement::haut, sensdeplacement::bas};

TEST(curseurgrille, EveryCellOfEveryCatalogueGridIsReachableAndNoMoveLeavesTheGrid) {
    nomgrinit();
    const short total = nbgrillescatalogue();
    ASSERT_GT(total, 0);
    for (short i = 1; i <= total; ++i) {
        gstring nom;
        nomgrillecatalogue(i, &nom);
        clagrivora g;
        ASSERT_EQ(grilleload(0, &g, nom.adr()), 1) << nom.adr();
        const short n = g.getnbcases();
        std::vector<bool> vue(static_cast<size_t>(n) + 1, false);
        std::queue<short> file;
        file.push(1);
        vue[1] = true;
        while (!file.empty()) {
            const short c = file.front();
            file.pop();
            for (const sensdeplacement s : sens) {
                const short d = casedanssens(g, c, s);
                ASSERT_GE(d, 1) << nom.adr() << " cell " << c;
                ASSERT_LE(d, n) << nom.adr() << " cell " << c;
                const bool horizontal =
                    s == sensdeplacement::gauche || s == sensdeplacement::droite;
                if (d != c) {
                    EXPECT_EQ(g.getrangee(d) == g.getrangee(c), horizontal)
                        << nom.adr() << " cell " << c;
                    const int avance =
                        s == sensdeplacement::gauche || s == sensdeplacement::haut ? -1 : 1;
                    const int delta = horizontal ? g.getcolonne(d) - g.getcolonne(c)
                                                 : g.getrangee(d) - g.getrangee(c);
                    EXPECT_GT(delta * avance, 0) << nom.adr() << " cell " << c;
                }
                // Across a horizontal edge and back.
                if (!horizontal && g.getcolonne(d) == g.getcolonne(c) && d != c) {
                    const auto retour =
                        s == sensdeplacement::haut ? sensdeplacement::bas : sensdeplacement::haut;
                    EXPECT_EQ(casedanssens(g, d, retour), c) << nom.adr() << " cell " << c;
                }
                if (!vue[static_cast<size_t>(d)]) {
                    vue[static_cast<size_t>(d)] = true;
                    file.push(d);
                }
            }
        }
        for (short c = 1; c <= n; ++c)
            EXPECT_TRUE(vue[static_cast<size_t>(c)])
                << nom.adr() << " cell " << c << " unreachable";
    }
}

TEST(curseurgrille, ACellOutsideTheGridGoesNowhere) {
    clagrivora g;
    ASSERT_EQ(grilleload(0, &g, "1709-6"), 1);
    for (const sensdeplacement s : sens) {
        EXPECT_EQ(casedanssens(g, 0, s), 0);
        EXPECT_EQ(casedanssens(g, static_cast<short>(g.getnbcases() + 1), s), 0);
    }
}

} // namespace
