// The built-in "static" class: centred text with its font, a border, and
// clicks that reach the parent.
#include "platform/user_test_support.h"

#include <algorithm>

namespace {

using vora::platform::test_support::count_of;
using vora::platform::test_support::received;
using vora::platform::test_support::UserLayerTest;
namespace hooks = vora::platform::testing;

TEST_F(UserLayerTest, StaticTextIsCentredAndLetsClicksThrough) {
    HWND main = create_main(50, 50, 300, 200);
    pump();
    HWND text =
        CreateWindowExA(WS_EX_LEFT, "static", "", WS_CHILD | WS_VISIBLE | WS_BORDER | SS_CENTER, 30,
                        100, 100, 20, main, reinterpret_cast<HMENU>(27), nullptr, nullptr);
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    EXPECT_EQ(SendMessageA(text, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
    SetWindowTextA(text, "HH");
    pump();
    RECT wr{};
    GetWindowRect(main, &wr);
    POINT origin{0, 0};
    ClientToScreen(text, &origin);
    int dark = 0;
    int dark_left = 1000;
    int dark_right = -1;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 98; ++x)
            if (GetRValue(hooks::window_pixel(
                    main, POINT{origin.x - wr.left + x, origin.y - wr.top + y})) < 100) {
                ++dark;
                dark_left = std::min(dark_left, x);
                dark_right = std::max(dark_right, x);
            }
    ASSERT_GT(dark, 0) << "the text is drawn";
    EXPECT_NEAR((dark_left + dark_right) / 2, 49, 4) << "SS_CENTER centres it";
    EXPECT_EQ(hooks::window_pixel(main, POINT{origin.x - wr.left - 1, origin.y - wr.top + 5}),
              RGB(0, 0, 0))
        << "WS_BORDER draws a frame";

    received().clear();
    hooks::send_mouse_button(text, POINT{5, 5}, 1, true);
    pump();
    ASSERT_EQ(count_of(main, WM_LBUTTONDOWN), 1);
    POINT expected{5, 5};
    ClientToScreen(text, &expected);
    ScreenToClient(main, &expected);
    for (auto& r : received())
        if (r.message == WM_LBUTTONDOWN) {
            EXPECT_EQ(LOWORD(r.lParam), expected.x);
            EXPECT_EQ(HIWORD(r.lParam), expected.y);
        }
}

} // namespace
