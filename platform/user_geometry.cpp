// Window and client rectangles, coordinate conversions, the pointer position
// and the system metrics.
#include "platform/gdi_internal.h"
#include "platform/user_internal.h"

using namespace vora::platform::user;

BOOL WINAPI GetWindowRect(HWND window, LPRECT rect) {
    Window* w = find(window);
    if (w == nullptr || rect == nullptr) return FALSE;
    *rect = w->rect;
    if (Window* parent = find(w->parent)) {
        POINT base = client_origin(*parent);
        rect->left += base.x;
        rect->right += base.x;
        rect->top += base.y;
        rect->bottom += base.y;
    }
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND window, LPRECT rect) {
    Window* w = find(window);
    if (w == nullptr || rect == nullptr) return FALSE;
    Insets in = insets_of(*w);
    LONG width = w->rect.right - w->rect.left - in.left - in.right;
    LONG height = w->rect.bottom - w->rect.top - in.top - in.bottom;
    *rect = RECT{0, 0, width > 0 ? width : 0, height > 0 ? height : 0};
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND window, LPPOINT point) {
    Window* w = find(window);
    if (w == nullptr || point == nullptr) return FALSE;
    POINT origin = client_origin(*w);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND window, LPPOINT point) {
    Window* w = find(window);
    if (w == nullptr || point == nullptr) return FALSE;
    POINT origin = client_origin(*w);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

BOOL WINAPI GetCursorPos(LPPOINT point) {
    if (point == nullptr) return FALSE;
    State& s = state();
    if (s.video_ready) {
        drain_sdl_events();
        refresh_cursor_from_display();
    }
    *point = s.cursor;
    return TRUE;
}

int WINAPI GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
        ensure_video();
        return gdi::screen_size().cx;
    case SM_CYSCREEN:
        ensure_video();
        return gdi::screen_size().cy;
    case SM_CYCAPTION:
        return caption_height();
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXFIXEDFRAME:
    case SM_CYFIXEDFRAME:
        return frame_width();
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    default:
        return 0;
    }
}
