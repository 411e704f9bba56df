// Timers (SetTimer, KillTimer) delivered as WM_TIMER when nothing else waits,
// and the millisecond clock behind them (the system's steady clock, or a
// test's manual clock).
#include "platform/user_internal.h"

#include <algorithm>
#include <chrono>

namespace vora::platform::user {

namespace {
constexpr UINT minimum_interval = 10;
}

std::uint64_t now_ms() {
    const State& s = state();
    if (s.manual_clock) return s.manual_now;
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void sleep_ms(std::uint32_t ms) {
    State& s = state();
    if (s.manual_clock)
        s.manual_now += ms;
    else
        SDL_Delay(ms);
}

// The due timer that has waited longest comes first, so that a fast timer
// whose handler outlasts its period cannot starve the others.
bool take_due_timer(HWND filter, MSG* msg, bool remove) {
    State& s = state();
    std::uint64_t now = now_ms();
    Timer* next = nullptr;
    for (Timer& t : s.timers) {
        if (t.due > now || (filter != nullptr && t.window != filter)) continue;
        if (next == nullptr || t.due < next->due) next = &t;
    }
    if (next == nullptr) return false;
    *msg = MSG{next->window,
               WM_TIMER,
               next->id,
               reinterpret_cast<LPARAM>(next->proc),
               static_cast<DWORD>(now),
               s.cursor};
    if (remove) {
        // Keep the cadence; a late tick does not bring the next ones forward.
        next->due += next->interval;
        if (next->due <= now) next->due = now + next->interval;
    }
    return true;
}

std::int64_t ms_until_next_timer() {
    const State& s = state();
    if (s.timers.empty()) return -1;
    std::uint64_t next = s.timers.front().due;
    for (const Timer& t : s.timers) next = std::min(next, t.due);
    std::uint64_t now = now_ms();
    return next <= now ? 0 : static_cast<std::int64_t>(next - now);
}

void kill_timers_of(HWND window) {
    std::erase_if(state().timers, [window](const Timer& t) { return t.window == window; });
}

} // namespace vora::platform::user

using namespace vora::platform::user;

UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT elapse_ms, TIMERPROC proc) {
    if (window != nullptr && find(window) == nullptr) return 0;
    State& s = state();
    UINT interval = std::max(elapse_ms, minimum_interval);
    if (window == nullptr) {
        // Without a window Windows chooses the identifier.
        id = 1;
        for (const Timer& t : s.timers)
            if (t.window == nullptr) id = std::max(id, t.id + 1);
    }
    std::uint64_t due = now_ms() + interval;
    for (Timer& t : s.timers) {
        if (t.window == window && t.id == id) {
            t.interval = interval;
            t.due = due;
            t.proc = proc;
            return window == nullptr ? id : std::max<UINT_PTR>(id, 1);
        }
    }
    s.timers.push_back(Timer{window, id, interval, due, proc});
    return window == nullptr ? id : std::max<UINT_PTR>(id, 1);
}

BOOL WINAPI KillTimer(HWND window, UINT_PTR id) {
    auto& timers = state().timers;
    auto it = std::find_if(timers.begin(), timers.end(),
                           [&](const Timer& t) { return t.window == window && t.id == id; });
    if (it == timers.end()) return FALSE;
    timers.erase(it);
    return TRUE;
}

DWORD WINAPI GetTickCount() {
    return static_cast<DWORD>(now_ms());
}
