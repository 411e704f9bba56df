// Lines and shapes drawn into memory bitmaps, checked pixel by pixel.
#include "platform/gdi_internal.h"
#include "platform/gdi_testing.h"

#include <gtest/gtest.h>

using namespace gdi::testing;

namespace {

HPEN geometric_pen(DWORD width, COLORREF color) {
    const LOGBRUSH lb{BS_SOLID, color, 0};
    return ExtCreatePen(PS_GEOMETRIC | PS_SOLID, width, &lb, 0, nullptr);
}

TEST(GdiShapes, PolygonIsFilledWithTheBrushAndOutlinedWithThePen) {
    Canvas c(40, 40);
    Selected brush(c.dc, CreateSolidBrush(red));
    const POINT square[4] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
    ASSERT_TRUE(Polygon(c.dc, square, 4));
    EXPECT_EQ(c.at(20, 20), red) << "inside takes the brush";
    EXPECT_EQ(c.at(10, 20), black) << "left edge takes the pen";
    EXPECT_EQ(c.at(30, 20), black) << "the outline passes through the vertices";
    EXPECT_EQ(c.at(20, 30), black);
    EXPECT_EQ(c.at(31, 20), white) << c.row(20);
    EXPECT_EQ(c.at(9, 20), white) << c.row(20);
    EXPECT_EQ(c.at(20, 31), white);
}

TEST(GdiShapes, PolygonFillModeDecidesTheCentreOfAStar) {
    const POINT star[5] = {{50, 5}, {79, 95}, {3, 39}, {97, 39}, {21, 95}};
    Canvas alternate(100, 100);
    Selected b1(alternate.dc, CreateSolidBrush(red));
    Polygon(alternate.dc, star, 5);
    EXPECT_EQ(alternate.at(50, 50), white) << "alternate leaves the centre empty";
    EXPECT_EQ(alternate.at(50, 20), red) << "a point of the star is filled";

    Canvas winding(100, 100);
    Selected b2(winding.dc, CreateSolidBrush(red));
    EXPECT_EQ(SetPolyFillMode(winding.dc, WINDING), ALTERNATE);
    Polygon(winding.dc, star, 5);
    EXPECT_EQ(winding.at(50, 50), red) << "winding fills the centre";
}

TEST(GdiShapes, RectangleExcludesItsRightAndBottomEdges) {
    Canvas c(30, 30);
    Selected brush(c.dc, CreateSolidBrush(blue));
    Rectangle(c.dc, 10, 10, 20, 20);
    EXPECT_EQ(c.at(10, 15), black);
    EXPECT_EQ(c.at(19, 15), black) << c.row(15);
    EXPECT_EQ(c.at(20, 15), white) << c.row(15);
    EXPECT_EQ(c.at(15, 10), black);
    EXPECT_EQ(c.at(15, 19), black);
    EXPECT_EQ(c.at(15, 20), white);
    EXPECT_EQ(c.at(15, 15), blue);
    EXPECT_EQ(c.count(black), 36) << "a one-pixel frame of 10 x 10";
}

TEST(GdiShapes, HollowBrushDrawsOnlyTheOutline) {
    Canvas c(30, 30);
    SelectObject(c.dc, GetStockObject(NULL_BRUSH));
    Rectangle(c.dc, 5, 5, 25, 25);
    EXPECT_EQ(c.at(15, 15), white);
    EXPECT_EQ(c.at(5, 15), black);
    const POINT tri[3] = {{2, 2}, {27, 2}, {2, 27}};
    Polygon(c.dc, tri, 3);
    EXPECT_EQ(c.at(8, 8), white);
}

TEST(GdiShapes, NullPenShrinksTheFilledRectangleByOnePixel) {
    Canvas c(30, 30);
    SelectObject(c.dc, GetStockObject(NULL_PEN));
    SelectObject(c.dc, GetStockObject(BLACK_BRUSH));
    Rectangle(c.dc, 10, 10, 20, 20);
    EXPECT_EQ(c.ink(), (RECT{10, 10, 19, 19}));
}

TEST(GdiShapes, EllipseStaysInsideItsBoxWithoutRightAndBottomEdges) {
    Canvas c(40, 30);
    Selected brush(c.dc, CreateSolidBrush(green));
    Ellipse(c.dc, 10, 10, 30, 20);
    EXPECT_EQ(c.ink(), (RECT{10, 10, 30, 20})) << "pixels 10..29 x 10..19";
    EXPECT_EQ(c.at(10, 15), black);
    EXPECT_EQ(c.at(29, 15), black);
    EXPECT_EQ(c.at(20, 10), black);
    EXPECT_EQ(c.at(20, 19), black);
    EXPECT_EQ(c.at(20, 15), green);
    EXPECT_EQ(c.at(10, 10), white) << "corners of the box are outside";
    EXPECT_EQ(c.at(29, 19), white);
}

TEST(GdiShapes, ThickLineIsCentredOnItsPath) {
    Canvas c(50, 40);
    Selected pen(c.dc, geometric_pen(5, red));
    MoveToEx(c.dc, 10, 20, nullptr);
    LineTo(c.dc, 40, 20);
    for (int y = 18; y <= 22; ++y) EXPECT_EQ(c.at(25, y), red) << "row " << y;
    EXPECT_EQ(c.at(25, 17), white);
    EXPECT_EQ(c.at(25, 23), white);
    const RECT ink = c.ink();
    EXPECT_EQ(ink.top, 18);
    EXPECT_EQ(ink.bottom, 23);
    EXPECT_EQ(10 - ink.left, ink.right - 1 - 40) << "round caps on both ends";
}

TEST(GdiShapes, LineToLeavesOutItsEndPixelAndMovesThePosition) {
    Canvas c(30, 30);
    MoveToEx(c.dc, 5, 5, nullptr);
    LineTo(c.dc, 15, 5);
    EXPECT_EQ(c.at(5, 5), black);
    EXPECT_EQ(c.at(14, 5), black);
    EXPECT_EQ(c.at(15, 5), white);
    LineTo(c.dc, 15, 15);
    EXPECT_EQ(c.at(15, 5), black) << "the next line starts at the end pixel";
    EXPECT_EQ(c.at(15, 15), white);
    POINT was{};
    MoveToEx(c.dc, 0, 0, &was);
    EXPECT_EQ(was.x, 15);
    EXPECT_EQ(was.y, 15);
    EXPECT_EQ(c.count(black), 20);
}

TEST(GdiShapes, DiagonalLineHasOnePixelPerColumn) {
    Canvas c(30, 30);
    MoveToEx(c.dc, 2, 3, nullptr);
    LineTo(c.dc, 22, 13);
    EXPECT_EQ(c.count(black), 20);
    EXPECT_EQ(c.at(2, 3), black);
    for (int x = 2; x < 22; ++x) {
        int n = 0;
        for (int y = 0; y < 30; ++y) n += c.at(x, y) == black ? 1 : 0;
        EXPECT_EQ(n, 1) << "column " << x;
    }
}

TEST(GdiShapes, PolylineJoinsItsPointsWithoutClosing) {
    Canvas c(30, 30);
    const POINT pts[3] = {{5, 5}, {20, 5}, {20, 20}};
    Polyline(c.dc, pts, 3);
    EXPECT_EQ(c.at(20, 5), black);
    EXPECT_EQ(c.at(20, 19), black);
    EXPECT_EQ(c.at(20, 20), white);
    EXPECT_EQ(c.at(10, 10), white) << "no closing segment";
}

TEST(GdiShapes, FillRectTakesABrushOrASystemColourIndex) {
    Canvas c(20, 20);
    const RECT r{2, 3, 8, 9};
    HBRUSH brush = CreateSolidBrush(blue);
    EXPECT_EQ(FillRect(c.dc, &r, brush), 1);
    DeleteObject(brush);
    EXPECT_EQ(c.ink(), r);
    EXPECT_EQ(c.at(2, 3), blue);
    const RECT s{10, 10, 12, 12};
    FillRect(c.dc, &s, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EXPECT_EQ(c.at(10, 10), GetSysColor(COLOR_BTNFACE));
    FillRect(c.dc, &s, reinterpret_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(c.at(10, 10), GetSysColor(COLOR_BTNFACE)) << "a hollow brush fills nothing";
}

TEST(GdiShapes, SurfaceDcDrawsAtItsOriginInsideItsClip) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 40, 30);
    HDC dc = gdi::create_surface_dc(surface);
    ASSERT_NE(dc, nullptr);
    gdi::set_dc_origin(dc, 10, 5);
    const RECT clip{10, 5, 30, 25};
    gdi::set_dc_clip(dc, &clip);
    const RECT all{-100, -100, 100, 100};
    FillRect(dc, &all, reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetPixel(dc, 0, 0, red);
    EXPECT_EQ(GetPixel(dc, 0, 0), red);
    cairo_surface_flush(surface);
    const auto* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const auto pixel = [&](int x, int y) {
        return reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
    };
    EXPECT_EQ(pixel(10, 5), 0xFFFF0000u) << "client (0, 0) is surface (10, 5)";
    EXPECT_EQ(pixel(29, 24), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(30, 24), 0u) << "outside the clip";
    EXPECT_EQ(pixel(9, 5), 0u);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 2, 2);
    EXPECT_EQ(SelectObject(dc, bitmap), nullptr) << "no bitmap in a window DC";
    DeleteObject(bitmap);
    gdi::free_surface_dc(dc);
    cairo_surface_destroy(surface);
}

TEST(GdiShapes, UnknownDcFailsWithoutDrawing) {
    int bogus = 0;
    const HDC dc = reinterpret_cast<HDC>(&bogus);
    const POINT pts[3] = {{0, 0}, {1, 1}, {2, 0}};
    EXPECT_FALSE(LineTo(dc, 3, 3));
    EXPECT_FALSE(LineTo(nullptr, 3, 3));
    EXPECT_FALSE(Polygon(dc, pts, 3));
    EXPECT_FALSE(Rectangle(dc, 0, 0, 2, 2));
    EXPECT_FALSE(Ellipse(nullptr, 0, 0, 2, 2));
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    const RECT r{0, 0, 1, 1};
    EXPECT_EQ(FillRect(dc, &r, reinterpret_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
}

} // namespace
