// The message queue: posted and sent messages, GetMessageA's wait, input
// turned into messages, and the low-priority WM_PAINT and WM_TIMER.
#include "platform/user_internal.h"
#include "platform/user_x11.h"

namespace vora::platform::user {

namespace {

bool in_range(UINT message, UINT low, UINT high) {
    return (low == 0 && high == 0) || (message >= low && message <= high);
}

// Takes the next message as Windows orders them: posted messages (input
// included, in arrival order), WM_QUIT, WM_PAINT, then WM_TIMER.
bool take_message(MSG* msg, HWND window, UINT low, UINT high, bool remove) {
    State& s = state();
    if (s.video_ready) {
        drain_sdl_events();
        translate_input();
        follow_drag();
    }
    for (auto it = s.posted.begin(); it != s.posted.end(); ++it) {
        if ((window == nullptr || it->hwnd == window) && in_range(it->message, low, high)) {
            *msg = *it;
            if (remove) {
                s.posted.erase(it);
                if ((msg->message == WM_KEYDOWN || msg->message == WM_KEYUP) && msg->wParam < 256)
                    s.key_message_down[msg->wParam] = msg->message == WM_KEYDOWN ? 1 : 0;
            }
            return true;
        }
    }
    if (s.quit_posted && in_range(WM_QUIT, low, high)) {
        *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(s.quit_code), 0, GetTickCount(), s.cursor};
        if (remove) s.quit_posted = false;
        return true;
    }
    if (in_range(WM_PAINT, low, high)) {
        if (HWND dirty = find_window_needing_paint(window)) {
            *msg = MSG{dirty, WM_PAINT, 0, 0, GetTickCount(), s.cursor};
            return true;
        }
    }
    if (in_range(WM_TIMER, low, high) && take_due_timer(window, msg, remove)) return true;
    return false;
}

} // namespace
} // namespace vora::platform::user

using namespace vora::platform::user;

BOOL WINAPI GetMessageA(LPMSG msg, HWND window, UINT filter_min, UINT filter_max) {
    if (msg == nullptr) return -1;
    ensure_video();
    for (;;) {
        end_session_if_asked();
        if (take_message(msg, window, filter_min, filter_max, true))
            return msg->message == WM_QUIT ? FALSE : TRUE;
        present_all();
        std::int64_t wait = ms_until_next_timer();
        if (following_drag() && (wait < 0 || wait > 10)) wait = 10;
        if (state().manual_clock && wait > 0) {
            sleep_ms(static_cast<std::uint32_t>(wait)); // a test's clock: no real wait
            continue;
        }
        SDL_Window* any = nullptr;
        if (!state().top_levels.empty()) any = find(state().top_levels.front())->sdl;
        if (wait != 0 && x11::wait_for_input(any, static_cast<int>(wait))) continue;
        if (!state().video_ready) {
            SDL_Delay(static_cast<Uint32>(wait < 0 ? 10 : wait));
        } else if (wait < 0) {
            SDL_WaitEvent(nullptr);
        } else if (wait > 0) {
            SDL_WaitEventTimeout(nullptr, static_cast<int>(wait));
        }
    }
}

BOOL WINAPI PeekMessageA(LPMSG msg, HWND window, UINT filter_min, UINT filter_max,
                         UINT remove_flags) {
    if (msg == nullptr) return FALSE;
    if (take_message(msg, window, filter_min, filter_max, (remove_flags & PM_REMOVE) != 0))
        return TRUE;
    present_all();
    return FALSE;
}

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
    if (msg == nullptr) return 0;
    if (msg->message == WM_TIMER && msg->lParam != 0) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
        return 0;
    }
    if (find(msg->hwnd) == nullptr) return 0;
    return call_proc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

void WINAPI PostQuitMessage(int exit_code) {
    State& s = state();
    s.quit_posted = true;
    s.quit_code = exit_code;
}

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (find(window) == nullptr) return 0;
    return call_proc(window, message, wParam, lParam);
}

BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr && find(window) == nullptr) return FALSE;
    State& s = state();
    s.posted.push_back(MSG{window, message, wParam, lParam, GetTickCount(), s.cursor});
    return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG* msg) {
    if (msg == nullptr || msg->message != WM_KEYDOWN) return FALSE;
    State& s = state();
    int vk = static_cast<int>(msg->wParam);
    bool shift = s.key_down[VK_SHIFT] != 0;
    bool control = s.key_down[VK_CONTROL] != 0;
    bool caps = (SDL_GetModState() & KMOD_CAPS) != 0;
    int c = 0;
    if (vk >= 'A' && vk <= 'Z') {
        c = control ? vk - 'A' + 1 : (shift != caps ? vk : vk - 'A' + 'a');
    } else if (vk >= '0' && vk <= '9' && !shift && !control) {
        c = vk;
    } else if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
        c = '0' + vk - VK_NUMPAD0;
    } else if (vk == VK_SPACE || vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_TAB ||
               vk == VK_BACK) {
        c = vk == VK_RETURN ? '\r' : vk;
    }
    if (c == 0) return FALSE;
    PostMessageA(msg->hwnd, WM_CHAR, static_cast<WPARAM>(c), msg->lParam);
    return TRUE;
}
