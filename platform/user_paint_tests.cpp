// Window DCs: a DC obtained before its window is resized keeps drawing into
// the window.
#include "platform/user_test_support.h"

namespace {

using vora::platform::test_support::UserLayerTest;
namespace hooks = vora::platform::testing;

// The window point (frame included) of a client point.
POINT window_point_of(HWND w, POINT client) {
    RECT wr{};
    GetWindowRect(w, &wr);
    ClientToScreen(w, &client);
    return POINT{client.x - wr.left, client.y - wr.top};
}

TEST_F(UserLayerTest, PaintDcStaysValidWhenTheWindowIsResizedDuringThePaint) {
    HWND w = create_main(100, 80, 300, 200);
    pump();
    InvalidateRect(w, nullptr, FALSE);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    ASSERT_NE(dc, nullptr);
    SetWindowPos(w, nullptr, 0, 0, 420, 330, SWP_NOMOVE | SWP_NOZORDER);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 20, 20);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, 20, 20};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(memory, &all, red);
    EXPECT_TRUE(BitBlt(dc, 10, 10, 20, 20, memory, 0, 0, SRCCOPY));
    EndPaint(w, &ps);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    DeleteObject(red);
    EXPECT_EQ(hooks::window_pixel(w, window_point_of(w, POINT{15, 15})), RGB(255, 0, 0))
        << "the drawing reached the resized window";
}

TEST_F(UserLayerTest, GetDcFollowsTheWindowThroughSeveralResizes) {
    HWND w = create_main(100, 80, 300, 200);
    pump();
    HDC dc = GetDC(w);
    SetWindowPos(w, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(w, nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    pump();
    RECT r{400, 300, 410, 310}; // only inside the last size
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    EXPECT_NE(FillRect(dc, &r, blue), 0);
    ReleaseDC(w, dc);
    DeleteObject(blue);
    EXPECT_EQ(hooks::window_pixel(w, window_point_of(w, POINT{405, 305})), RGB(0, 0, 255));
}

} // namespace
