// Cursors from Win32 masks, standard cursors, the class cursor set through
// WM_SETCURSOR, icons.
#include "platform/user_internal.h"
#include "platform/user_test_support.h"

#include <SDL.h>

namespace {

using vora::platform::test_support::UserLayerTest;
namespace hooks = vora::platform::testing;

TEST(CursorMasks, Win32MaskMeaningsBecomeSdlMeanings) {
    // Four pixels in one byte's top bits: AND 0011, XOR 0101 give black,
    // white, transparent, inverted.
    const BYTE and_mask[1] = {0x30};
    const BYTE xor_mask[1] = {0x50};
    std::vector<Uint8> data;
    std::vector<Uint8> mask;
    vora::platform::user::win32_to_sdl_cursor_masks(and_mask, xor_mask, 8, 1, data, mask);
    ASSERT_EQ(data.size(), 1u);
    auto bit = [](Uint8 v, int i) { return (v >> (7 - i)) & 1; };
    // black: mask 1 data 1; white: mask 1 data 0; transparent: 0 0; invert: 0 1.
    EXPECT_EQ(bit(mask[0], 0), 1);
    EXPECT_EQ(bit(data[0], 0), 1);
    EXPECT_EQ(bit(mask[0], 1), 1);
    EXPECT_EQ(bit(data[0], 1), 0);
    EXPECT_EQ(bit(mask[0], 2), 0);
    EXPECT_EQ(bit(data[0], 2), 0);
    EXPECT_EQ(bit(mask[0], 3), 0);
    EXPECT_EQ(bit(data[0], 3), 1);
}

TEST_F(UserLayerTest, CreatedCursorsAreSetAndDestroyed) {
    create_main();
    BYTE and_mask[128];
    BYTE xor_mask[128];
    for (int i = 0; i < 128; ++i) {
        and_mask[i] = static_cast<BYTE>(i < 64 ? 0x00 : 0xFF);
        xor_mask[i] = static_cast<BYTE>(i % 2 == 0 ? 0xF0 : 0x00);
    }
    HCURSOR value = CreateCursor(nullptr, 1, 1, 32, 32, and_mask, xor_mask);
    ASSERT_NE(value, nullptr);
    HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
    ASSERT_NE(arrow, nullptr);
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(LoadCursor(nullptr, IDC_ARROW), arrow) << "standard cursors are shared";
    SetCursor(arrow);
    EXPECT_EQ(SetCursor(value), arrow);
    EXPECT_EQ(SetCursor(wait), value);
    EXPECT_TRUE(DestroyCursor(value));
    EXPECT_FALSE(DestroyCursor(value));
    EXPECT_TRUE(DestroyCursor(arrow)) << "shared: left alone";
    EXPECT_EQ(CreateCursor(nullptr, 0, 0, 30, 32, and_mask, xor_mask), nullptr)
        << "widths are whole bytes";
    EXPECT_NE(LoadIcon(nullptr, IDI_APPLICATION), nullptr);
}

TEST_F(UserLayerTest, ClassCursorIsSetWhenThePointerEntersTheClientArea) {
    HWND w = create_main();
    pump();
    HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
    SetCursor(wait);
    hooks::send_mouse_move(w, POINT{10, 10});
    pump();
    EXPECT_EQ(SetCursor(wait), LoadCursor(nullptr, IDC_ARROW))
        << "DefWindowProcA set the class's arrow on WM_SETCURSOR";
}

} // namespace
