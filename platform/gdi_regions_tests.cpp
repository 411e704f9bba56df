// Regions: construction, combination, points, boxes, offsets and the
// rectangles handed to the window shape.
#include "platform/gdi_internal.h"
#include "platform/gdi_testing.h"

#include <gtest/gtest.h>

#include <vector>

using namespace gdi::testing;

namespace {

std::vector<RECT> rects_of(HRGN rgn) {
    std::vector<RECT> out;
    EXPECT_TRUE(gdi::region_rects(rgn, out));
    return out;
}

long long area(const std::vector<RECT>& rects) {
    long long a = 0;
    for (const RECT& r : rects) a += static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
    return a;
}

TEST(GdiRegions, UnionOfTwoRectanglesSplitsIntoBands) {
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(5, 5, 15, 20);
    EXPECT_EQ(CombineRgn(a, a, b, RGN_OR), COMPLEXREGION);
    const std::vector<RECT> expected = {{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 20}};
    EXPECT_EQ(rects_of(a), expected);
    RECT box{};
    EXPECT_EQ(GetRgnBox(a, &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{0, 0, 15, 20}));
    EXPECT_TRUE(PtInRegion(a, 14, 19));
    EXPECT_FALSE(PtInRegion(a, 15, 19)) << "right edge excluded";
    EXPECT_FALSE(PtInRegion(a, 12, 2));
    DeleteObject(a);
    DeleteObject(b);
}

TEST(GdiRegions, IntersectionDifferenceAndCopy) {
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(5, 0, 20, 10);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), SIMPLEREGION);
    EXPECT_EQ(rects_of(out), (std::vector<RECT>{{5, 0, 10, 10}}));
    EXPECT_EQ(CombineRgn(out, a, b, RGN_DIFF), SIMPLEREGION);
    EXPECT_EQ(rects_of(out), (std::vector<RECT>{{0, 0, 5, 10}}));
    EXPECT_EQ(CombineRgn(out, b, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_EQ(rects_of(out), (std::vector<RECT>{{5, 0, 20, 10}}));
    HRGN far = CreateRectRgn(50, 50, 60, 60);
    EXPECT_EQ(CombineRgn(out, a, far, RGN_AND), NULLREGION);
    EXPECT_TRUE(rects_of(out).empty());
    for (HRGN r : {a, b, out, far}) DeleteObject(r);
}

TEST(GdiRegions, RectangleAndEllipseCombine) {
    HRGN ellipse = CreateEllipticRgn(0, 0, 40, 20);
    EXPECT_TRUE(PtInRegion(ellipse, 20, 10));
    EXPECT_TRUE(PtInRegion(ellipse, 0, 10)) << "the ellipse reaches the box's left side";
    EXPECT_TRUE(PtInRegion(ellipse, 39, 10));
    EXPECT_FALSE(PtInRegion(ellipse, 40, 10));
    EXPECT_FALSE(PtInRegion(ellipse, 1, 1)) << "corners are outside";
    HRGN square = CreateRectRgn(30, 0, 60, 20);
    HRGN both = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(both, ellipse, square, RGN_AND);
    EXPECT_TRUE(PtInRegion(both, 32, 10));
    EXPECT_FALSE(PtInRegion(both, 20, 10));
    EXPECT_FALSE(PtInRegion(both, 50, 10));
    CombineRgn(both, ellipse, square, RGN_OR);
    EXPECT_TRUE(PtInRegion(both, 20, 10));
    EXPECT_TRUE(PtInRegion(both, 59, 0));
    EXPECT_FALSE(PtInRegion(both, 1, 1));
    for (HRGN r : {ellipse, square, both}) DeleteObject(r);
}

TEST(GdiRegions, PointsInsideAndOutsideACombinedPolygonRegion) {
    // An L-shaped hexagon joined with a triangle that touches its notch.
    const POINT ell[6] = {{0, 0}, {20, 0}, {20, 10}, {10, 10}, {10, 20}, {0, 20}};
    const POINT tri[3] = {{30, 0}, {40, 20}, {20, 20}};
    HRGN shape = CreatePolygonRgn(ell, 6, ALTERNATE);
    HRGN other = CreatePolygonRgn(tri, 3, WINDING);
    CombineRgn(shape, shape, other, RGN_OR);
    EXPECT_TRUE(PtInRegion(shape, 5, 15));
    EXPECT_TRUE(PtInRegion(shape, 15, 5));
    EXPECT_FALSE(PtInRegion(shape, 15, 15)) << "the notch of the L";
    EXPECT_TRUE(PtInRegion(shape, 30, 10));
    EXPECT_FALSE(PtInRegion(shape, 24, 5)) << "left of the triangle's slope";
    EXPECT_FALSE(PtInRegion(shape, 20, 5)) << "right edge of the L excluded";
    EXPECT_FALSE(PtInRegion(shape, 5, 20)) << "bottom edge excluded";
    DeleteObject(shape);
    DeleteObject(other);
}

TEST(GdiRegions, PolygonFillModeDecidesOverlaps) {
    const POINT star[5] = {{50, 5}, {79, 95}, {3, 39}, {97, 39}, {21, 95}};
    HRGN alternate = CreatePolygonRgn(star, 5, ALTERNATE);
    HRGN winding = CreatePolygonRgn(star, 5, WINDING);
    EXPECT_FALSE(PtInRegion(alternate, 50, 50));
    EXPECT_TRUE(PtInRegion(winding, 50, 50));
    EXPECT_TRUE(PtInRegion(alternate, 50, 20));
    EXPECT_EQ(CreatePolygonRgn(star, 5, 7), nullptr);
    DeleteObject(alternate);
    DeleteObject(winding);
}

TEST(GdiRegions, RectanglesCoverTheRegionWithoutOverlap) {
    HRGN r = CreateEllipticRgn(0, 0, 31, 23);
    HRGN hole = CreateEllipticRgn(10, 5, 20, 15);
    CombineRgn(r, r, hole, RGN_DIFF);
    const std::vector<RECT> rects = rects_of(r);
    long long inside = 0;
    for (int y = -1; y < 24; ++y) {
        for (int x = -1; x < 32; ++x) {
            int covering = 0;
            for (const RECT& q : rects) {
                covering += x >= q.left && x < q.right && y >= q.top && y < q.bottom ? 1 : 0;
            }
            EXPECT_EQ(covering, PtInRegion(r, x, y) ? 1 : 0) << x << "," << y;
            inside += covering;
        }
    }
    EXPECT_EQ(area(rects), inside);
    for (std::size_t i = 1; i < rects.size(); ++i) {
        const RECT& p = rects[i - 1];
        const RECT& q = rects[i];
        EXPECT_TRUE(p.top < q.top || (p.top == q.top && p.bottom == q.bottom && p.right < q.left))
            << "y-x banded order";
    }
    DeleteObject(r);
    DeleteObject(hole);
}

TEST(GdiRegions, OffsetMovesEveryPixel) {
    HRGN r = CreateEllipticRgn(0, 0, 10, 10);
    const std::vector<RECT> before = rects_of(r);
    EXPECT_EQ(OffsetRgn(r, 100, -5), COMPLEXREGION);
    std::vector<RECT> moved = before;
    for (RECT& q : moved) q = RECT{q.left + 100, q.top - 5, q.right + 100, q.bottom - 5};
    EXPECT_EQ(rects_of(r), moved);
    EXPECT_TRUE(PtInRegion(r, 105, 0));
    EXPECT_FALSE(PtInRegion(r, 5, 5));
    DeleteObject(r);
}

TEST(GdiRegions, EllipseRegionHoldsThePixelsEllipsePaints) {
    Canvas c(40, 30);
    SelectObject(c.dc, GetStockObject(BLACK_BRUSH));
    Ellipse(c.dc, 3, 4, 36, 27);
    HRGN r = CreateEllipticRgn(3, 4, 36, 27);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            EXPECT_EQ(c.at(x, y) == black, PtInRegion(r, x, y) != FALSE) << x << "," << y;
        }
    }
    DeleteObject(r);
}

TEST(GdiRegions, UnknownRegionsFail) {
    int bogus = 0;
    const HRGN unknown = reinterpret_cast<HRGN>(&bogus);
    HRGN r = CreateRectRgn(0, 0, 5, 5);
    RECT box{};
    EXPECT_EQ(CombineRgn(unknown, r, r, RGN_OR), ERROR);
    EXPECT_EQ(CombineRgn(r, unknown, r, RGN_OR), ERROR);
    EXPECT_EQ(CombineRgn(r, r, nullptr, RGN_AND), ERROR);
    EXPECT_EQ(CombineRgn(r, r, r, 99), ERROR);
    EXPECT_EQ(OffsetRgn(nullptr, 1, 1), ERROR);
    EXPECT_EQ(GetRgnBox(unknown, &box), ERROR);
    EXPECT_FALSE(PtInRegion(unknown, 0, 0));
    std::vector<RECT> out{{1, 2, 3, 4}};
    EXPECT_FALSE(gdi::region_rects(unknown, out));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(gdi::is_region(unknown));
    EXPECT_TRUE(gdi::is_region(r));
    EXPECT_TRUE(gdi::region_contains(r, 4, 4));
    EXPECT_TRUE(DeleteObject(r));
    EXPECT_FALSE(gdi::is_region(r));
}

} // namespace
