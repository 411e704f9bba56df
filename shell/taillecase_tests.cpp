// The cell size steps and the sizes that fit: a table of steps, and over
// random windows and screens the largest fitting size (its window fits, one
// pixel more does not).
#include "shell/taillecase.h"

#include "shell/core/paramuser.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(Taillecase, PlusAndMinusKeepTheFourStepsAndGoOnAsFarAsTheScreenAllows) {
    struct cas {
        short taille, maxi, plus, moins;
    };
    const cas table[] = {{40, 40, 50, 40}, {50, 40, 60, 40}, {60, 40, 70, 50},    {70, 40, 70, 60},
                         {70, 95, 80, 60}, {80, 95, 90, 70}, {90, 95, 95, 80},    {95, 95, 95, 90},
                         {75, 60, 75, 70}, {45, 0, 50, 40},  {300, 400, 300, 290}};
    for (const cas& c : table) {
        EXPECT_EQ(tailleplus(c.taille, c.maxi), c.plus) << c.taille << " " << c.maxi;
        EXPECT_EQ(taillemoins(c.taille), c.moins) << c.taille;
    }
}

TEST(Taillecase, TheChosenSizeIsTheLargestWhoseWindowFits) {
    std::mt19937 alea(22);
    auto entre = [&](int a, int b) {
        return static_cast<short>(std::uniform_int_distribution<int>(a, b)(alea));
    };
    for (int i = 0; i < 500; ++i) {
        gabaritfenetre g;
        g.pas = entre(40, 70);
        g.e = etenduegrille{entre(20, 600), entre(20, 600), entre(20, 600), entre(20, 600)};
        g.dx = entre(0, 8);
        g.dy = entre(0, 30);
        g.basboutons = entre(300, 600);
        const long largeur = entre(200, 4000);
        const long hauteur = entre(200, 3000);
        const short t = tailleentrant(g, largeur, hauteur);
        const auto tient = [&](short s) {
            const SIZE f = fenetrepour(g, s);
            return f.cx <= largeur && f.cy <= hauteur;
        };
        ASSERT_GE(t, taillecasemin);
        ASSERT_LE(t, taillecaseplafond);
        if (t > taillecasemin) {
            EXPECT_TRUE(tient(t)) << i;
        }
        if (t < taillecaseplafond) {
            EXPECT_FALSE(tient(static_cast<short>(t + 1))) << i;
        }
        const short depart = tailledepart(g, largeur, hauteur);
        EXPECT_LE(depart, t) << i;
        if (depart > taillecasemin) {
            const SIZE f = fenetrepour(g, depart);
            EXPECT_LE(f.cy, hauteur) << i;
        }
    }
}

} // namespace
