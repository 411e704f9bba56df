// Timers on the manual clock: cadence, killing, timers without a window, the
// wait of GetMessageA, and fairness between timers of different periods.
#include "platform/user_test_support.h"

namespace {

using vora::platform::test_support::count_of;
using vora::platform::test_support::reaction;
using vora::platform::test_support::received;
using vora::platform::test_support::UserLayerTest;
namespace hooks = vora::platform::testing;

TEST_F(UserLayerTest, TimerTicksAtItsPeriodUntilKilled) {
    HWND w = create_main();
    ASSERT_NE(SetTimer(w, 1, 50, nullptr), 0u);
    run_for(520);
    EXPECT_EQ(count_of(w, WM_TIMER), 10) << "one tick per 50 ms";
    for (auto& r : received()) {
        if (r.message == WM_TIMER) {
            EXPECT_EQ(r.wParam, 1u);
        }
    }
    EXPECT_TRUE(KillTimer(w, 1));
    EXPECT_FALSE(KillTimer(w, 1));
    received().clear();
    run_for(120);
    EXPECT_EQ(count_of(w, WM_TIMER), 0);
}

TEST_F(UserLayerTest, TimerWithoutWindowCallsItsProcedure) {
    static int calls = 0;
    calls = 0;
    create_main();
    UINT_PTR id = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) { ++calls; });
    EXPECT_NE(id, 0u);
    run_for(110);
    EXPECT_EQ(calls, 5);
    KillTimer(nullptr, id);
}

TEST_F(UserLayerTest, GetMessageWaitsUntilTheTimerIsDue) {
    HWND w = create_main();
    pump();
    SetTimer(w, 7, 300, nullptr);
    DWORD before = GetTickCount();
    MSG msg;
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(GetTickCount() - before, 300u);
}

TEST_F(UserLayerTest, LateTickKeepsTheCadenceWithoutCatchingUp) {
    HWND w = create_main();
    pump();
    SetTimer(w, 1, 100, nullptr);
    hooks::advance_clock(350); // three periods missed
    pump();
    EXPECT_EQ(count_of(w, WM_TIMER), 1) << "missed ticks are not delivered in a burst";
    run_for(100);
    EXPECT_EQ(count_of(w, WM_TIMER), 2);
}

TEST_F(UserLayerTest, SlowFastTimerDoesNotStarveASlowerOne) {
    HWND w = create_main();
    pump();
    SetTimer(w, 1, 10, nullptr);
    SetTimer(w, 2, 200, nullptr);
    // The 10 ms timer's handler takes 15 ms.
    reaction() = [](HWND, UINT m, WPARAM id, LPARAM, LRESULT&) {
        if (m == WM_TIMER && id == 1) hooks::advance_clock(15);
        return false;
    };
    // Two seconds of the message loop, one message at a time.
    DWORD end = GetTickCount() + 2000;
    MSG msg;
    while (static_cast<int>(end - GetTickCount()) > 0) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        else
            hooks::advance_clock(1);
    }
    int slow = 0;
    for (auto& r : received())
        if (r.message == WM_TIMER && r.wParam == 2) ++slow;
    EXPECT_GE(slow, 9) << "every due timer gets its WM_TIMER";
    EXPECT_GT(count_of(w, WM_TIMER), slow);
}

} // namespace
