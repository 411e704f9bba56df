// The grid page in each display mode compared with reference pictures kept
// beside the code (render/references/): a small catalogue grid with givens,
// played values, pencil marks, the contour and the scroll arrows.
//
// On Linux the picture must equal its reference pixel for pixel. The Windows
// build draws with GDI's own rasterizer: its text differs in antialiasing,
// weight and glyph placement, and its wide lines may fall one pixel aside.
// There, inside the text boxes (around each cell that shows a value or pencil
// marks) at most a quarter of the pixels may differ; every other pixel must
// match, within 24 per channel, the reference pixel or one of its eight
// neighbours.
//
// VORA_REFAIRE=1 writes the pictures as new references instead of comparing
// (look at each one before committing it). A failing comparison writes the
// picture drawn beside the test program as <name>-drawn.png.
#include "render/render_testing.h"

#include "grid/vocalculinit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using rendertest::scene;

// Pixels where text may land: a square around each cell that shows a value
// or pencil marks.
std::vector<bool> zonestexte(scene& s) {
    const int w = s.image->larg();
    const int h = s.image->haut();
    std::vector<bool> zone(static_cast<size_t>(w) * static_cast<size_t>(h), false);
    const int r = s.page.modele().gettaillepix() * 45 / 100;
    for (short c = 1; c <= s.page.modele().getnbcases(); ++c) {
        if (s.page.modele().casestvide(c) && s.page.modele().getpuser(c) == 0) continue;
        const POINT p = s.centre(c);
        for (int y = std::max<int>(0, p.y - r); y <= std::min<int>(h - 1, p.y + r); ++y)
            for (int x = std::max<int>(0, p.x - r); x <= std::min<int>(w - 1, p.x + r); ++x)
                zone[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] =
                    true;
    }
    return zone;
}

int ecart(std::uint32_t a, std::uint32_t b) {
    int m = 0;
    for (int s = 0; s < 24; s += 8)
        m = std::max(
            m, std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)));
    return m;
}

#ifdef _WIN32
// Whether pixel (x, y) of a is within 24 per channel of the same pixel of b
// or of one of its neighbours.
bool prochevoisin(const imagergb& a, const imagergb& b, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int bx = x + dx;
            const int by = y + dy;
            if (bx < 0 || by < 0 || bx >= b.larg || by >= b.haut) continue;
            if (ecart(a.at(x, y), b.at(bx, by)) <= 24) return true;
        }
    return false;
}
#endif

class references : public ::testing::TestWithParam<short> {
protected:
    static void SetUpTestSuite() { globinitvocalcul(); }
};

TEST_P(references, the_grid_page_looks_as_its_reference) {
    const short mode = GetParam();
    scene s("1251-1", mode);
    const imagergb dessin = s.image->image();
    const std::string nom = "1251-1-m" + std::to_string(mode);
    const std::string reference = std::string(VORA_REFERENCES_DIR) + "/" + nom + ".png";
    const char* refaire = std::getenv("VORA_REFAIRE");
    if (refaire != nullptr && refaire[0] == '1') {
        ASSERT_TRUE(ecrirepng(reference, dessin)) << reference;
        return;
    }
    imagergb attendu;
    ASSERT_TRUE(lirepng(reference, attendu)) << reference;
    ASSERT_EQ(dessin.larg, attendu.larg);
    ASSERT_EQ(dessin.haut, attendu.haut);

    const std::vector<bool> texte = zonestexte(s);
    long dehors = 0;
    long dedans = 0;
    long tailletexte = 0;
    for (size_t i = 0; i < dessin.pixels.size(); ++i) {
        tailletexte += texte[i] ? 1 : 0;
        const int e = ecart(dessin.pixels[i], attendu.pixels[i]);
#ifdef _WIN32
        const int x = static_cast<int>(i % static_cast<size_t>(dessin.larg));
        const int y = static_cast<int>(i / static_cast<size_t>(dessin.larg));
        if (texte[i])
            dedans += e > 0 ? 1 : 0;
        else
            dehors += prochevoisin(dessin, attendu, x, y) ? 0 : 1;
#else
        (texte[i] ? dedans : dehors) += e > 0 ? 1 : 0;
#endif
    }
#ifdef _WIN32
    const long dedansmax = tailletexte / 4;
#else
    const long dedansmax = 0;
#endif
    EXPECT_EQ(dehors, 0) << nom << ": pixels that differ outside the text boxes";
    EXPECT_LE(dedans, dedansmax) << nom << ": pixels that differ in the text boxes (of "
                                 << tailletexte << ")";
    if (dehors > 0 || dedans > dedansmax) ecrirepng(nom + "-drawn.png", dessin);
}

INSTANTIATE_TEST_SUITE_P(modes, references, ::testing::Values(6, 7, 8, 10),
                         [](const ::testing::TestParamInfo<short>& i) {
                             return "mode" + std::to_string(i.param);
                         });

} // namespace
