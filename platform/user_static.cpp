// The built-in "static" class: text on the button face colour, left, centred
// (SS_CENTER) or right (SS_RIGHT), with WS_BORDER drawn as a one-pixel frame.
// Like Windows' static controls without SS_NOTIFY, it lets mouse input through
// to its parent.
#include "platform/user_internal.h"

namespace vora::platform::user {

namespace {

void paint_static(HWND window) {
    paint_control(window, [](HDC dc, const Window& w, const RECT& r) {
        bool enabled = (w.style & WS_DISABLED) == 0;
        SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        draw_lines(dc, w.text, r, TextPlace{w.style & (SS_CENTER | SS_RIGHT), false, true});
    });
}

} // namespace

LRESULT CALLBACK static_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = find(window);
    if (w == nullptr) return 0;
    switch (message) {
    case WM_PAINT:
        paint_static(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFONT:
        w->font = reinterpret_cast<HFONT>(wParam);
        if (lParam != 0) InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(w->font);
    case WM_ENABLE:
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcA(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, FALSE);
        return r;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool is_mouse_transparent(const Window& w) {
    return w.proc == static_proc && (w.style & SS_NOTIFY) == 0;
}

} // namespace vora::platform::user
