// The frame the layer draws: the small icon at the left of a caption with a
// system menu (generic, or the class's icon resource, which is also given to
// the display), the title after it.
#include "platform/bitmap_resources.h"
#include "platform/user_test_support.h"

#include <cairo.h>

#include <cstdlib>
#include <vector>

namespace {

using vora::platform::test_support::UserLayerTest;
namespace hooks = vora::platform::testing;

constexpr COLORREF white = RGB(255, 255, 255);

// The leftmost x of a white (title) pixel in the caption bar, or -1.
int title_start(HWND w) {
    int frame = GetSystemMetrics(SM_CXFIXEDFRAME);
    int caption = GetSystemMetrics(SM_CYCAPTION);
    for (int x = 0; x < 200; ++x)
        for (int y = frame; y < frame + caption; ++y)
            if (hooks::window_pixel(w, POINT{x, y}) == white) return x;
    return -1;
}

// How many pixels of the box differ from the caption's colour.
int marked(HWND w, RECT box) {
    COLORREF caption = hooks::window_pixel(w, POINT{box.right + 60, box.top});
    int n = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (hooks::window_pixel(w, POINT{x, y}) != caption) ++n;
    return n;
}

TEST_F(UserLayerTest, CaptionWithSystemMenuShowsTheIconThenTheTitle) {
    HWND w = CreateWindowExA(0, "Recorder", "WWWW", WS_CAPTION | WS_SYSMENU, 0, 0, 300, 200,
                             nullptr, nullptr, nullptr, nullptr);
    int frame = GetSystemMetrics(SM_CXFIXEDFRAME);
    int caption = GetSystemMetrics(SM_CYCAPTION);
    int icon_top = frame + (caption - 16) / 2;
    EXPECT_GT(marked(w, RECT{frame + 4, icon_top, frame + 20, icon_top + 16}), 60)
        << "the small icon";
    int start = title_start(w);
    EXPECT_GE(start, frame + 22) << "the title starts after the icon";
    EXPECT_LE(start, frame + 30);
    DestroyWindow(w);
}

TEST_F(UserLayerTest, CaptionWithoutSystemMenuHasNoIcon) {
    HWND w = CreateWindowExA(0, "Recorder", "WWWW", WS_CAPTION, 0, 0, 300, 200, nullptr, nullptr,
                             nullptr, nullptr);
    int start = title_start(w);
    EXPECT_GE(start, 0);
    EXPECT_LE(start, GetSystemMetrics(SM_CXFIXEDFRAME) + 8);
    DestroyWindow(w);
}

// A 32 x 32 PNG file: the left half opaque `colour`, the right half
// transparent.
std::vector<unsigned char> half_png(COLORREF colour) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 32, 32);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, GetRValue(colour) / 255.0, GetGValue(colour) / 255.0,
                         GetBValue(colour) / 255.0);
    cairo_rectangle(cr, 0, 0, 16, 32);
    cairo_fill(cr);
    cairo_destroy(cr);
    std::vector<unsigned char> png;
    cairo_surface_write_to_png_stream(
        s,
        [](void* out, const unsigned char* data, unsigned int n) {
            auto* v = static_cast<std::vector<unsigned char>*>(out);
            v->insert(v->end(), data, data + n);
            return CAIRO_STATUS_SUCCESS;
        },
        &png);
    cairo_surface_destroy(s);
    return png;
}

bool near(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= 8 &&
           std::abs(GetGValue(a) - GetGValue(b)) <= 8 && std::abs(GetBValue(a) - GetBValue(b)) <= 8;
}

TEST_F(UserLayerTest, IconResourceIsDrawnInTheCaptionAndGivenToTheDisplay) {
    constexpr COLORREF red = RGB(255, 0, 0);
    constexpr COLORREF green = RGB(0, 160, 0);
    static const std::vector<unsigned char> red_png = half_png(red);
    static const std::vector<unsigned char> green_png = half_png(green);
    gdi::register_bitmap_bytes(901, red_png.data(), red_png.size());
    gdi::register_bitmap_bytes(902, green_png.data(), green_png.size());
    static int tag = 0;
    auto* instance = reinterpret_cast<HINSTANCE>(&tag);
    HICON big = LoadIcon(instance, MAKEINTRESOURCE(901));
    HICON small = LoadIcon(nullptr, MAKEINTRESOURCE(902));
    ASSERT_NE(big, nullptr);
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(LoadIcon(instance, MAKEINTRESOURCE(901)), big) << "icons are shared";
    EXPECT_EQ(LoadIcon(instance, MAKEINTRESOURCE(903)), nullptr) << "no such resource";
    EXPECT_NE(LoadIcon(nullptr, IDI_APPLICATION), big);

    const int frame = GetSystemMetrics(SM_CXFIXEDFRAME);
    const int top = frame + (GetSystemMetrics(SM_CYCAPTION) - 16) / 2;
    const int left = frame + 4;
    struct Case {
        const char* cls;
        HICON icon;
        HICON small;
        COLORREF left_half; // of the caption's 16 x 16 icon
    };
    for (const Case& c :
         {Case{"IconOnly", big, nullptr, red}, Case{"BothIcons", big, small, green}}) {
        SCOPED_TRACE(c.cls);
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hIcon = c.icon;
        wc.hIconSm = c.small;
        wc.lpszClassName = c.cls;
        ASSERT_NE(RegisterClassExA(&wc), 0);
        HWND w = CreateWindowExA(0, c.cls, "WWWW", WS_CAPTION | WS_SYSMENU, 0, 0, 300, 200, nullptr,
                                 nullptr, instance, nullptr);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(hooks::window_icon(w), big) << "the class's icon goes to the display";
        const COLORREF caption = hooks::window_pixel(w, POINT{frame + 1, top + 8});
        int left_ok = 0;
        int right_ok = 0;
        for (int y = top + 1; y < top + 15; ++y) {
            for (int x = 1; x < 7; ++x) {
                left_ok += near(hooks::window_pixel(w, POINT{left + x, y}), c.left_half);
                right_ok += near(hooks::window_pixel(w, POINT{left + 9 + x, y}), caption);
            }
        }
        EXPECT_EQ(left_ok, 14 * 6) << "the opaque half of the picture, scaled to 16 x 16";
        EXPECT_EQ(right_ok, 14 * 6) << "the caption through the transparent half";
        DestroyWindow(w);
    }
    EXPECT_EQ(hooks::window_icon(create_main()), nullptr) << "a class without an icon resource";
    gdi::clear_bitmap_resources();
}

} // namespace
