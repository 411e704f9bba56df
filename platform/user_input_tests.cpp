// Input through the layer: mouse messages with client coordinates, the
// layer-drawn caption (dragging, close and minimise boxes), moves by a window
// manager, keys, disabled popups, GetAsyncKeyState and GetKeyState.
#include "platform/user_test_support.h"

#include <algorithm>

namespace {

using vora::platform::test_support::count_of;
using vora::platform::test_support::reaction;
using vora::platform::test_support::received;
using vora::platform::test_support::UserLayerTest;
namespace hooks = vora::platform::testing;

TEST_F(UserLayerTest, MouseMessagesCarryClientCoordinatesAndButtons) {
    HWND w = create_main();
    pump();
    received().clear();
    hooks::send_mouse_move(w, POINT{17, 23});
    hooks::send_mouse_button(w, POINT{18, 24}, 1, true);
    hooks::send_mouse_button(w, POINT{18, 24}, 1, false);
    hooks::send_mouse_button(w, POINT{19, 25}, 3, true);
    pump();
    std::vector<UINT> mouse;
    for (auto& r : received()) {
        if (r.message == WM_MOUSEMOVE || r.message == WM_LBUTTONDOWN || r.message == WM_LBUTTONUP ||
            r.message == WM_RBUTTONDOWN)
            mouse.push_back(r.message);
        if (r.message == WM_MOUSEMOVE) {
            EXPECT_EQ(LOWORD(r.lParam), 17);
            EXPECT_EQ(HIWORD(r.lParam), 23);
        }
        if (r.message == WM_LBUTTONDOWN) {
            EXPECT_EQ(r.wParam & MK_LBUTTON, MK_LBUTTON);
        }
    }
    EXPECT_EQ(mouse,
              (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN}));
    EXPECT_GE(count_of(w, WM_SETCURSOR), 4) << "each mouse message asks for the cursor first";
    POINT cursor{};
    GetCursorPos(&cursor);
    POINT expected{19, 25};
    ClientToScreen(w, &expected);
    EXPECT_EQ(cursor.x, expected.x);
    EXPECT_EQ(cursor.y, expected.y);
}

TEST_F(UserLayerTest, DraggingTheCaptionMovesTheWindowAndSendsMoving) {
    HWND w = create_main(100, 80, 300, 200);
    pump();
    std::vector<RECT> moving;
    reaction() = [&](HWND, UINT m, WPARAM, LPARAM l, LRESULT&) {
        if (m == WM_MOVING) moving.push_back(*reinterpret_cast<RECT*>(l));
        return false;
    };
    int dy = GetSystemMetrics(SM_CYCAPTION);
    POINT grab{60, -dy / 2}; // in the caption, above the client area
    hooks::send_mouse_button(w, grab, 1, true);
    hooks::send_mouse_move(w, POINT{grab.x + 30, grab.y + 10});
    pump();
    ASSERT_EQ(moving.size(), 1u);
    EXPECT_EQ(moving[0].left, 130);
    EXPECT_EQ(moving[0].top, 90);
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 130);
    EXPECT_EQ(r.top, 90);
    EXPECT_EQ(r.right, 430);
    // The window has moved: the same client point is now 30, 10 further.
    hooks::send_mouse_button(w, POINT{grab.x, grab.y}, 1, false);
    pump();
    hooks::send_mouse_move(w, POINT{5, 5});
    pump();
    EXPECT_EQ(moving.size(), 1u) << "the drag ends with the release";
    EXPECT_EQ(count_of(w, WM_LBUTTONDOWN), 0) << "caption clicks are not client clicks";
}

TEST_F(UserLayerTest, CloseBoxSendsCloseAndMinimiseBoxMinimises) {
    HWND w = create_main(100, 80, 300, 200);
    pump();
    reaction() = [](HWND, UINT m, WPARAM, LPARAM, LRESULT& r) {
        r = 0;
        return m == WM_CLOSE; // keep the window
    };
    int dx = GetSystemMetrics(SM_CXFIXEDFRAME);
    int caption = GetSystemMetrics(SM_CYCAPTION);
    RECT client{};
    GetClientRect(w, &client);
    POINT close_box{client.right - 12, -caption / 2};
    hooks::send_mouse_button(w, close_box, 1, true);
    hooks::send_mouse_button(w, close_box, 1, false);
    pump();
    EXPECT_EQ(count_of(w, WM_CLOSE), 1);
    POINT minimise_box{client.right - 12 - (caption + 8), -caption / 2};
    hooks::send_mouse_button(w, minimise_box, 1, true);
    hooks::send_mouse_button(w, minimise_box, 1, false);
    pump();
    EXPECT_TRUE(IsIconic(w));
    EXPECT_GT(dx, 0);
    reaction() = nullptr;
    hooks::send_mouse_button(w, close_box, 1, true);
    hooks::send_mouse_button(w, close_box, 1, false);
    pump();
    EXPECT_FALSE(IsIconic(w)) << "a click on a minimised window left on screen restores it";
}

TEST_F(UserLayerTest, AsyncKeyStateTellsDownNowAndPressedSinceLastCall) {
    HWND w = create_main();
    pump();
    EXPECT_EQ(GetAsyncKeyState('3'), 0);
    hooks::send_key('3', true);
    SHORT first = GetAsyncKeyState('3');
    EXPECT_NE(first & 0x8000, 0);
    EXPECT_EQ(first & 1, 1);
    SHORT second = GetAsyncKeyState('3');
    EXPECT_NE(second & 0x8000, 0);
    EXPECT_EQ(second & 1, 0) << "the pressed bit is reported once";
    hooks::send_key('3', false);
    EXPECT_EQ(GetAsyncKeyState('3'), 0);
    // A quick press and release between two polls is still seen.
    hooks::send_key(VK_NUMPAD5, true);
    hooks::send_key(VK_NUMPAD5, false);
    EXPECT_EQ(GetAsyncKeyState(VK_NUMPAD5), 1);
    hooks::send_key(VK_TAB, true);
    EXPECT_NE(GetAsyncKeyState(VK_TAB) & 0x8000, 0);
    hooks::send_key(VK_TAB, false);
    pump();
    EXPECT_GE(count_of(w, WM_KEYDOWN), 3);
}

TEST_F(UserLayerTest, KeyStateIsTheOneOfTheMessageBeingHandled) {
    create_main();
    pump();
    // Ctrl+Z typed and released before the program handles any of it: while
    // Z's WM_KEYDOWN is handled Ctrl reads as held, and after Ctrl's WM_KEYUP
    // as released, whatever the keyboard says now.
    std::vector<std::pair<WPARAM, bool>> seen;
    reaction() = [&](HWND, UINT m, WPARAM key, LPARAM, LRESULT&) {
        if (m == WM_KEYDOWN || m == WM_KEYUP)
            seen.emplace_back(key, (GetKeyState(VK_CONTROL) & 0x8000) != 0);
        return false;
    };
    hooks::send_key(VK_CONTROL, true);
    hooks::send_key('Z', true);
    hooks::send_key('Z', false);
    hooks::send_key(VK_CONTROL, false);
    EXPECT_EQ(GetKeyState(VK_CONTROL), 0) << "no key message handled yet";
    pump();
    EXPECT_EQ(seen, (std::vector<std::pair<WPARAM, bool>>{
                        {VK_CONTROL, true}, {'Z', true}, {'Z', true}, {VK_CONTROL, false}}));
    EXPECT_EQ(GetAsyncKeyState(VK_CONTROL) & 0x8000, 0);
}

TEST_F(UserLayerTest, KeysGoToTheFocusAndTranslateIntoCharacters) {
    HWND w = create_main();
    HWND child = CreateWindowExA(0, "Recorder", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, w, nullptr,
                                 nullptr, nullptr);
    SetFocus(child);
    pump();
    received().clear();
    hooks::send_key('A', true);
    hooks::send_key('A', false);
    hooks::send_key(VK_RETURN, true);
    pump();
    std::vector<WPARAM> chars;
    for (auto& r : received()) {
        EXPECT_EQ(r.window, child);
        if (r.message == WM_CHAR) chars.push_back(r.wParam);
    }
    EXPECT_EQ(chars, (std::vector<WPARAM>{'a', '\r'}));
    EXPECT_EQ(count_of(child, WM_KEYDOWN), 2);
    EXPECT_EQ(count_of(child, WM_KEYUP), 1);
}

TEST_F(UserLayerTest, DisabledWindowGetsNoInput) {
    HWND w = create_main();
    pump();
    EnableWindow(w, FALSE);
    received().clear();
    hooks::send_mouse_button(w, POINT{10, 10}, 1, true);
    hooks::send_key('B', true);
    pump();
    EXPECT_EQ(count_of(w, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(count_of(w, WM_KEYDOWN), 0);
    EXPECT_NE(GetAsyncKeyState('B') & 0x8000, 0) << "the key state still follows the keyboard";
}

TEST_F(UserLayerTest, MoveByAWindowManagerUpdatesTheRectangleAndSendsMovingAndMove) {
    HWND w = create_main(100, 80, 300, 200);
    pump();
    received().clear();
    std::vector<RECT> moving;
    reaction() = [&](HWND, UINT m, WPARAM, LPARAM l, LRESULT&) {
        if (m == WM_MOVING) moving.push_back(*reinterpret_cast<RECT*>(l));
        return false;
    };
    hooks::move_by_window_manager(w, POINT{250, 180});
    pump();
    ASSERT_EQ(moving.size(), 1u);
    EXPECT_EQ(moving[0].left, 250);
    EXPECT_EQ(moving[0].top, 180);
    EXPECT_EQ(moving[0].right, 550);
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 250);
    EXPECT_EQ(r.top, 180);
    EXPECT_EQ(count_of(w, WM_MOVE), 1);
    POINT p{250 + 40, 180 + 50};
    ScreenToClient(w, &p);
    POINT origin{0, 0};
    ClientToScreen(w, &origin);
    EXPECT_EQ(p.x, 250 + 40 - origin.x);
    EXPECT_EQ(origin.x, 250 + GetSystemMetrics(SM_CXFIXEDFRAME));
}

TEST_F(UserLayerTest, WindowProcedureCanCorrectAMoveByTheWindowManager) {
    HWND w = create_main(100, 80, 300, 200);
    pump();
    reaction() = [&](HWND, UINT m, WPARAM, LPARAM l, LRESULT& result) {
        if (m != WM_MOVING) return false;
        auto* r = reinterpret_cast<RECT*>(l);
        int width = r->right - r->left;
        r->left = std::max<LONG>(r->left, 0); // keep the window on the screen
        r->right = r->left + width;
        result = TRUE;
        return true;
    };
    hooks::move_by_window_manager(w, POINT{-50, 60});
    pump();
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 60);
}

TEST_F(UserLayerTest, OwnMovesReportedLateByTheDisplayAreNotTakenForNewMoves) {
    HWND w = create_main(100, 80, 300, 200);
    pump();
    SetWindowPos(w, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(w, nullptr, 400, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    received().clear();
    hooks::move_by_window_manager(w, POINT{300, 200}); // the first move, reported late
    hooks::move_by_window_manager(w, POINT{400, 250});
    pump();
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 400);
    EXPECT_EQ(count_of(w, WM_MOVING), 0);
    EXPECT_EQ(count_of(w, WM_MOVE), 0);
}

TEST_F(UserLayerTest, ResizeByAWindowManagerSizesTheWindowOwnSizesReportedLateDoNot) {
    HWND w = create_main(100, 80, 300, 200);
    pump();
    SetWindowPos(w, nullptr, 0, 0, 320, 220, SWP_NOMOVE | SWP_NOZORDER);
    received().clear();
    std::vector<LPARAM> tailles;
    reaction() = [&](HWND, UINT m, WPARAM, LPARAM l, LRESULT&) {
        if (m == WM_SIZE) tailles.push_back(l);
        return false;
    };
    hooks::resize_by_window_manager(w, SIZE{320, 220}); // the layer's own size, reported late
    pump();
    EXPECT_TRUE(tailles.empty());
    hooks::resize_by_window_manager(w, SIZE{500, 400});
    pump();
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.right - r.left, 500);
    EXPECT_EQ(r.bottom - r.top, 400);
    RECT c{};
    GetClientRect(w, &c);
    ASSERT_EQ(tailles.size(), 1u);
    EXPECT_EQ(tailles[0], MAKELPARAM(c.right, c.bottom));
    EXPECT_EQ(c.right, 500 - 2 * GetSystemMetrics(SM_CXFIXEDFRAME));
}

// SDL does not report the layer's own moves and sizes when they leave the
// window where SDL had it: a window manager that later takes the window back
// to such a place or size is followed all the same.
TEST_F(UserLayerTest, AWindowManagerTakingTheWindowBackToAnOldOwnPlaceIsFollowed) {
    HWND w = create_main(100, 80, 300, 200);
    pump();
    SetWindowPos(w, nullptr, 300, 200, 320, 220, SWP_NOZORDER);
    pump();
    vora::platform::testing::advance_clock(3000);
    received().clear();
    hooks::move_by_window_manager(w, POINT{500, 400});
    hooks::move_by_window_manager(w, POINT{300, 200});
    hooks::resize_by_window_manager(w, SIZE{400, 300});
    hooks::resize_by_window_manager(w, SIZE{320, 220});
    pump();
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 200);
    EXPECT_EQ(r.right - r.left, 320);
    EXPECT_EQ(count_of(w, WM_MOVING), 2);
    EXPECT_EQ(count_of(w, WM_SIZE), 2);
    // The place the window was made at, long ago.
    hooks::move_by_window_manager(w, POINT{100, 80});
    pump();
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(count_of(w, WM_MOVE), 3);
}

TEST_F(UserLayerTest, DisabledPopupsAreTooltipOrSplashAndNeverTakeTheFocus) {
    HWND main = create_main();
    pump();
    ASSERT_EQ(GetFocus(), main);
    HWND tip = CreateWindowExA(0, "Recorder", "", WS_POPUP | WS_DISABLED, 10, 10, 60, 20, nullptr,
                               nullptr, nullptr, nullptr);
    HWND splash = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "Recorder", "",
                                  WS_POPUP | WS_DISABLED | WS_BORDER, 100, 100, 400, 150, nullptr,
                                  nullptr, nullptr, nullptr);
    EXPECT_EQ(hooks::window_role(main), hooks::WindowRole::normal);
    EXPECT_EQ(hooks::window_role(tip), hooks::WindowRole::tooltip);
    EXPECT_EQ(hooks::window_role(splash), hooks::WindowRole::splash);
    SetWindowPos(tip, HWND_TOP, 20, 20, 60, 20, SWP_SHOWWINDOW);
    ShowWindow(splash, SW_SHOW);
    UpdateWindow(splash);
    pump();
    EXPECT_EQ(GetFocus(), main);
    // The display gives the keyboard to a popup anyway: keys still reach the
    // focus window, and the focus stays.
    received().clear();
    hooks::focus_by_display(tip);
    hooks::send_key_to(tip, 'A', true);
    hooks::send_key_to(splash, 'B', true);
    pump();
    EXPECT_EQ(GetFocus(), main);
    EXPECT_EQ(count_of(main, WM_KEYDOWN), 2);
    EXPECT_EQ(count_of(tip, WM_KEYDOWN), 0);
}

} // namespace
