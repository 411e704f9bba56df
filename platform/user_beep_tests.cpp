// Beep: it blocks for its duration (on the steady clock, whatever the layer's
// clock), with or without a sound device, and refuses frequencies outside
// the beeper's range.
#include "platform/user_test_support.h"

#include <chrono>

namespace {

using vora::platform::test_support::UserLayerTest;

TEST_F(UserLayerTest, BeepBlocksForItsDurationEvenWithoutSound) {
    const auto before = std::chrono::steady_clock::now();
    EXPECT_TRUE(Beep(800, 80));
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - before);
    EXPECT_GE(elapsed.count(), 80);
    EXPECT_LT(elapsed.count(), 400);
    EXPECT_FALSE(Beep(10, 10)) << "below the beeper's range";
}

} // namespace
