// Object handles: selection, deletion rules, stock objects, descriptions,
// device capabilities and system colours.
#include "platform/gdi_internal.h"
#include "platform/gdi_testing.h"

#include <gtest/gtest.h>

using namespace gdi::testing;

namespace {

TEST(GdiObjects, SelectObjectReturnsThePreviousObjectOfTheSameKind) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN first = CreatePen(PS_SOLID, 1, red);
    HPEN second = CreatePen(PS_SOLID, 2, blue);
    HBRUSH brush = CreateSolidBrush(green);
    EXPECT_EQ(SelectObject(dc, first), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, second), first);
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), second);
    EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_BRUSH)), brush);
    EXPECT_EQ(SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT)), GetStockObject(SYSTEM_FONT));
    DeleteObject(first);
    DeleteObject(second);
    DeleteObject(brush);
    DeleteDC(dc);
}

TEST(GdiObjects, MemoryDcStartsWithAOnePixelBitmap) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 30, 20);
    const HGDIOBJ initial = SelectObject(dc, bitmap);
    ASSERT_NE(initial, nullptr);
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(initial, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmHeight, 1);
    EXPECT_EQ(SelectObject(dc, initial), bitmap);
    EXPECT_EQ(GetObjectA(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 30);
    EXPECT_EQ(bm.bmHeight, 20);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmPlanes, 1);
    EXPECT_EQ(GetObjectA(bitmap, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(GetObjectA(GetStockObject(BLACK_PEN), sizeof bm, &bm), 0);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(GdiObjects, SelectedObjectsCannotBeDeletedUntilDeselected) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, red);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
    const HGDIOBJ old_pen = SelectObject(dc, pen);
    const HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(SelectObject(dc, old_pen), pen) << "the pen is still alive";
    SelectObject(dc, old_bitmap);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(pen)) << "a deleted handle is unknown";
    EXPECT_EQ(SelectObject(dc, pen), nullptr);
    DeleteDC(dc);
}

TEST(GdiObjects, DeletingADcReleasesItsSelections) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH brush = CreateSolidBrush(red);
    SelectObject(dc, brush);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_TRUE(DeleteObject(brush));
}

TEST(GdiObjects, ABitmapLivesInOneMemoryDcAtATime) {
    HDC a = CreateCompatibleDC(nullptr);
    HDC b = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(a, 2, 2);
    const HGDIOBJ old = SelectObject(a, bitmap);
    EXPECT_EQ(SelectObject(b, bitmap), nullptr);
    EXPECT_EQ(SelectObject(a, bitmap), bitmap) << "selecting it again where it is";
    SelectObject(a, old);
    EXPECT_NE(SelectObject(b, bitmap), nullptr);
    DeleteDC(b);
    DeleteDC(a);
    EXPECT_TRUE(DeleteObject(bitmap));
}

TEST(GdiObjects, StockObjectsSurviveDeleteObject) {
    const HGDIOBJ brush = GetStockObject(LTGRAY_BRUSH);
    EXPECT_TRUE(DeleteObject(brush));
    Canvas c(4, 4);
    const RECT r{0, 0, 4, 4};
    FillRect(c.dc, &r, static_cast<HBRUSH>(brush));
    EXPECT_EQ(c.at(1, 1), RGB(192, 192, 192));
    EXPECT_EQ(GetStockObject(NULL_BRUSH), GetStockObject(HOLLOW_BRUSH));
    EXPECT_EQ(GetStockObject(9), nullptr);
    EXPECT_EQ(GetStockObject(-1), nullptr);
    EXPECT_EQ(GetStockObject(1000), nullptr);
}

TEST(GdiObjects, NullAndUnknownHandlesFail) {
    int bogus = 0;
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_FALSE(DeleteObject(&bogus));
    EXPECT_EQ(SelectObject(nullptr, GetStockObject(BLACK_PEN)), nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
    EXPECT_EQ(SelectObject(dc, &bogus), nullptr);
    EXPECT_FALSE(DeleteObject(dc)) << "a DC is freed by DeleteDC";
    EXPECT_EQ(SetTextColor(nullptr, red), CLR_INVALID);
    EXPECT_EQ(GetDeviceCaps(nullptr, LOGPIXELSX), 0);
    EXPECT_EQ(CreateCompatibleBitmap(dc, -1, 5), nullptr);
    DeleteDC(dc);
}

TEST(GdiObjects, PensFollowTheirStyle) {
    const LOGBRUSH solid{BS_SOLID, red, 0};
    EXPECT_EQ(ExtCreatePen(PS_COSMETIC | PS_SOLID, 3, &solid, 0, nullptr), nullptr)
        << "a cosmetic pen is one pixel wide";
    EXPECT_EQ(ExtCreatePen(PS_GEOMETRIC | PS_SOLID, 3, nullptr, 0, nullptr), nullptr);
    Canvas c(20, 20);
    const LOGBRUSH hollow{BS_NULL, red, 0};
    {
        Selected pen(c.dc, ExtCreatePen(PS_GEOMETRIC | PS_SOLID, 3, &hollow, 0, nullptr));
        MoveToEx(c.dc, 2, 10, nullptr);
        LineTo(c.dc, 18, 10);
    }
    {
        Selected pen(c.dc, CreatePen(PS_NULL, 1, red));
        LineTo(c.dc, 18, 2);
    }
    EXPECT_EQ(c.count(white), 400) << "null pens draw nothing";
    Selected pen(c.dc, CreatePen(PS_SOLID, 0, blue));
    LineTo(c.dc, 2, 2);
    EXPECT_EQ(c.count(blue), 16) << "width 0 draws one pixel wide";
}

TEST(GdiObjects, DcSettingsReturnTheirPreviousValues) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SetTextColor(dc, red), 0u);
    EXPECT_EQ(GetTextColor(dc), red);
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc, 7), 0) << "unknown mode refused";
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(SetTextAlign(dc, TA_CENTER), static_cast<UINT>(TA_LEFT | TA_TOP));
    EXPECT_EQ(GetTextAlign(dc), static_cast<UINT>(TA_CENTER));
    EXPECT_EQ(SetStretchBltMode(dc, COLORONCOLOR), BLACKONWHITE);
    EXPECT_EQ(GetStretchBltMode(dc), COLORONCOLOR);
    DeleteDC(dc);
}

TEST(GdiObjects, DeviceCapsGiveNinetySixDpiAndTheScreenSize) {
    HDC screen = gdi::create_screen_dc();
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), 1280);
    EXPECT_EQ(GetDeviceCaps(screen, VERTRES), 1024);
    gdi::set_screen_size(1920, 1080);
    gdi::set_screen_size(0, 5);
    HDC memory = CreateCompatibleDC(screen);
    EXPECT_EQ(GetDeviceCaps(memory, HORZRES), 1920) << "every DC reports the screen";
    EXPECT_EQ(GetDeviceCaps(screen, VERTRES), 1080);
    EXPECT_EQ(gdi::screen_size().cx, 1920);
    SIZE s{};
    EXPECT_TRUE(GetTextExtentPoint32A(screen, "abc", 3, &s)) << "text is measured on the screen";
    EXPECT_GT(s.cx, 0);
    gdi::set_screen_size(1280, 1024);
    DeleteDC(memory);
    DeleteDC(screen);
}

TEST(GdiObjects, SystemColoursAndTheirBrushes) {
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(240, 240, 240));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), white);
    EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), black);
    EXPECT_EQ(GetSysColor(99), 0u);
    EXPECT_EQ(GetSysColorBrush(99), nullptr);
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
    EXPECT_TRUE(DeleteObject(face));
    Canvas c(4, 4);
    const RECT r{0, 0, 4, 4};
    FillRect(c.dc, &r, face);
    EXPECT_EQ(c.at(2, 2), GetSysColor(COLOR_BTNFACE));
}

} // namespace
