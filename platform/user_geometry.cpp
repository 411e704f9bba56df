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
        POINT base = clientOrigin(*parent);
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
    Insets in = insetsOf(*w);
    LONG width = w->rect.right - w->rect.left - in.left - in.right;
    LONG height = w->rect.bottom - w->rect.top - in.top - in.bottom;
    *rect = RECT{0, 0, width > 0 ? width : 0, height > 0 ? height : 0};
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND window, LPPOINT point) {
    Window* w = find(window);
    if (w == nullptr || point == nullptr) return FALSE;
    POINT origin = clientOrigin(*w);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND window, LPPOINT point) {
    Window* w = find(window);
    if (w == nullptr || point == nullptr) return FALSE;
    POINT origin = clientOrigin(*w);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

BOOL WINAPI GetCursorPos(LPPOINT point) {
    if (point == nullptr) return FALSE;
    State& s = state();
    if (s.videoReady) {
        drainSdlEvents();
        refreshCursorFromDisplay();
    }
    *point = s.cursor;
    return TRUE;
}

int WINAPI GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
        ensureVideo();
        return gdi::screen_size().cx;
    case SM_CYSCREEN:
        ensureVideo();
        return gdi::screen_size().cy;
    case SM_CYCAPTION:
        return captionHeight();
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXFIXEDFRAME:
    case SM_CYFIXEDFRAME:
        return frameWidth();
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    default:
        return 0;
    }
}
