// The looks' palettes: the aids told apart by lightness in the new looks,
// the digits legible on every fill they lie on, the dark look dark, and any
// other look number the original.
#include "render/palette/palette.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

double luma(int c) {
    return 0.299 * (c & 0xFF) + 0.587 * ((c >> 8) & 0xFF) + 0.114 * ((c >> 16) & 0xFF);
}

struct role {
    const char* nom;
    int palettedessin::*couleur;
};

// The roles that can lie on one cell or side by side.
constexpr std::array<role, 8> aides = {{{"cursor", &palettedessin::coulcurseur},
                                        {"wrong entry", &palettedessin::coulfausse},
                                        {"highlight", &palettedessin::coulsurligne},
                                        {"refusal", &palettedessin::coulconflit},
                                        {"hint", &palettedessin::coulindice},
                                        {"hint holders", &palettedessin::coulindicesurligne},
                                        {"hint frame", &palettedessin::coulindicecadre},
                                        {"hint possible", &palettedessin::coulindicepossible}}};

// The smallest luma difference between two of the aids of p.
double ecartminimal(const palettedessin& p) {
    double m = 255;
    for (size_t i = 0; i < aides.size(); ++i)
        for (size_t j = i + 1; j < aides.size(); ++j)
            m = std::min(m, std::abs(luma(p.*aides[i].couleur) - luma(p.*aides[j].couleur)));
    return m;
}

TEST(Palette, EveryLookTellsItsAidsApartByLightnessTheOriginalAsItAlwaysWas) {
    const struct {
        short theme;
        double ecart; // the smallest difference between two aids, at least
    } cas[] = {
        // The original's colours are the game's own: its hint's blue and
        // orange lie closest.
        {themeoriginal, 11.5},
        {themesombre, 21.0},
        {themedaltonien, 21.0},
    };
    for (const auto& c : cas) {
        const palettedessin& p = palettedutheme(c.theme);
        EXPECT_GE(ecartminimal(p), c.ecart) << "look " << c.theme;
        // The digits and marks stand out from the cells, and the digits
        // from the fills that lie under values.
        for (const int encre : {p.grischiffrefixe, p.grischiffrejoue, p.coulnotes})
            EXPECT_GE(std::abs(luma(encre) - luma(p.grisfondcase)), 120.0)
                << "look " << c.theme << " ink " << std::hex << encre;
        for (const int chiffre : {p.grischiffrefixe, p.grischiffrejoue})
            for (const int fond : {p.coulsurligne, p.coulconflit, p.coulindicesurligne})
                EXPECT_GE(std::abs(luma(chiffre) - luma(fond)), 30.0)
                    << "look " << c.theme << " digit " << std::hex << chiffre << " on " << fond;
        // Every aid shows on the cells.
        for (const role& r : aides)
            EXPECT_GE(std::abs(luma(p.*r.couleur) - luma(p.grisfondcase)), 20.0)
                << "look " << c.theme << " " << r.nom;
    }
}

TEST(Palette, TheDarkLookIsDarkAndTheOthersKeepTheSystemsBackground) {
    const palettedessin& sombre = palettedutheme(themesombre);
    EXPECT_LT(luma(sombre.grisfondcase), 64.0);
    ASSERT_NE(sombre.fondfenetre, fondsysteme);
    EXPECT_LT(luma(sombre.fondfenetre), 64.0);
    EXPECT_GT(luma(sombre.grischiffrefixe), 200.0);
    EXPECT_EQ(palettedutheme(themeoriginal).fondfenetre, fondsysteme);
    EXPECT_EQ(palettedutheme(themedaltonien).fondfenetre, fondsysteme);
    EXPECT_NE(palettedutheme(themesombre), palettedutheme(themedaltonien));
    for (const short autre : {short(-1), nbthemes, short(32767)})
        EXPECT_EQ(palettedutheme(autre), palettedutheme(themeoriginal)) << autre;
}

} // namespace
