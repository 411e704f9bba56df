// Tests of the catalogue tool's glue: shapes from the game's grid model, shape
// families, generated texts read back by the grid model, the description file
// and the scrambled source.
#include <cstdio>
#include <fstream>

#include <gtest/gtest.h>

#include "grid/generation/formes.h"
#include "grid/generation/grilleforme.h"
#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillegroupe.h"
#include "tools/voracat/generation.h"

namespace {

using solver::latpoint;

std::vector<size_t> taillesdegroupes(const solver::shape& s) {
    std::vector<size_t> tailles;
    for (int g = 0; g < s.group_count(); ++g) tailles.push_back(s.group_cells(g).size());
    std::sort(tailles.begin(), tailles.end());
    return tailles;
}

class Tool : public ::testing::Test {
protected:
    void SetUp() override { globinitvocalcul(); }
};

TEST_F(Tool, GridShapeMatchesTheLatticeShapeOfTheSameHexagons) {
    for (const char* description : {"compact 2", "ring 2", "strip 5 2", "arms 1"}) {
        SCOPED_TRACE(description);
        std::vector<latpoint> centres;
        ASSERT_TRUE(grillegen::centresdelaforme(description, centres));
        clagrivora g;
        grillegen::grilledescentres(centres, g);
        const solver::shape deduite = grillegen::formedelagrille(g);
        const solver::hexshape attendue = solver::build_hexshape(centres);
        EXPECT_EQ(deduite.cell_count(), attendue.puzzle.cell_count());
        EXPECT_EQ(taillesdegroupes(deduite), taillesdegroupes(attendue.puzzle));
    }
}

TEST_F(Tool, ShapeFamiliesAndPaths) {
    std::vector<latpoint> c;
    EXPECT_TRUE(grillegen::centresdelaforme("compact 3", c));
    EXPECT_EQ(c.size(), 37u);
    EXPECT_TRUE(grillegen::centresdelaforme("triangle 3", c));
    EXPECT_EQ(c.size(), 6u);
    EXPECT_TRUE(grillegen::centresdelaforme("centres A  A2B DE", c));
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[1], (latpoint{2, 1}));
    EXPECT_EQ(c[2], (latpoint{-1, -1}));
    EXPECT_FALSE(grillegen::centresdelaforme("blob 3", c));
    EXPECT_FALSE(grillegen::centresdelaforme("strip 3", c));
    EXPECT_TRUE(c.empty());
    for (const latpoint p : {latpoint{0, 0}, latpoint{3, -2}, latpoint{-4, 1}}) {
        EXPECT_EQ(grillegen::pointduchemin(grillegen::chemindupoint(p).c_str()), p);
    }
}

TEST_F(Tool, GeneratedTextsReadBackAsTheSamePuzzle) {
    voracat::grillegeneree a;
    voracat::grillegeneree b;
    ASSERT_TRUE(voracat::generegrille("triangle 4", 4, a));
    ASSERT_TRUE(voracat::generegrille("triangle 4", 4, b));
    EXPECT_EQ(a.textes, b.textes) << "the same seed gives the same grid";
    ASSERT_TRUE(voracat::generegrille("triangle 4", 5, b));
    EXPECT_NE(a.textes, b.textes);

    lichavo lignes;
    for (const std::string& t : a.textes) {
        EXPECT_LE(t.size(), 80u);
        developgroupe(t.c_str(), &lignes);
    }
    clagrivora g;
    g.setfromgrivecdef(&lignes);
    g.fautvalfixentables();
    ASSERT_EQ(g.getnbcases(), a.nbcases);
    for (short c = 1; c <= g.getnbcases(); ++c) {
        const auto i = static_cast<size_t>(c - 1);
        EXPECT_EQ(g.getnidef(c), a.puzzle.codes[i]) << "cell " << c;
        EXPECT_EQ(g.getvaldef(c), a.puzzle.codes[i] > 0 ? a.puzzle.solution[i] : 0);
    }
}

TEST_F(Tool, DescriptionFileRejectsMalformedLines) {
    const std::string chemin = ::testing::TempDir() + "voracat_description.txt";
    {
        std::ofstream f(chemin);
        f << "# remark\n\n1251-1, 2, 1, 112, compact 1\n";
    }
    std::vector<voracat::entreecatalogue> entrees;
    std::string erreur;
    ASSERT_TRUE(voracat::litdescription(chemin, entrees, erreur)) << erreur;
    ASSERT_EQ(entrees.size(), 1u);
    EXPECT_EQ(entrees[0].graine, 112u);
    EXPECT_EQ(entrees[0].forme, "compact 1");
    {
        std::ofstream f(chemin);
        f << "1251-1, two, 1, 112, compact 1\n";
    }
    EXPECT_FALSE(voracat::litdescription(chemin, entrees, erreur));
    EXPECT_NE(erreur.find(":1:"), std::string::npos) << erreur;
    std::remove(chemin.c_str());
    EXPECT_FALSE(voracat::litdescription(chemin, entrees, erreur));
}

TEST_F(Tool, SourceHoldsNoPlainText) {
    const std::string source =
        voracat::sourcecatalogue({{"1251-1", 2, {"XA,XB", "%120,AWPK,BVQK"}}}, "1251-1", "1251-1");
    EXPECT_EQ(source.find("1251-1"), std::string::npos);
    EXPECT_EQ(source.find("AWPK"), std::string::npos);
    EXPECT_NE(source.find("nbgrillesdonnees = 1;"), std::string::npos);
}

} // namespace
