// Window regions: the shape decides which points of the window belong to it
// (and so which clicks it receives); the window owns its region.
#include "platform/gdi_internal.h"
#include "platform/user_test_support.h"

namespace {

using vora::platform::test_support::count_of;
using vora::platform::test_support::received;
using vora::platform::test_support::UserLayerTest;
namespace hooks = vora::platform::testing;

HRGN hexagon(int width, int height) {
    POINT p[6] = {{width / 4, 0},          {3 * width / 4, 0},  {width, height / 2},
                  {3 * width / 4, height}, {width / 4, height}, {0, height / 2}};
    return CreatePolygonRgn(p, 6, ALTERNATE);
}

TEST_F(UserLayerTest, RegionDecidesWhichPointsBelongToTheWindow) {
    HWND w = create_main(100, 100, 400, 300);
    EXPECT_TRUE(hooks::window_shape_contains(w, POINT{2, 2})) << "no shape: the whole window";
    ASSERT_EQ(SetWindowRgn(w, hexagon(400, 300), TRUE), 1);
    EXPECT_TRUE(hooks::window_shape_contains(w, POINT{200, 10})) << "caption inside the hexagon";
    EXPECT_TRUE(hooks::window_shape_contains(w, POINT{200, 150}));
    EXPECT_FALSE(hooks::window_shape_contains(w, POINT{5, 5})) << "the cut corner";
    EXPECT_FALSE(hooks::window_shape_contains(w, POINT{395, 295}));
    SetWindowRgn(w, nullptr, TRUE);
    EXPECT_TRUE(hooks::window_shape_contains(w, POINT{5, 5}));
}

TEST_F(UserLayerTest, ClicksOutsideTheShapeDoNotReachTheWindow) {
    HWND w = create_main(100, 100, 400, 300);
    SetWindowRgn(w, hexagon(400, 300), TRUE);
    pump();
    received().clear();
    RECT wr{};
    GetWindowRect(w, &wr);
    auto click_at_window_point = [&](POINT window_point) {
        POINT client{wr.left + window_point.x, wr.top + window_point.y};
        ScreenToClient(w, &client);
        hooks::send_mouse_button(w, client, 1, true);
        hooks::send_mouse_button(w, client, 1, false);
        pump();
    };
    click_at_window_point(POINT{20, 60}); // client area, outside the hexagon
    EXPECT_EQ(count_of(w, WM_LBUTTONDOWN), 0);
    click_at_window_point(POINT{200, 150});
    EXPECT_EQ(count_of(w, WM_LBUTTONDOWN), 1);
}

TEST_F(UserLayerTest, WindowOwnsItsRegionAndFreesTheOldOne) {
    HWND w = create_main();
    HRGN first = CreateRectRgn(0, 0, 50, 50);
    HRGN second = CreateRectRgn(0, 0, 60, 60);
    SetWindowRgn(w, first, FALSE);
    SetWindowRgn(w, second, FALSE);
    EXPECT_FALSE(gdi::is_region(first)) << "given to the window: no longer the caller's";
    EXPECT_FALSE(gdi::is_region(second));
    EXPECT_TRUE(hooks::window_shape_contains(w, POINT{55, 55})) << "the second shape";
    EXPECT_FALSE(hooks::window_shape_contains(w, POINT{65, 65}));
    DestroyWindow(w);
}

TEST_F(UserLayerTest, EmptyRegionLeavesNothingOfTheWindow) {
    HWND w = create_main();
    SetWindowRgn(w, CreateRectRgn(0, 0, 0, 0), TRUE);
    EXPECT_FALSE(hooks::window_shape_contains(w, POINT{10, 10}));
    EXPECT_EQ(SetWindowRgn(w, reinterpret_cast<HRGN>(0x99), TRUE), 0) << "not a region";
}

TEST_F(UserLayerTest, RegionHandleGivenToTheWindowFailsLaterAndTheShapeStays) {
    HWND w = create_main(100, 100, 400, 300);
    pump();
    HRGN shape = hexagon(400, 300);
    ASSERT_EQ(SetWindowRgn(w, shape, TRUE), 1);
    // As on Windows, the handle belongs to the system now: using or deleting
    // it fails, and the window keeps its shape.
    EXPECT_FALSE(DeleteObject(shape));
    EXPECT_EQ(CombineRgn(shape, shape, nullptr, RGN_COPY), ERROR);
    EXPECT_EQ(SetWindowRgn(w, shape, TRUE), 0) << "not a region any more";
    EXPECT_TRUE(hooks::window_shape_contains(w, POINT{200, 150}));
    EXPECT_FALSE(hooks::window_shape_contains(w, POINT{5, 5}));
    received().clear();
    POINT client{200, 120};
    hooks::send_mouse_button(w, client, 1, true);
    hooks::send_mouse_button(w, client, 1, false);
    pump();
    EXPECT_EQ(count_of(w, WM_LBUTTONDOWN), 1) << "clicks inside the shape still arrive";
}

} // namespace
