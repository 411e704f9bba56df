// BitBlt and StretchBlt between memory bitmaps and surfaces.
#include "platform/gdi_internal.h"
#include "platform/gdi_testing.h"

#include <gtest/gtest.h>

using namespace gdi::testing;

namespace {

void fill(const Canvas& c, RECT r, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(c.dc, &r, brush);
    DeleteObject(brush);
}

TEST(GdiBlit, BitBltCopiesARectangleToItsPlace) {
    Canvas src(20, 20);
    fill(src, {5, 5, 10, 8}, red);
    Canvas dst(30, 30, blue);
    EXPECT_TRUE(BitBlt(dst.dc, 12, 15, 6, 4, src.dc, 5, 5, SRCCOPY));
    EXPECT_EQ(dst.at(12, 15), red);
    EXPECT_EQ(dst.at(16, 17), red);
    EXPECT_EQ(dst.at(17, 17), white) << "column 10 of the source was white";
    EXPECT_EQ(dst.at(12, 18), white);
    EXPECT_EQ(dst.at(11, 15), blue) << "outside the copy nothing changes";
    EXPECT_EQ(dst.at(12, 19), blue);
    EXPECT_EQ(dst.count(blue), 900 - 24);
}

TEST(GdiBlit, BitBltOnlySupportsSrcCopy) {
    Canvas src(4, 4, red);
    Canvas dst(4, 4);
    EXPECT_FALSE(BitBlt(dst.dc, 0, 0, 4, 4, src.dc, 0, 0, 0x00EE0086));
    EXPECT_FALSE(BitBlt(dst.dc, 0, 0, 4, 4, nullptr, 0, 0, SRCCOPY));
    EXPECT_EQ(dst.count(white), 16);
}

TEST(GdiBlit, BitBltWithinOneBitmapReadsTheOriginalPixels) {
    Canvas c(10, 1);
    for (int x = 0; x < 5; ++x) SetPixel(c.dc, x, 0, RGB(x * 10, 0, 0));
    BitBlt(c.dc, 2, 0, 5, 1, c.dc, 0, 0, SRCCOPY);
    for (int x = 0; x < 5; ++x) EXPECT_EQ(c.at(x + 2, 0), RGB(x * 10, 0, 0)) << "x " << x;
}

TEST(GdiBlit, StretchBltDoublesEachPixel) {
    Canvas src(2, 2);
    SetPixel(src.dc, 0, 0, red);
    SetPixel(src.dc, 1, 1, blue);
    Canvas dst(6, 6, green);
    EXPECT_TRUE(StretchBlt(dst.dc, 1, 1, 4, 4, src.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(dst.at(1, 1), red);
    EXPECT_EQ(dst.at(2, 2), red);
    EXPECT_EQ(dst.at(3, 2), white);
    EXPECT_EQ(dst.at(3, 3), blue);
    EXPECT_EQ(dst.at(4, 4), blue);
    EXPECT_EQ(dst.at(5, 5), green);
    EXPECT_EQ(dst.count(red), 4);
    EXPECT_EQ(dst.count(blue), 4);
}

TEST(GdiBlit, ShrinkingBlackOnWhiteKeepsThinBlackLines) {
    Canvas src(9, 9);
    for (int y = 0; y < 9; ++y) SetPixel(src.dc, 4, y, black);
    Canvas anded(3, 3, green);
    EXPECT_EQ(SetStretchBltMode(anded.dc, BLACKONWHITE), BLACKONWHITE);
    StretchBlt(anded.dc, 0, 0, 3, 3, src.dc, 0, 0, 9, 9, SRCCOPY);
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(anded.at(0, y), white);
        EXPECT_EQ(anded.at(1, y), black) << "the line survives";
        EXPECT_EQ(anded.at(2, y), white);
    }
    Canvas averaged(3, 3);
    SetStretchBltMode(averaged.dc, HALFTONE);
    StretchBlt(averaged.dc, 0, 0, 3, 3, src.dc, 0, 0, 9, 9, SRCCOPY);
    EXPECT_EQ(averaged.at(1, 1), RGB(170, 170, 170)) << "two thirds white";
}

TEST(GdiBlit, NegativeWidthMirrors) {
    Canvas src(3, 1);
    SetPixel(src.dc, 0, 0, red);
    SetPixel(src.dc, 2, 0, blue);
    Canvas dst(3, 1);
    StretchBlt(dst.dc, 3, 0, -3, 1, src.dc, 0, 0, 3, 1, SRCCOPY);
    EXPECT_EQ(dst.at(0, 0), blue);
    EXPECT_EQ(dst.at(2, 0), red);
}

TEST(GdiBlit, CopiesToAWindowSurfaceAtItsOrigin) {
    Canvas src(8, 8, red);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 20, 20);
    HDC window = gdi::create_surface_dc(surface);
    gdi::set_dc_origin(window, 4, 6);
    const RECT clip{0, 0, 8, 20};
    gdi::set_dc_clip(window, &clip);
    BitBlt(window, 0, 0, 8, 8, src.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(window, 0, 0), red);
    EXPECT_EQ(GetPixel(window, 3, 3), red);
    EXPECT_EQ(GetPixel(window, 4, 0), 0u) << "surface column 8 is clipped";
    EXPECT_EQ(GetPixel(window, -1, 0), 0u);
    gdi::free_surface_dc(window);
    cairo_surface_destroy(surface);
}

} // namespace
