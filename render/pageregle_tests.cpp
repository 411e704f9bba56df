// The rules pages: bounds and navigation, each picture loaded once and kept
// at the window's size, every text line inside the 800 x 600 window in both
// languages (measured with the fonts the page draws with), the page number
// in Helvetica, and pages 1 and 5 in both languages against reference
// pictures (render/references/regle<page>-<fr|en>.png; VORA_REFAIRE=1 writes
// them anew, to be looked at before they are committed).
#include "render/pageregle.h"

#include "render/bitmapmemoire.h"
#include "render/cladevout.h"
#include "render/render_testing.h"

#include "grid/vocalculinit.h"
#include "resources/ressourcesregles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

namespace {

class pageregle : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        globinitvocalcul();
        enregistreimagesregles();
    }
    clapagesregles livre;
};

TEST_F(pageregle, navigation_stays_within_the_first_and_last_page) {
    short page = 5;
    regleouvrir(page);
    EXPECT_EQ(page, 1);
    EXPECT_FALSE(reglemontreprecedente(page));
    EXPECT_TRUE(reglemontresuivante(page));
    regleprecedente(page);
    EXPECT_EQ(page, 1);
    for (short attendu = 2; attendu <= 9; ++attendu) {
        reglesuivante(page);
        EXPECT_EQ(page, attendu);
        EXPECT_TRUE(reglemontreprecedente(page));
    }
    EXPECT_FALSE(reglemontresuivante(page));
    reglesuivante(page);
    EXPECT_EQ(page, 9);
    regleprecedente(page);
    EXPECT_EQ(page, 8);
    // A page number out of bounds is brought back by the next step.
    page = 12;
    reglesuivante(page);
    EXPECT_EQ(page, 9);
    page = -3;
    regleprecedente(page);
    EXPECT_EQ(page, 1);
    regledernierepage(page);
    EXPECT_EQ(page, 9);
}

TEST_F(pageregle, pageregledef_writes_nothing_outside_1_to_9) {
    bitmapmemoire b(fenetreglewid, fenetreglehgt, 0xFFFFFF);
    cladevout d;
    d.sethdc(b.dc());
    livre.pageregledef(d, 0, 0);
    livre.pageregledef(d, 10, 1);
    finusageressources();
    const imagergb image = b.image();
    for (std::uint32_t p : image.pixels) ASSERT_EQ(p & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_TRUE(reglelignes(0, 0).empty());
    EXPECT_TRUE(reglelignes(10, 1).empty());
}

TEST_F(pageregle, each_picture_is_loaded_once_and_kept_at_the_window_size) {
    livre.liberepagesregles();
    bitmapmemoire b(fenetreglewid, fenetreglehgt);
    for (short p = 1; p <= 9; ++p) {
        const int avant = livre.reglechargements(p);
        livre.pagereglaffi(b.dc(), p, 0);
        livre.pagereglaffi(b.dc(), p, 0);
        EXPECT_EQ(livre.reglechargements(p), avant + 1) << "page " << p;
        ASSERT_NE(livre.reglebitmap(p), nullptr) << "page " << p;
        EXPECT_EQ(livre.reglebitmap(p)->getlarg(), fenetreglewid);
        EXPECT_EQ(livre.reglebitmap(p)->gethaut(), fenetreglehgt);
    }
    // The resources themselves are the full-size pictures.
    claminibitmap plein;
#ifdef _WIN32
    ASSERT_TRUE(plein.loadbmpressource(5, GetModuleHandleA(nullptr)));
#else
    ASSERT_TRUE(plein.loadbmpressource(5, nullptr));
#endif
    EXPECT_EQ(plein.getlarg(), 2364);
    EXPECT_EQ(plein.gethaut(), 1771);
    livre.liberepagesregles();
    EXPECT_EQ(livre.reglebitmap(5), nullptr);
    livre.pagereglaffi(b.dc(), 5, 0);
    EXPECT_EQ(livre.reglechargements(5), 2);
    livre.liberepagesregles();
}

TEST_F(pageregle, every_line_of_every_page_fits_the_window_in_both_languages) {
    bitmapmemoire b(fenetreglewid, fenetreglehgt);
    cladevout d;
    d.sethdc(b.dc());
    d.setdpi(100, 100);
    for (short langue = 0; langue <= 1; ++langue) {
        for (short page = 1; page <= 9; ++page) {
            const auto lignes = reglelignes(page, langue);
            ASSERT_GE(lignes.size(), 4u) << "page " << page << " language " << langue;
            for (const ligneregle& l : lignes) {
                const short h = d.ammxtopix(l.hauteur);
                mapolice.createbis(h, static_cast<short>(h / 3), 0, l.italique, l.graisse,
                                   reglepolice());
                mapolice.useon(b.dc());
                SIZE s{};
                ASSERT_TRUE(GetTextExtentPoint32A(b.dc(), l.texte.c_str(),
                                                  static_cast<int>(l.texte.size()), &s));
                mapolice.enduse();
                const int x = fenetreglewid / 2 + d.ammxtopix(l.x);
                const int y = fenetreglehgt / 2 - d.ammytopix(l.y);
                const int gauche = l.centre ? x - s.cx / 2 : x;
                const int haut = y - h / 2;
                const std::string ou =
                    "page " + std::to_string(page) + (langue ? " en: " : " fr: ") + l.texte;
                EXPECT_GE(gauche, 4) << ou;
                EXPECT_LE(gauche + s.cx, fenetreglewid - 4) << ou;
                EXPECT_GE(haut, 0) << ou;
                EXPECT_LE(haut + s.cy, fenetreglehgt) << ou;
                // Headings and body lines stay above the footer.
                if (l.hauteur == 5 && !l.centre) {
                    EXPECT_GE(l.y, -60) << ou;
                }
            }
        }
    }
    finusageressources();
}

TEST_F(pageregle, both_languages_lay_out_the_same_kinds_of_line) {
    for (short page = 1; page <= 9; ++page) {
        const auto fr = reglelignes(page, 0);
        const auto en = reglelignes(page, 1);
        std::multiset<std::pair<short, short>> places_fr;
        std::multiset<std::pair<short, short>> places_en;
        for (const auto& l : fr) places_fr.insert({l.x, static_cast<short>(l.hauteur * 10)});
        for (const auto& l : en) places_en.insert({l.x, static_cast<short>(l.hauteur * 10)});
        EXPECT_EQ(places_fr, places_en) << "page " << page;
        bool titre = false;
        for (const auto& l : fr) titre = titre || l.hauteur == 24;
        EXPECT_TRUE(titre) << "page " << page;
    }
}

TEST_F(pageregle, the_page_number_is_written_in_helvetica_whatever_the_rules_font) {
    bitmapmemoire b(fenetreglewid, fenetreglehgt);
    const std::string police = reglepolice();
    EXPECT_NE(police, "Helvetica");
    livre.pagereglaffi(b.dc(), 2, 1);
    EXPECT_EQ(mapolice.getnomface(), "Helvetica");
    EXPECT_EQ(reglepolice(), police);
    livre.liberepagesregles();
}

int ecart(std::uint32_t a, std::uint32_t b) {
    int m = 0;
    for (int s = 0; s < 24; s += 8)
        m = std::max(
            m, std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)));
    return m;
}

class referencesregles : public pageregle,
                         public ::testing::WithParamInterface<std::pair<short, short>> {};

TEST_P(referencesregles, the_page_looks_as_its_reference) {
    const auto [page, langue] = GetParam();
    bitmapmemoire b(fenetreglewid, fenetreglehgt);
    livre.pagereglaffi(b.dc(), page, langue);
    livre.liberepagesregles();
    const imagergb dessin = b.image();
    const std::string nom = "regle" + std::to_string(page) + (langue == 0 ? "-fr" : "-en") + ".png";
    const std::string reference = std::string(VORA_REFERENCES_DIR) + "/" + nom;
    const char* refaire = std::getenv("VORA_REFAIRE");
    if (refaire != nullptr && refaire[0] == '1') {
        ASSERT_TRUE(ecrirepng(reference, dessin)) << reference;
        return;
    }
    imagergb attendu;
    ASSERT_TRUE(lirepng(reference, attendu)) << reference;
    ASSERT_EQ(dessin.larg, attendu.larg);
    ASSERT_EQ(dessin.haut, attendu.haut);
    long differents = 0;
    for (size_t i = 0; i < dessin.pixels.size(); ++i)
        if (ecart(dessin.pixels[i], attendu.pixels[i]) > 24) ++differents;
#ifdef _WIN32
    // GDI's own text rasterizer and stretching: the texts' pixels may differ.
    const long permis = static_cast<long>(dessin.pixels.size()) / 12;
#else
    const long permis = 0;
#endif
    if (differents > permis) ecrirepng(nom.substr(0, nom.size() - 4) + "-drawn.png", dessin);
    EXPECT_LE(differents, permis) << nom;
}

INSTANTIATE_TEST_SUITE_P(pages, referencesregles,
                         ::testing::Values(std::pair<short, short>{1, 0},
                                           std::pair<short, short>{1, 1},
                                           std::pair<short, short>{5, 0},
                                           std::pair<short, short>{5, 1}));

} // namespace
