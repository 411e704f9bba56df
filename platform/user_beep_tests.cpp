// Beep: it blocks for its duration (on the manual clock), with or without a
// sound device, and refuses frequencies outside the beeper's range.
#include "platform/user_test_support.h"

namespace {

using vora::platform::test_support::UserLayerTest;

TEST_F(UserLayerTest, BeepBlocksForItsDurationEvenWithoutSound) {
    DWORD before = GetTickCount();
    EXPECT_TRUE(Beep(800, 80));
    DWORD elapsed = GetTickCount() - before;
    EXPECT_GE(elapsed, 80u);
    EXPECT_LT(elapsed, 400u);
    EXPECT_FALSE(Beep(10, 10)) << "below the beeper's range";
}

} // namespace
