// Text output and measurement: alignment, colours, font sizes, width and
// escapement, and the Windows-1252 conversion.
#include "platform/gdi_internal.h"
#include "platform/gdi_testing.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace gdi::testing;

namespace {

HFONT font(int height, int width = 0, int escapement = 0, int weight = FW_NORMAL,
           const char* face = "Arial") {
    return CreateFontA(height, width, escapement, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       face);
}

SIZE extent(HDC dc, const char* text) {
    SIZE s{};
    EXPECT_TRUE(GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &s));
    return s;
}

void write(HDC dc, int x, int y, const char* text) {
    EXPECT_TRUE(TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text))));
}

TEST(GdiText, LeftTopTextInksBelowAndRightOfThePoint) {
    Canvas c(200, 80);
    Selected f(c.dc, font(-30));
    SetBkMode(c.dc, TRANSPARENT);
    write(c.dc, 40, 20, "Hello");
    const RECT ink = c.ink();
    EXPECT_GE(ink.left, 40);
    EXPECT_LE(ink.left, 44);
    EXPECT_GE(ink.top, 20);
    EXPECT_LE(ink.top, 28) << "capitals start a little below the cell top";
    EXPECT_LE(ink.bottom, 20 + extent(c.dc, "Hello").cy);
}

TEST(GdiText, CentredTextPutsItsInkAroundX) {
    Canvas c(200, 80);
    Selected f(c.dc, font(-30));
    SetBkMode(c.dc, TRANSPARENT);
    EXPECT_EQ(SetTextAlign(c.dc, TA_CENTER), static_cast<UINT>(TA_LEFT | TA_TOP));
    write(c.dc, 100, 20, "OHO");
    const RECT ink = c.ink();
    EXPECT_LT(ink.left, 100);
    EXPECT_GT(ink.right, 100);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 100.0, 2.0);
    EXPECT_GE(ink.top, 20);
}

TEST(GdiText, RightAndBaselineAlignmentPutInkLeftOfAndAboveThePoint) {
    Canvas c(200, 80);
    Selected f(c.dc, font(-30));
    SetBkMode(c.dc, TRANSPARENT);
    SetTextAlign(c.dc, TA_RIGHT | TA_BASELINE);
    write(c.dc, 150, 60, "HH");
    const RECT ink = c.ink();
    EXPECT_LE(ink.right, 150);
    EXPECT_GE(ink.right, 146);
    EXPECT_LE(ink.bottom, 60);
    EXPECT_GE(ink.bottom, 59) << "capitals sit on the baseline";
}

TEST(GdiText, TextTakesTheTextColourAndOpaqueBackgroundFillsTheCell) {
    Canvas c(200, 80);
    Selected f(c.dc, font(-40, 0, 0, FW_BOLD));
    SetTextColor(c.dc, red);
    EXPECT_EQ(SetBkColor(c.dc, green), white) << "the default background colour is white";
    EXPECT_EQ(GetBkMode(c.dc), OPAQUE);
    write(c.dc, 10, 10, "IH");
    EXPECT_GT(c.count(red), 100) << "thick strokes hold pixels of the exact colour";
    const SIZE s = extent(c.dc, "IH");
    const int cell = s.cx * s.cy;
    EXPECT_NEAR(c.count(green) + c.count(red), cell, cell / 4);
    EXPECT_EQ(c.at(10, 10), green) << "the cell's top-left corner";
    EXPECT_EQ(c.at(9, 10), white);

    Canvas t(200, 80);
    Selected g(t.dc, font(-40, 0, 0, FW_BOLD));
    SetBkColor(t.dc, green);
    SetBkMode(t.dc, TRANSPARENT);
    write(t.dc, 10, 10, "IH");
    EXPECT_EQ(t.count(green), 0) << "a transparent background leaves the picture";
}

TEST(GdiText, NegativeHeightIsTheCharacterAndPositiveTheCell) {
    Canvas c(10, 10);
    {
        Selected f(c.dc, font(40));
        EXPECT_EQ(extent(c.dc, "x").cy, 40);
    }
    Selected f(c.dc, font(-40));
    const SIZE s = extent(c.dc, "x");
    EXPECT_GT(s.cy, 40) << "ascent and descent exceed the character height";
    EXPECT_LT(s.cy, 50);
}

TEST(GdiText, WidthSetsTheAverageCharacterWidth) {
    Canvas c(10, 10);
    const char* text = "the quick brown fox jumps over";
    const auto width_of = [&](int w) {
        Selected f(c.dc, font(-30, w));
        return extent(c.dc, text).cx;
    };
    const LONG natural = width_of(0);
    const LONG narrow = width_of(6);
    const LONG wide = width_of(12);
    EXPECT_NEAR(static_cast<double>(wide) / narrow, 2.0, 0.05);
    EXPECT_LT(narrow, natural);
    LONG natural_height = 0;
    {
        Selected f(c.dc, font(-30));
        natural_height = extent(c.dc, "x").cy;
    }
    Selected f(c.dc, font(-30, 6));
    EXPECT_EQ(extent(c.dc, "x").cy, natural_height) << "the width leaves the height alone";
}

TEST(GdiText, ExplicitWidthIsTheAverageWidthTheFontDeclares) {
    // GDI scales a font so that its declared average character width (the
    // one a TrueType font states, not that of ordinary text) is the width
    // asked for. Widths measured under Wine with the same fonts:
    struct Case {
        int height;
        int width;
        const char* text;
        LONG wine;
    };
    const Case cases[] = {{22, 11, "123456", 66}};
    Canvas c(10, 10);
    for (const Case& k : cases) {
        Selected f(c.dc, font(k.height, k.width));
        EXPECT_NEAR(extent(c.dc, k.text).cx, k.wine, k.wine / 20.0)
            << k.text << " at " << k.height << " x " << k.width;
    }
}

TEST(GdiText, EscapementTurnsTextCounterClockwise) {
    Canvas c(120, 200);
    Selected f(c.dc, font(-20, 0, 900));
    SetBkMode(c.dc, TRANSPARENT);
    write(c.dc, 40, 180, "HHHHHHHH");
    const RECT ink = c.ink();
    EXPECT_GT(ink.bottom - ink.top, 3 * (ink.right - ink.left)) << "the text runs upwards";
    EXPECT_LE(ink.bottom, 181);
    EXPECT_GE(ink.left, 40) << "the top of the letters faces left, the cell lies right";
}

TEST(GdiText, BoldIsWiderAndFacesDiffer) {
    Canvas c(10, 10);
    const char* text = "Mississippi";
    LONG normal = 0, bold = 0, serif = 0;
    {
        Selected f(c.dc, font(-30));
        normal = extent(c.dc, text).cx;
    }
    {
        Selected f(c.dc, font(-30, 0, 0, FW_BOLD));
        bold = extent(c.dc, text).cx;
    }
    {
        Selected f(c.dc, font(-30, 0, 0, FW_NORMAL, "Times New Roman"));
        serif = extent(c.dc, text).cx;
    }
    EXPECT_GT(bold, normal);
    EXPECT_NE(serif, normal);
}

TEST(GdiText, StockFontsMeasureText) {
    Canvas c(10, 10);
    SelectObject(c.dc, GetStockObject(DEFAULT_GUI_FONT));
    const SIZE s = extent(c.dc, "Grid");
    EXPECT_GT(s.cx, 10);
    EXPECT_GT(s.cy, 10);
    EXPECT_LT(s.cy, 16);
    EXPECT_EQ(extent(c.dc, "").cx, 0);
    EXPECT_FALSE(GetTextExtentPoint32A(nullptr, "a", 1, nullptr));
    EXPECT_FALSE(TextOutA(nullptr, 0, 0, "a", 1));
}

TEST(GdiText, Windows1252BecomesUtf8) {
    EXPECT_EQ(gdi::cp1252_to_utf8("S\xE9lec. \x80 \xAE"), "S\xC3\xA9lec. \xE2\x82\xAC \xC2\xAE");
    EXPECT_EQ(gdi::cp1252_to_utf8("\x81", 1), "\xEF\xBF\xBD");
    EXPECT_EQ(gdi::cp1252_to_utf8("abc", 2), "ab");
    EXPECT_EQ(gdi::cp1252_to_utf8(nullptr), "");
}

TEST(GdiText, AccentedLettersAreDrawn) {
    Canvas c(100, 60);
    Selected f(c.dc, font(-30));
    const char e_acute[] = "\xE9";
    EXPECT_EQ(extent(c.dc, e_acute).cx, extent(c.dc, "e").cx);
    SetBkMode(c.dc, TRANSPARENT);
    write(c.dc, 10, 10, e_acute);
    EXPECT_GT(c.count(black), 10);
}

} // namespace
