// The frame the layer draws: the small icon at the left of a caption with a
// system menu, the title after it.
#include "platform/user_test_support.h"

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

} // namespace
