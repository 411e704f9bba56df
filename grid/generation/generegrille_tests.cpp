// New grids as the game makes them: for each shape family at the largest size
// the game offers, every seed gives a grid whose texts, loaded as the game
// loads them, have exactly one solution at every level (counted on the loaded
// grid, not on the generator's puzzle), with fewer givens and no less effort
// from one level to the next.
#include "grid/generation/generegrille.h"

#include <gtest/gtest.h>

#include "grid/generation/formes.h"
#include "grid/generation/grilleforme.h"
#include "grid/solver/grader.h"
#include "grid/solver/solver.h"
#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint32_t graines = 3; // the sanitizers make each grid ten times slower
#else
constexpr std::uint32_t graines = 20;
#endif

TEST(generegrille, EverySeedOfEveryFamilyGivesOneSolutionPerLevelAndHarderLevels) {
    globinitvocalcul();
    for (const char* forme : {"compact 3", "triangle 6", "ring 3", "strip 8 4", "arms 3"}) {
        for (std::uint32_t graine = 1; graine <= graines; ++graine) {
            SCOPED_TRACE(std::string(forme) + " seed " + std::to_string(graine));
            grillegen::grillegeneree out;
            ASSERT_TRUE(grillegen::generegrille(forme, graine, out));
            lichavo textes;
            for (const std::string& t : out.textes) textes.padd(t.c_str());
            clagrivora g;
            ASSERT_EQ(grilletextesload(&g, forme, textes, 4), 1);
            ASSERT_EQ(g.getnbcases(), out.nbcases);
            const solver::shape s = grillegen::formedelagrille(g);
            int avant = out.nbcases + 1;
            long effortavant = 0;
            short seuilavant = 0;
            for (short niveau = 1; niveau <= 7; ++niveau) {
                const short effectif =
                    static_cast<short>(solver::effective_level(niveau, out.puzzle.correction));
                const short seuil = clagrivora::sixtocent(effectif);
                const solver::cellvalues donnees = grillegen::donneesauseuil(g, seuil);
                const solver::solve_result r = solver::solve(s, donnees, 2);
                ASSERT_TRUE(r.settled);
                ASSERT_EQ(r.solutions, 1) << "level " << niveau;
                int n = 0;
                for (std::size_t c = 0; c < donnees.size(); ++c) {
                    if (donnees[c] == 0) continue;
                    ++n;
                    EXPECT_EQ(donnees[c], r.first[c]) << "a given agrees with the solution";
                }
                const long effort = solver::effort_score(solver::grade(s, donnees).grade);
                if (seuil != seuilavant) {
                    EXPECT_LT(n, avant) << "level " << niveau << " shows fewer givens";
                } else {
                    EXPECT_EQ(n, avant) << "level " << niveau << " applies the same threshold";
                }
                EXPECT_GE(effort, effortavant) << "level " << niveau;
                avant = n;
                effortavant = effort;
                seuilavant = seuil;
            }
        }
    }
}

TEST(generegrille, TheShapeOfEveryCatalogueGridMakesTheSameGridAgain) {
    globinitvocalcul();
    gstring nom;
    for (short i = 1; i <= nbgrillescatalogue(); ++i) {
        nomgrillecatalogue(i, &nom);
        SCOPED_TRACE(nom.adr());
        clagrivora g;
        ASSERT_EQ(grilleload(0, &g, nom.adr()), 1);
        std::vector<std::string> centres;
        for (short h = 1; h <= g.gethexas().effectif(); ++h)
            centres.emplace_back(g.gethexas().adr(h));
        grillegen::grillegeneree out;
        ASSERT_TRUE(grillegen::generegrille(grillegen::descriptiondescentres(centres), 3, out));
        EXPECT_EQ(out.nbcases, g.getnbcases());
        EXPECT_EQ(out.nbhexas, g.getnbhexacompletes());
    }
}

TEST(generegrille, AStoppedGenerationEndsWithoutAPuzzleAndAClearFlagChangesNothing) {
    grillegen::formeagenerer f;
    ASSERT_TRUE(grillegen::prepareforme("compact 2", f));
    std::atomic<bool> arret{true};
    EXPECT_TRUE(solver::generate(f.forme, 9, f.correction, &arret).solution.empty());
    arret = false;
    const auto avecdrapeau = solver::generate(f.forme, 9, f.correction, &arret);
    const auto sans = solver::generate(f.forme, 9, f.correction);
    EXPECT_EQ(avecdrapeau.solution, sans.solution);
    EXPECT_EQ(avecdrapeau.codes, sans.codes);
    grillegen::grillegeneree out;
    EXPECT_FALSE(grillegen::textesdelagrille("compact 2", {}, out));
    EXPECT_FALSE(grillegen::prepareforme("compact 0", f));
}

// Every shape the picker offers and every catalogue grid's shape is made;
// shapes far beyond them (hand-written in a parameter file) are refused at
// once, however they are written.
TEST(generegrille, ShapesFarBeyondWhatThePickerOffersAreRefused) {
    for (const char* forme :
         {"compact 3", "triangle 6", "ring 3", "strip 8 4", "arms 3", "compact 6", "strip 15 10"})
        EXPECT_TRUE(grillegen::formegenerable(forme)) << forme;
    for (const char* forme : {"compact 7", "compact 40", "strip 40 40", "triangle 40", "ring 40",
                              "compact 0", "pas une forme"})
        EXPECT_FALSE(grillegen::formegenerable(forme)) << forme;
    std::vector<solver::latpoint> centres;
    ASSERT_TRUE(grillegen::centresdelaforme("compact 7", centres));
    std::vector<std::string> chemins;
    for (const solver::latpoint p : centres) chemins.push_back(grillegen::chemindupoint(p));
    const std::string parcentres = grillegen::descriptiondescentres(chemins);
    EXPECT_FALSE(grillegen::formegenerable(parcentres)) << "as a list of centres";
    chemins.resize(grillegen::hexagonesmax);
    EXPECT_TRUE(grillegen::formegenerable(grillegen::descriptiondescentres(chemins)));
    grillegen::formeagenerer f;
    EXPECT_FALSE(grillegen::prepareforme("compact 40", f));
    EXPECT_FALSE(grillegen::prepareforme(parcentres, f));
    grillegen::grillegeneree out;
    EXPECT_FALSE(grillegen::generegrille("compact 40", 1, out));
}

} // namespace
