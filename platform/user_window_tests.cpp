// Windows of the USER layer: creation and destruction messages, placement,
// frame geometry and coordinate conversions, text, enabled and minimised
// states.
#include "platform/user_internal.h"
#include "platform/user_test_support.h"

namespace {

using vora::platform::test_support::count_of;
using vora::platform::test_support::messages_of;
using vora::platform::test_support::reaction;
using vora::platform::test_support::received;
using vora::platform::test_support::UserLayerTest;

TEST_F(UserLayerTest, CreationSendsNcCreateThenCreateBeforeReturning) {
    HWND seen_in_create = nullptr;
    CREATESTRUCTA seen{};
    reaction() = [&](HWND w, UINT m, WPARAM, LPARAM l, LRESULT&) {
        if (m == WM_CREATE) {
            seen_in_create = w;
            seen = *reinterpret_cast<CREATESTRUCTA*>(l);
        }
        return false;
    };
    HWND w = CreateWindowExA(0, "Recorder", "Title", WS_CAPTION | WS_SYSMENU, 10, 20, 300, 200,
                             nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    std::vector<UINT> m = messages_of(w);
    ASSERT_GE(m.size(), 2u);
    EXPECT_EQ(m[0], WM_NCCREATE);
    EXPECT_EQ(m[1], WM_CREATE);
    EXPECT_EQ(seen_in_create, w);
    EXPECT_EQ(seen.x, 10);
    EXPECT_EQ(seen.cy, 200);
    EXPECT_STREQ(seen.lpszName, "Title");
}

TEST_F(UserLayerTest, CreateReturningMinusOneFailsTheCreation) {
    reaction() = [](HWND, UINT m, WPARAM, LPARAM, LRESULT& r) {
        r = -1;
        return m == WM_CREATE;
    };
    HWND w = CreateWindowExA(0, "Recorder", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                             nullptr);
    EXPECT_EQ(w, nullptr);
}

TEST_F(UserLayerTest, UnknownClassCreatesNothing) {
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "recorder"; // names compare without case
    EXPECT_EQ(RegisterClassExA(&wc), 0);
}

TEST_F(UserLayerTest, CaptionedWindowHasClientAreaInsideLayerFrame) {
    HWND w = create_main(100, 80, 300, 200);
    RECT window{};
    RECT client{};
    ASSERT_TRUE(GetWindowRect(w, &window));
    ASSERT_TRUE(GetClientRect(w, &client));
    EXPECT_EQ(window.left, 100);
    EXPECT_EQ(window.top, 80);
    EXPECT_EQ(window.right, 400);
    EXPECT_EQ(window.bottom, 280);
    POINT origin{0, 0};
    ClientToScreen(w, &origin);
    int dx = origin.x - window.left;
    int dy = origin.y - window.top;
    EXPECT_GT(dx, 0);
    EXPECT_GT(dy, dx) << "the caption lies above the client area";
    EXPECT_EQ(dy - dx, GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(client.right, 300 - 2 * dx);
    EXPECT_EQ(client.bottom, 200 - dy - dx);
    POINT back = origin;
    ScreenToClient(w, &back);
    EXPECT_EQ(back.x, 0);
    EXPECT_EQ(back.y, 0);
}

TEST_F(UserLayerTest, PopupWithoutBorderHasClientEqualToWindow) {
    HWND p =
        CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "Recorder", "", WS_POPUP | WS_DISABLED,
                        50, 60, 400, 150, nullptr, nullptr, nullptr, nullptr);
    RECT client{};
    GetClientRect(p, &client);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 150);
    POINT pt{0, 0};
    ClientToScreen(p, &pt);
    EXPECT_EQ(pt.x, 50);
    EXPECT_EQ(pt.y, 60);
    EXPECT_FALSE(IsWindowEnabled(p));
}

TEST_F(UserLayerTest, ChildCoordinatesFollowParentClientArea) {
    HWND w = create_main(100, 80, 300, 200);
    HWND child = CreateWindowExA(0, "Recorder", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 30, 40, 50,
                                 20, w, reinterpret_cast<HMENU>(7), nullptr, nullptr);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(GetParent(child), w);
    POINT parent_origin{0, 0};
    ClientToScreen(w, &parent_origin);
    RECT r{};
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, parent_origin.x + 30);
    EXPECT_EQ(r.top, parent_origin.y + 40);
    EXPECT_EQ(r.right - r.left, 50);
    POINT inside{0, 0};
    ClientToScreen(child, &inside);
    EXPECT_EQ(inside.x, r.left + 1) << "the border takes one pixel";
    RECT client{};
    GetClientRect(child, &client);
    EXPECT_EQ(client.right, 48);
    EXPECT_EQ(client.bottom, 18);
}

TEST_F(UserLayerTest, DestroySendsDestroyToParentThenChildrenAndQuitEndsTheLoop) {
    HWND w = create_main();
    reaction() = [w](HWND window, UINT m, WPARAM, LPARAM, LRESULT&) {
        if (m == WM_DESTROY && window == w) PostQuitMessage(3);
        return false;
    };
    HWND child = CreateWindowExA(0, "Recorder", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, w, nullptr,
                                 nullptr, nullptr);
    received().clear();
    PostMessageA(w, WM_CLOSE, 0, 0);
    MSG msg;
    int dispatched = 0;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        DispatchMessageA(&msg);
        ++dispatched;
    }
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(IsWindow(child));
    std::vector<HWND> destroyed;
    for (auto& r : received())
        if (r.message == WM_DESTROY) destroyed.push_back(r.window);
    ASSERT_EQ(destroyed.size(), 2u);
    EXPECT_EQ(destroyed[0], w);
    EXPECT_EQ(destroyed[1], child);
    EXPECT_GE(dispatched, 1);
}

TEST_F(UserLayerTest, OwnedWindowsGoWithTheirOwner) {
    HWND w = create_main();
    HWND owned =
        CreateWindowExA(0, "Recorder", "", WS_POPUP, 0, 0, 10, 10, w, nullptr, nullptr, nullptr);
    ASSERT_TRUE(IsWindow(owned));
    DestroyWindow(w);
    EXPECT_FALSE(IsWindow(owned));
    EXPECT_EQ(count_of(owned, WM_DESTROY), 1);
}

TEST_F(UserLayerTest, SetWindowPosMovesSizesShowsAndHides) {
    HWND w = CreateWindowExA(0, "Recorder", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                             nullptr);
    EXPECT_FALSE(IsWindowVisible(w));
    received().clear();
    SetWindowPos(w, HWND_TOP, 20, 30, 200, 120, SWP_SHOWWINDOW);
    EXPECT_TRUE(IsWindowVisible(w));
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.bottom, 150);
    EXPECT_EQ(count_of(w, WM_SIZE), 1);
    EXPECT_EQ(count_of(w, WM_MOVE), 1);
    SetWindowPos(w, nullptr, 5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW);
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.right, 205) << "SWP_NOSIZE keeps the width";
    EXPECT_FALSE(IsWindowVisible(w));
    SetWindowPos(w, nullptr, 0, 0, 50, 60, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.bottom - r.top, 60);
}

TEST_F(UserLayerTest, ShowWindowReturnsPreviousVisibility) {
    HWND w = CreateWindowExA(0, "Recorder", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                             nullptr);
    EXPECT_FALSE(ShowWindow(w, SW_SHOW));
    EXPECT_TRUE(ShowWindow(w, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(w));
}

TEST_F(UserLayerTest, CloseWindowMinimisesAndRestoreGivesItBack) {
    HWND w = create_main();
    received().clear();
    EXPECT_TRUE(CloseWindow(w));
    EXPECT_TRUE(IsIconic(w));
    ASSERT_EQ(count_of(w, WM_SIZE), 1);
    EXPECT_EQ(received().back().wParam, SIZE_MINIMIZED);
    ShowWindow(w, SW_RESTORE);
    EXPECT_FALSE(IsIconic(w));
    EXPECT_EQ(received().back().wParam, SIZE_RESTORED);
}

TEST_F(UserLayerTest, EnableWindowReturnsWhetherItWasDisabled) {
    HWND w = create_main();
    EXPECT_FALSE(EnableWindow(w, FALSE));
    EXPECT_FALSE(IsWindowEnabled(w));
    EXPECT_TRUE(EnableWindow(w, TRUE));
    EXPECT_TRUE(IsWindowEnabled(w));
    EXPECT_EQ(count_of(w, WM_ENABLE), 2);
}

TEST_F(UserLayerTest, WindowTextRoundTripsAndIsCutToTheBuffer) {
    HWND w = create_main();
    EXPECT_TRUE(SetWindowTextA(w, "Caf\xE9 12"));
    char buffer[64];
    EXPECT_EQ(GetWindowTextA(w, buffer, sizeof buffer), 7);
    EXPECT_STREQ(buffer, "Caf\xE9 12");
    EXPECT_EQ(GetWindowTextA(w, buffer, 4), 3);
    EXPECT_STREQ(buffer, "Caf");
    EXPECT_EQ(GetWindowTextLengthA(w), 7);
}

TEST_F(UserLayerTest, TitleReachesTheSystemInUtf8) {
    HWND w = create_main();
    SetWindowTextA(w, "Caf\xE9 \x80");
    SDL_Window* sdl = vora::platform::user::find(w)->sdl;
    EXPECT_STREQ(SDL_GetWindowTitle(sdl), "Caf\xC3\xA9 \xE2\x82\xAC");
}

TEST_F(UserLayerTest, FocusMovesWithKillAndSetFocusMessages) {
    HWND w = create_main();
    EXPECT_EQ(GetFocus(), w) << "showing a window activates it";
    HWND child = CreateWindowExA(0, "Recorder", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, w, nullptr,
                                 nullptr, nullptr);
    received().clear();
    EXPECT_EQ(SetFocus(child), w);
    EXPECT_EQ(GetFocus(), child);
    ASSERT_EQ(received().size(), 2u);
    EXPECT_EQ(received()[0].window, w);
    EXPECT_EQ(received()[0].message, WM_KILLFOCUS);
    EXPECT_EQ(received()[1].window, child);
    EXPECT_EQ(received()[1].message, WM_SETFOCUS);
    DestroyWindow(child);
    EXPECT_NE(GetFocus(), child);
}

TEST_F(UserLayerTest, TheForegroundWindowTakesTheFocusUnlessHiddenOrDisabled) {
    HWND w = create_main();
    HWND other = create_main();
    ASSERT_EQ(GetFocus(), other);
    HWND child = CreateWindowExA(0, "Recorder", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, w, nullptr,
                                 nullptr, nullptr);
    EXPECT_TRUE(SetForegroundWindow(child));
    EXPECT_EQ(GetFocus(), w) << "the child's top-level window";
    SetFocus(child);
    EXPECT_TRUE(SetForegroundWindow(w));
    EXPECT_EQ(GetFocus(), child) << "a focus inside the window stays";
    EnableWindow(other, FALSE);
    EXPECT_FALSE(SetForegroundWindow(other));
    EnableWindow(other, TRUE);
    ShowWindow(other, SW_HIDE);
    EXPECT_FALSE(SetForegroundWindow(other));
    EXPECT_EQ(GetFocus(), child);
}

TEST_F(UserLayerTest, AWindowKeepsItsUserDataFromCreationUntilDestroyed) {
    int objet = 0;
    reaction() = [&](HWND w, UINT m, WPARAM, LPARAM l, LRESULT&) {
        if (m == WM_NCCREATE)
            SetWindowLongPtrA(
                w, GWLP_USERDATA,
                reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams));
        return false;
    };
    HWND w = CreateWindowExA(0, "Recorder", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                             &objet);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&objet));
    EXPECT_EQ(GetWindowLongPtrA(w, 0), 0) << "no other index";
    EXPECT_EQ(SetWindowLongPtrA(w, GWLP_USERDATA, 7), reinterpret_cast<LONG_PTR>(&objet));
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_USERDATA), 7);
    DestroyWindow(w);
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_USERDATA), 0) << "a destroyed window has none";
    EXPECT_EQ(SetWindowLongPtrA(w, GWLP_USERDATA, 1), 0);
}

TEST_F(UserLayerTest, ScreenSizeIsTheDisplaySize) {
    create_main();
    EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
    EXPECT_GT(GetSystemMetrics(SM_CYSCREEN), 0);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
}

} // namespace
