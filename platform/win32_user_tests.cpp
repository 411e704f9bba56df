// The unsuffixed names of win32_user.h: a program written with them (as
// against <windows.h> without UNICODE) runs the ANSI calls.
#include "platform/user_test_support.h"

#include <cstring>

namespace {

using vora::platform::test_support::UserLayerTest;
namespace hooks = vora::platform::testing;

LRESULT CALLBACK plain_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) return 42;
    return DefWindowProc(window, message, wParam, lParam);
}

TEST_F(UserLayerTest, UnsuffixedNamesAreTheAnsiCalls) {
    WNDCLASSEX wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = plain_proc;
    wc.lpszClassName = "Plain";
    ASSERT_NE(RegisterClassEx(&wc), 0);
    HWND w = CreateWindowEx(0, "Plain", "One", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                            nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(SendMessage(w, WM_USER, 0, 0), 42);
    EXPECT_TRUE(SetWindowText(w, "Two"));
    char text[8] = {};
    EXPECT_EQ(GetWindowText(w, text, sizeof text), 3);
    EXPECT_STREQ(text, "Two");
    EXPECT_EQ(GetWindowTextLength(w), 3);
    EXPECT_TRUE(PostMessage(w, WM_USER, 0, 0));
    MSG msg{};
    ASSERT_TRUE(PeekMessage(&msg, w, WM_USER, WM_USER, PM_NOREMOVE));
    ASSERT_TRUE(GetMessage(&msg, w, WM_USER, WM_USER));
    EXPECT_EQ(DispatchMessage(&msg), 42);
    hooks::set_message_box_answerer([](const hooks::MessageBoxQuestion&) { return IDNO; });
    EXPECT_EQ(MessageBox(w, "Q", "T", MB_YESNO), IDNO);
    CREATESTRUCT cs{};
    EXPECT_EQ(sizeof cs, sizeof(CREATESTRUCTA));
}

} // namespace
