// The solution of a grid worked out once: searched on every catalogue grid,
// taken from the generator by cell names on a generated one (the same as a
// search would give), and searched again when the generator's filling does
// not fit the grid.
#include "shell/core/solutiongrille.h"

#include "grid/generation/generegrille.h"
#include "grid/generation/grilleforme.h"
#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

// Whether every value of the grid's definition is kept and no two cells
// around a corner hold the same value.
bool remplitlagrille(clagrivora& g, const std::vector<short>& s) {
    if (s.size() != static_cast<size_t>(g.getnbcases())) return false;
    const solver::cellvalues donnees = grillegen::donneesauseuil(g, 0);
    g.fautunetablevoisiquinze();
    for (short c = 1; c <= g.getnbcases(); ++c) {
        const short v = s[static_cast<size_t>(c - 1)];
        if (v < 1 || v > 6) return false;
        if (donnees[static_cast<size_t>(c - 1)] != 0 && donnees[static_cast<size_t>(c - 1)] != v)
            return false;
        for (short i = 0; i < 12; ++i) {
            const short n = g.casevoisine(c, i);
            if (n != 0 && s[static_cast<size_t>(n - 1)] == v) return false;
        }
    }
    return true;
}

TEST(solutiongrille, EveryCatalogueGridHasItsSolutionAndItsCounts) {
    globinitvocalcul();
    for (short i = 1; i <= nbgrillescatalogue(); ++i) {
        gstring nom;
        nomgrillecatalogue(i, &nom);
        SCOPED_TRACE(nom.adr());
        clagrivora g;
        ASSERT_EQ(grilleload(0, &g, nom.adr()), 1);
        const solutiongrille s = solutiondelagrille(g);
        EXPECT_EQ(s.forme.cell_count(), g.getnbcases());
        EXPECT_TRUE(remplitlagrille(g, s.valeurs));
        const auto totaux = totauxsolution(s.valeurs);
        ASSERT_TRUE(totaux.has_value());
        EXPECT_EQ((*totaux)[0], 0);
        EXPECT_EQ(std::accumulate(totaux->begin(), totaux->end(), 0), g.getnbcases());
    }
}

TEST(solutiongrille, TheGeneratorsFillingIsTakenByCellNamesOrSearchedWhenItDoesNotFit) {
    globinitvocalcul();
    for (const char* forme : {"triangle 5", "ring 2", "arms 2"}) {
        SCOPED_TRACE(forme);
        grillegen::grillegeneree faite;
        ASSERT_TRUE(grillegen::generegrille(forme, 31, faite));
        lichavo textes;
        for (const std::string& t : faite.textes) textes.padd(t.c_str());
        clagrivora g;
        ASSERT_NE(grilletextesload(&g, forme, textes, 1), 0);
        const std::vector<short> cherchee = solutiondelagrille(g).valeurs;
        ASSERT_TRUE(remplitlagrille(g, cherchee));
        EXPECT_EQ(solutiondelagrille(g, forme, faite.puzzle.solution).valeurs, cherchee);

        // Another shape's filling, a filling cut short, one that breaks a
        // given: the solution is searched instead.
        solver::cellvalues fausse = faite.puzzle.solution;
        for (short c = 1; c <= g.getnbcases(); ++c)
            if (grillegen::donneesauseuil(g, 0)[static_cast<size_t>(c - 1)] != 0) {
                auto& v = fausse[static_cast<size_t>(c - 1)];
                v = static_cast<std::uint8_t>(v % 6 + 1);
                break;
            }
        solver::cellvalues courte = faite.puzzle.solution;
        courte.pop_back();
        for (const auto& [description, filling] :
             {std::pair<const char*, const solver::cellvalues*>{"compact 2",
                                                                &faite.puzzle.solution},
              {forme, &courte},
              {forme, &fausse},
              {"not a shape", &faite.puzzle.solution}})
            EXPECT_EQ(solutiondelagrille(g, description, *filling).valeurs, cherchee)
                << description;
    }
}

TEST(solutiongrille, AGridWithoutCellsHasNone) {
    clagrivora g;
    EXPECT_TRUE(solutiondelagrille(g).valeurs.empty());
    EXPECT_FALSE(totauxsolution({}).has_value());
}

} // namespace
