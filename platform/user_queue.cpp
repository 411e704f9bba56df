// The message queue: posted and sent messages, GetMessageA's wait, input
// turned into messages, and the low-priority WM_PAINT and WM_TIMER.
#include "platform/user_internal.h"
#include "platform/user_x11.h"

namespace vora::platform::user {

namespace {

bool inRange(UINT message, UINT low, UINT high) {
    return (low == 0 && high == 0) || (message >= low && message <= high);
}

// Takes the next message as Windows orders them: posted messages (input
// included, in arrival order), WM_QUIT, WM_PAINT, then WM_TIMER.
bool takeMessage(MSG* msg, HWND window, UINT low, UINT high, bool remove) {
    State& s = state();
    if (s.videoReady) {
        drainSdlEvents();
        translateInput();
        followDrag();
    }
    for (auto it = s.posted.begin(); it != s.posted.end(); ++it) {
        if ((window == nullptr || it->hwnd == window) && inRange(it->message, low, high)) {
            *msg = *it;
            if (remove) s.posted.erase(it);
            return true;
        }
    }
    if (s.quitPosted && inRange(WM_QUIT, low, high)) {
        *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(s.quitCode), 0, GetTickCount(), s.cursor};
        if (remove) s.quitPosted = false;
        return true;
    }
    if (inRange(WM_PAINT, low, high)) {
        if (HWND dirty = findWindowNeedingPaint(window)) {
            *msg = MSG{dirty, WM_PAINT, 0, 0, GetTickCount(), s.cursor};
            return true;
        }
    }
    if (inRange(WM_TIMER, low, high) && takeDueTimer(window, msg, remove)) return true;
    return false;
}

} // namespace
} // namespace vora::platform::user

using namespace vora::platform::user;

BOOL WINAPI GetMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax) {
    if (msg == nullptr) return -1;
    ensureVideo();
    for (;;) {
        if (takeMessage(msg, window, filterMin, filterMax, true))
            return msg->message == WM_QUIT ? FALSE : TRUE;
        presentAll();
        std::int64_t wait = msUntilNextTimer();
        if (followingDrag() && (wait < 0 || wait > 10)) wait = 10;
        if (state().manualClock && wait > 0) {
            sleepMs(static_cast<std::uint32_t>(wait)); // a test's clock: no real wait
            continue;
        }
        SDL_Window* any = nullptr;
        if (!state().topLevels.empty()) any = find(state().topLevels.front())->sdl;
        if (wait != 0 && x11::waitForInput(any, static_cast<int>(wait))) continue;
        if (!state().videoReady) {
            SDL_Delay(static_cast<Uint32>(wait < 0 ? 10 : wait));
        } else if (wait < 0) {
            SDL_WaitEvent(nullptr);
        } else if (wait > 0) {
            SDL_WaitEventTimeout(nullptr, static_cast<int>(wait));
        }
    }
}

BOOL WINAPI PeekMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
    if (msg == nullptr) return FALSE;
    if (takeMessage(msg, window, filterMin, filterMax, (removeFlags & PM_REMOVE) != 0)) return TRUE;
    presentAll();
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
    return callProc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

void WINAPI PostQuitMessage(int exitCode) {
    State& s = state();
    s.quitPosted = true;
    s.quitCode = exitCode;
}

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (find(window) == nullptr) return 0;
    return callProc(window, message, wParam, lParam);
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
    bool shift = s.keyDown[VK_SHIFT] != 0;
    bool control = s.keyDown[VK_CONTROL] != 0;
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
