// Tests of the catalogue: look-ups by name, loading into a grid page, the
// playable list, and that no plain definition is stored.
#include "lattice/catalogue/grillecatalogue.h"
#include "lattice/catalogue/grillegroupe.h"

#include "grid/vocalculinit.h"

#include "foundation/depile.h"
#include "foundation/lichavo_testing.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using lichavotesting::contents;

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override { globinitvocalcul(); }
};

TEST_F(Catalogue, LooksNamesUpCaseInsensitivelyWithTheirLevels) {
    ligridef.clear();
    ASSERT_EQ(grilledef("1251-1"), 1);
    EXPECT_EQ(nigridef, 2);
    EXPECT_EQ(grinombre, 5);
    EXPECT_GT(ligridef.effectif(), 0);
    ligridef.clear();
    grinombre = 0;
    EXPECT_EQ(grilledef("nope"), 0);
    EXPECT_EQ(ligridef.effectif(), 0);
    EXPECT_EQ(grinombre, 5);
    EXPECT_EQ(nbgrillescatalogue(), 10);
    gstring nom;
    nomgrillecatalogue(1, &nom);
    EXPECT_STREQ(nom.adr(), "1709-6");
    nomgrillecatalogue(11, &nom);
    EXPECT_TRUE(nom.isempty());
}

TEST_F(Catalogue, UnknownNameSlotOrNullPageLeavesThePageAsItWas) {
    clagrivora page;
    ASSERT_EQ(grilleload(0, &page, "1251-1"), 1);
    const short cases = page.getnbcases();
    const short lignes = page.getlignesdef().effectif();
    ASSERT_GT(lignes, 0);
    for (const short slot : {short{0}, short{1}, short{2}, short{-1}}) {
        const char* nom = slot == 0 || slot == 1 ? "X" : "1251-2";
        EXPECT_EQ(grilleload(slot, &page, nom), 0) << slot;
        EXPECT_EQ(ligridef.effectif(), 0);
        EXPECT_EQ(nigridef, 0);
        EXPECT_EQ(page.getnbcases(), cases);
        EXPECT_EQ(page.getlignesdef().effectif(), lignes);
        EXPECT_STREQ(page.getnom(), "1251-1");
    }
    EXPECT_EQ(grilleload(0, nullptr, "1251-1"), 0);
    EXPECT_EQ(ligridef.effectif(), 0);
    EXPECT_EQ(nigridef, 0);
}

TEST_F(Catalogue, LoadingGivesNameLevelLinesAndGivens) {
    clagrivora page;
    ASSERT_EQ(grilleload(1, &page, "1251-2"), 1);
    EXPECT_STREQ(page.getnom(), "1251-2");
    EXPECT_EQ(nigridef, 3);
    EXPECT_EQ(page.getniveauvoulu(), 3);
    EXPECT_EQ(ligridef.effectif(), 0);
    short montrees = 0;
    for (short c = 1; c <= page.getnbcases(); ++c) {
        if (page.casenonvide(c)) ++montrees;
    }
    EXPECT_GT(montrees, 0);

    // The page owns the expanded lines: the grouped texts developed one by one.
    ASSERT_EQ(grilledef("1251-2"), 1);
    lichavo attendues;
    for (short i = 1; i <= ligridef.effectif(); ++i) developgroupe(ligridef.adr(i), &attendues);
    ligridef.clear();
    EXPECT_EQ(contents(page.getlignesdef()), contents(attendues));
}

TEST_F(Catalogue, ReloadingAPageReplacesItsGridAndLines) {
    clagrivora seule;
    ASSERT_EQ(grilleload(0, &seule, "1251-1"), 1);
    clagrivora page;
    ASSERT_EQ(grilleload(0, &page, "1251-2"), 1);
    ASSERT_EQ(grilleload(0, &page, "1251-1"), 1);
    EXPECT_STREQ(page.getnom(), "1251-1");
    EXPECT_EQ(page.getnbcases(), seule.getnbcases());
    EXPECT_EQ(contents(page.getlignesdef()), contents(seule.getlignesdef()));
    for (short c = 1; c <= page.getnbcases(); ++c) {
        EXPECT_EQ(page.getcaseval(c), seule.getcaseval(c)) << c;
        EXPECT_EQ(page.getvaluposs(c), seule.getvaluposs(c)) << c;
    }
}

TEST_F(Catalogue, PlayableListHasFiveCatalogueNames) {
    nomgrinit();
    gstring liste(nomdegrinu.adr());
    EXPECT_EQ(nbdepilable(liste.adr()), 5);
    gstring nom;
    while (liste.notempty()) {
        nom.depilefrom(liste.adr());
        ligridef.clear();
        EXPECT_EQ(grilledef(nom.adr()), 1) << nom.adr();
    }
    ligridef.clear();
    gstring depart;
    nomgrilledepart(&depart);
    EXPECT_EQ(grilledef(depart.adr()), 1) << depart.adr();
    ligridef.clear();
}

// The plain catalogue texts that must not be readable in a built file: the
// playable list and each grouped text, with (mots) each cell line of five
// characters or more.
std::vector<std::string> textesclairs(bool mots) {
    std::vector<std::string> textes;
    nomgrinit();
    textes.emplace_back(nomdegrinu.adr());
    gstring nom;
    gstring mot;
    for (short i = 1; i <= nbgrillescatalogue(); ++i) {
        nomgrillecatalogue(i, &nom);
        ligridef.clear();
        grilledef(nom.adr());
        for (short t = 1; t <= ligridef.effectif(); ++t) {
            textes.emplace_back(ligridef.adr(t));
            gstring reste(ligridef.adr(t));
            while (mots && reste.notempty()) {
                mot.depilefrom(reste.adr());
                if (mot.len() >= 5 && mot.cara(1) != '%' && mot.cara(1) != 'X') {
                    textes.emplace_back(mot.adr());
                }
            }
        }
    }
    ligridef.clear();
    return textes;
}

TEST_F(Catalogue, NoPlainDefinitionIsStoredInTheLibraryOrTheProgram) {
    // The library, and this program, which holds the catalogue linked in (its
    // own test texts may share a cell line with the catalogue).
    const char* const bibliotheque = VORA_CATALOGUE_LIBRARY;
    for (const char* fichier : {bibliotheque, "/proc/self/exe"}) {
        const std::vector<std::string> textes = textesclairs(fichier == bibliotheque);
        ASSERT_GT(textes.size(), 30u);
        std::ifstream f(fichier, std::ios::binary);
        if (!f && fichier != bibliotheque) continue;
        ASSERT_TRUE(f) << fichier;
        const std::string binaire((std::istreambuf_iterator<char>(f)),
                                  std::istreambuf_iterator<char>());
        ASSERT_GT(binaire.size(), 1000u);
        for (const std::string& t : textes) {
            // A text of a few letters turns up by chance in megabytes of
            // compressed debug information or code: it is looked for as a
            // whole C string.
            const std::string motif = t.size() < 8 ? std::string(1, '\0') + t + '\0' : t;
            EXPECT_EQ(binaire.find(motif), std::string::npos) << t << " found in " << fichier;
        }
    }
}

} // namespace
