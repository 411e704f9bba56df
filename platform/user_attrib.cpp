// Window state that messages carry: enabled state, text, keyboard focus; and
// the window's user data.
#include "platform/user_internal.h"

#include <cstring>

using namespace vora::platform::user;

BOOL WINAPI EnableWindow(HWND window, BOOL enable) {
    Window* w = find(window);
    if (w == nullptr) return FALSE;
    bool was_disabled = (w->style & WS_DISABLED) != 0;
    if (was_disabled == (enable == FALSE)) return was_disabled ? TRUE : FALSE;
    if (enable != FALSE)
        w->style &= ~WS_DISABLED;
    else
        w->style |= WS_DISABLED;
    State& s = state();
    if (enable == FALSE && s.capture == window) s.capture = nullptr;
    mark_present(window); // the caption shows the state
    call_proc(window, WM_ENABLE, enable != FALSE ? TRUE : FALSE, 0);
    return was_disabled ? TRUE : FALSE;
}

BOOL WINAPI IsWindowEnabled(HWND window) {
    Window* w = find(window);
    return w != nullptr && (w->style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text) {
    if (find(window) == nullptr) return FALSE;
    return SendMessageA(window, WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(text != nullptr ? text : ""))
               ? TRUE
               : FALSE;
}

int WINAPI GetWindowTextA(HWND window, LPSTR buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    buffer[0] = '\0';
    if (find(window) == nullptr) return 0;
    return static_cast<int>(SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(size),
                                         reinterpret_cast<LPARAM>(buffer)));
}

int WINAPI GetWindowTextLengthA(HWND window) {
    return static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
}

HWND WINAPI SetFocus(HWND window) {
    State& s = state();
    HWND previous = s.focus;
    if (window != nullptr && find(window) == nullptr) return nullptr;
    if (window == previous) return previous;
    s.focus = window;
    if (find(previous) != nullptr)
        call_proc(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (window != nullptr && s.focus == window) {
        // Keyboard input of the system follows: the top-level window gets it.
        if (Window* top = find(top_level_of(window));
            top != nullptr && top->sdl != nullptr && top->visible &&
            (SDL_GetWindowFlags(top->sdl) & SDL_WINDOW_SHOWN) != 0)
            SDL_SetWindowInputFocus(top->sdl);
        call_proc(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    }
    return previous;
}

BOOL WINAPI SetForegroundWindow(HWND window) {
    HWND root = top_level_of(window);
    Window* top = find(root);
    if (top == nullptr || !top->visible || !IsWindowEnabled(root)) return FALSE;
    if (top->sdl != nullptr) SDL_RaiseWindow(top->sdl);
    const HWND focus = state().focus;
    if (focus != root && !is_descendant(focus, root)) SetFocus(root);
    return TRUE;
}

HWND WINAPI GetFocus() {
    return state().focus;
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
    Window* w = find(window);
    if (w == nullptr || index != GWLP_USERDATA) return 0;
    const LONG_PTR before = w->user_data;
    w->user_data = value;
    return before;
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND window, int index) {
    const Window* w = find(window);
    return w != nullptr && index == GWLP_USERDATA ? w->user_data : 0;
}
