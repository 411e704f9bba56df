// The built-in "static" class: text on the button face colour, left, centred
// (SS_CENTER) or right (SS_RIGHT), with WS_BORDER drawn as a one-pixel frame.
// Like Windows' static controls without SS_NOTIFY, it lets mouse input through
// to its parent.
#include "platform/user_internal.h"

namespace vora::platform::user {

namespace {

void paintStatic(HWND window) {
    paintControl(window, [](HDC dc, const Window& w, const RECT& r) {
        bool enabled = (w.style & WS_DISABLED) == 0;
        SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        drawLines(dc, w.text, r, TextPlace{w.style & (SS_CENTER | SS_RIGHT), false, true});
    });
}

} // namespace

LRESULT CALLBACK staticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = find(window);
    if (w == nullptr) return 0;
    switch (message) {
    case WM_PAINT:
        paintStatic(window);
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

bool isMouseTransparent(const Window& w) {
    return w.proc == staticProc && (w.style & SS_NOTIFY) == 0;
}

} // namespace vora::platform::user
