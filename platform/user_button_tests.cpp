// The built-in "button" class: push buttons clicked through the layer's input
// path, their pressed and disabled looks.
#include "platform/user_test_support.h"

namespace {

using vora::platform::test_support::count_of;
using vora::platform::test_support::received;
using vora::platform::test_support::UserLayerTest;
namespace hooks = vora::platform::testing;

class ControlsTest : public UserLayerTest {
protected:
    HWND main = nullptr;
    HWND button = nullptr;

    void SetUp() override {
        UserLayerTest::SetUp();
        main = create_main(50, 50, 300, 200);
        button = CreateWindowExA(WS_EX_LEFT, "button", "Go", WS_CHILD | WS_VISIBLE | WS_BORDER, 40,
                                 30, 60, 20, main, reinterpret_cast<HMENU>(34), nullptr, nullptr);
        pump();
        received().clear();
    }

    void click(POINT down, POINT up) {
        hooks::send_mouse_button(button, down, 1, true);
        pump();
        hooks::send_mouse_button(button, up, 1, false);
        pump();
    }

    std::vector<vora::platform::test_support::Received> commands() {
        std::vector<vora::platform::test_support::Received> out;
        for (auto& r : received())
            if (r.window == main && r.message == WM_COMMAND) out.push_back(r);
        return out;
    }

    // A pixel of the button's face, in the main window's coordinates.
    COLORREF button_pixel(POINT client) {
        POINT screen = client;
        ClientToScreen(button, &screen);
        RECT wr{};
        GetWindowRect(main, &wr);
        return hooks::window_pixel(main, POINT{screen.x - wr.left, screen.y - wr.top});
    }
};

TEST_F(ControlsTest, ReleaseOverTheButtonSendsBnClickedWithItsId) {
    click(POINT{10, 8}, POINT{12, 9});
    auto c = commands();
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(LOWORD(c[0].wParam), 34);
    EXPECT_EQ(HIWORD(c[0].wParam), BN_CLICKED);
    EXPECT_EQ(reinterpret_cast<HWND>(c[0].lParam), button);
    EXPECT_EQ(GetFocus(), button) << "a clicked button takes the focus";
}

TEST_F(ControlsTest, ReleaseOutsideTheButtonSendsNothing) {
    click(POINT{10, 8}, POINT{200, 100});
    EXPECT_TRUE(commands().empty());
}

TEST_F(ControlsTest, DisabledButtonIgnoresClicksAndTheParentGetsThem) {
    EnableWindow(button, FALSE);
    click(POINT{10, 8}, POINT{10, 8});
    EXPECT_TRUE(commands().empty());
    EXPECT_EQ(count_of(main, WM_LBUTTONDOWN), 1);
}

TEST_F(ControlsTest, ButtonLooksPushedWhileHeldAndGreyWhenDisabled) {
    COLORREF top_left_up = button_pixel(POINT{0, 0});
    hooks::send_mouse_button(button, POINT{10, 8}, 1, true);
    pump();
    COLORREF top_left_down = button_pixel(POINT{0, 0});
    EXPECT_NE(top_left_up, top_left_down) << "the edge turns from light to shadow";
    hooks::send_mouse_button(button, POINT{10, 8}, 1, false);
    pump();
    EXPECT_EQ(button_pixel(POINT{0, 0}), top_left_up);

    auto count_colour = [&](COLORREF colour) {
        int n = 0;
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 58; ++x) n += button_pixel(POINT{x, y}) == colour ? 1 : 0;
        return n;
    };
    EXPECT_GT(count_colour(GetSysColor(COLOR_BTNTEXT)), 0);
    EnableWindow(button, FALSE);
    pump();
    EXPECT_EQ(count_colour(GetSysColor(COLOR_BTNTEXT)), 0);
    EXPECT_GT(count_colour(GetSysColor(COLOR_GRAYTEXT)), 0);
}

TEST_F(ControlsTest, HiddenButtonIsNotDrawnNorClicked) {
    COLORREF shown = button_pixel(POINT{0, 0});
    ShowWindow(button, SW_HIDE);
    pump();
    EXPECT_NE(button_pixel(POINT{0, 0}), shown);
    click(POINT{10, 8}, POINT{10, 8});
    EXPECT_TRUE(commands().empty());
}

} // namespace
