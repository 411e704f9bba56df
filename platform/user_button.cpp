// The built-in "button" class: a push button drawn by the layer inside its
// parent, pushed in while the left button holds it, greyed when disabled,
// sending WM_COMMAND (BN_CLICKED, control id) to the parent on a release
// over it.
#include "platform/user_internal.h"

namespace vora::platform::user {

namespace {

void line(HDC dc, HPEN pen, int x1, int y1, int x2, int y2) {
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
}

void draw_button(HDC dc, const Window& button, const RECT& r) {
    HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HPEN dark = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW));
    int right = r.right - 1;
    int bottom = r.bottom - 1;
    if (button.pressed) {
        line(dc, shadow, 0, bottom, 0, 0);
        line(dc, shadow, 0, 0, right + 1, 0);
    } else {
        line(dc, light, 0, bottom, 0, 0);
        line(dc, light, 0, 0, right, 0);
        line(dc, dark, right, 0, right, bottom);
        line(dc, dark, 0, bottom, right + 1, bottom);
        line(dc, shadow, right - 1, 1, right - 1, bottom - 1);
        line(dc, shadow, 1, bottom - 1, right, bottom - 1);
    }
    if (button.default_button) {
        HGDIOBJ old_pen = SelectObject(dc, dark);
        HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
        SelectObject(dc, old_pen);
        SelectObject(dc, old_brush);
    }
    DeleteObject(light);
    DeleteObject(shadow);
    DeleteObject(dark);

    RECT text_box = r;
    if (button.pressed) shift_rect(text_box, 1, 1);
    bool enabled = (button.style & WS_DISABLED) == 0;
    if (!enabled) {
        // The engraved look of a disabled caption: white shadow, grey text.
        RECT shadow_box = text_box;
        shift_rect(shadow_box, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        draw_lines(dc, button.text, shadow_box, TextPlace{SS_CENTER, true, true});
    }
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    draw_lines(dc, button.text, text_box, TextPlace{SS_CENTER, true, true});
}

void paint_button(HWND window) {
    paint_control(window, draw_button);
}

bool point_in_client(HWND window, LPARAM lParam) {
    RECT r{};
    GetClientRect(window, &r);
    int x = static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam)));
    int y = static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam)));
    return x >= 0 && y >= 0 && x < r.right && y < r.bottom;
}

void set_pressed(HWND window, bool pressed) {
    Window* w = find(window);
    if (w == nullptr || w->pressed == pressed) return;
    w->pressed = pressed;
    InvalidateRect(window, nullptr, FALSE);
}

void click(HWND window) {
    Window* w = find(window);
    if (w == nullptr || w->parent == nullptr) return;
    SendMessageA(w->parent, WM_COMMAND, MAKEWPARAM(w->id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
}

} // namespace

void shift_rect(RECT& r, int dx, int dy) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
}

LRESULT CALLBACK button_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = find(window);
    if (w == nullptr) return 0;
    State& s = state();
    switch (message) {
    case WM_CREATE:
        w->default_button = (w->style & 0xF) == BS_DEFPUSHBUTTON;
        return 0;
    case WM_PAINT:
        paint_button(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        w->tracking = true;
        s.capture = window;
        SetFocus(window);
        set_pressed(window, true);
        return 0;
    case WM_MOUSEMOVE:
        if (w->tracking) set_pressed(window, point_in_client(window, lParam));
        return 0;
    case WM_LBUTTONUP: {
        if (!w->tracking) return 0;
        w->tracking = false;
        if (s.capture == window) s.capture = nullptr;
        bool over = point_in_client(window, lParam);
        set_pressed(window, false);
        if (over) click(window);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) set_pressed(window, true);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && w->pressed) {
            set_pressed(window, false);
            click(window);
        }
        return 0;
    case WM_KILLFOCUS:
        if (!w->tracking) set_pressed(window, false);
        return 0;
    case WM_ENABLE:
        if (wParam == FALSE) {
            w->tracking = false;
            w->pressed = false;
        }
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_SETFONT:
        w->font = reinterpret_cast<HFONT>(wParam);
        if (lParam != 0) InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(w->font);
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcA(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, FALSE);
        return r;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace vora::platform::user
