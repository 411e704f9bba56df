// The message queue: order of posted messages, paints after invalidation and
// their coalescing, quitting.
#include "platform/user_test_support.h"

#include <csignal>

namespace {

using vora::platform::test_support::count_of;
using vora::platform::test_support::messages_of;
using vora::platform::test_support::reaction;
using vora::platform::test_support::received;
using vora::platform::test_support::UserLayerTest;

TEST_F(UserLayerTest, PostedMessagesComeInOrderBeforePaint) {
    HWND w = create_main();
    pump();
    received().clear();
    InvalidateRect(w, nullptr, FALSE);
    PostMessageA(w, WM_USER + 1, 0, 0);
    PostMessageA(w, WM_USER + 2, 0, 0);
    pump();
    std::vector<UINT> m = messages_of(w);
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0], WM_USER + 1u);
    EXPECT_EQ(m[1], WM_USER + 2u);
    EXPECT_EQ(m[2], WM_PAINT);
}

TEST_F(UserLayerTest, SendMessageCallsTheProcedureAtOnce) {
    HWND w = create_main();
    reaction() = [](HWND, UINT m, WPARAM wp, LPARAM, LRESULT& r) {
        r = static_cast<LRESULT>(wp * 2);
        return m == WM_USER;
    };
    EXPECT_EQ(SendMessageA(w, WM_USER, 21, 0), 42);
    EXPECT_EQ(SendMessageA(reinterpret_cast<HWND>(0x1234), WM_USER, 21, 0), 0);
    EXPECT_FALSE(PostMessageA(reinterpret_cast<HWND>(0x1234), WM_USER, 0, 0));
}

TEST_F(UserLayerTest, NewWindowIsPaintedOnceAndInvalidationsCoalesce) {
    HWND w = create_main();
    RECT paint_area{};
    int erases = 0;
    reaction() = [&](HWND, UINT m, WPARAM, LPARAM, LRESULT& r) {
        if (m == WM_ERASEBKGND) ++erases;
        if (m != WM_PAINT) return false;
        PAINTSTRUCT ps;
        BeginPaint(w, &ps);
        paint_area = ps.rcPaint;
        EndPaint(w, &ps);
        r = 0;
        return true;
    };
    pump();
    EXPECT_EQ(count_of(w, WM_PAINT), 1);
    EXPECT_EQ(erases, 1) << "a new window is erased before its first paint";
    pump();
    EXPECT_EQ(count_of(w, WM_PAINT), 1) << "a validated window is not painted again";

    RECT a{10, 10, 20, 20};
    RECT b{50, 5, 60, 15};
    InvalidateRect(w, &a, FALSE);
    InvalidateRect(w, &b, FALSE);
    pump();
    EXPECT_EQ(count_of(w, WM_PAINT), 2);
    EXPECT_EQ(erases, 1);
    EXPECT_EQ(paint_area.left, 10);
    EXPECT_EQ(paint_area.top, 5);
    EXPECT_EQ(paint_area.right, 60);
    EXPECT_EQ(paint_area.bottom, 20);
}

TEST_F(UserLayerTest, RedrawWindowInvalidatesTheWholeWindowAndUpdateWindowPaintsNow) {
    HWND w = create_main();
    pump();
    received().clear();
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE);
    EXPECT_EQ(count_of(w, WM_PAINT), 0) << "the paint waits for the loop";
    UpdateWindow(w);
    EXPECT_EQ(count_of(w, WM_PAINT), 1);
    pump();
    EXPECT_EQ(count_of(w, WM_PAINT), 1);
}

TEST_F(UserLayerTest, HiddenWindowsAreNotPainted) {
    HWND w = CreateWindowExA(0, "Recorder", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                             nullptr);
    InvalidateRect(w, nullptr, TRUE);
    pump();
    EXPECT_EQ(count_of(w, WM_PAINT), 0);
    ShowWindow(w, SW_SHOWNA);
    pump();
    EXPECT_EQ(count_of(w, WM_PAINT), 1);
}

TEST_F(UserLayerTest, PaintDrawsIntoTheWindowClientArea) {
    HWND w = create_main();
    reaction() = [&](HWND, UINT m, WPARAM, LPARAM, LRESULT&) {
        if (m != WM_PAINT) return false;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        RECT r{0, 0, 20, 10};
        FillRect(dc, &r, red);
        DeleteObject(red);
        EndPaint(w, &ps);
        return true;
    };
    pump();
    POINT origin{0, 0};
    ClientToScreen(w, &origin);
    RECT wr{};
    GetWindowRect(w, &wr);
    POINT in_window{origin.x - wr.left + 5, origin.y - wr.top + 5};
    EXPECT_EQ(vora::platform::testing::window_pixel(w, in_window), RGB(255, 0, 0));
    POINT below{in_window.x, in_window.y + 10};
    EXPECT_EQ(vora::platform::testing::window_pixel(w, below), GetSysColor(COLOR_BTNFACE))
        << "the class background brush erased the rest";
}

TEST_F(UserLayerTest, QuitComesAfterPostedMessages) {
    HWND w = create_main();
    pump();
    PostQuitMessage(9);
    PostMessageA(w, WM_USER, 0, 0);
    MSG msg;
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 9u);
}

// The session ends (SIGTERM): every top-level window hears WM_ENDSESSION
// once, then the message loop ends.
TEST_F(UserLayerTest, ATerminationSignalEndsTheSessionThenTheLoop) {
    HWND w = create_main();
    pump();
    received().clear();
    std::raise(SIGTERM);
    MSG m{};
    int n = 0;
    while (GetMessageA(&m, nullptr, 0, 0) && ++n < 1000) DispatchMessageA(&m);
    EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
    ASSERT_EQ(count_of(w, WM_ENDSESSION), 1);
    for (const auto& r : received()) {
        if (r.message == WM_ENDSESSION) {
            EXPECT_NE(r.wParam, 0u);
        }
    }
}

} // namespace
