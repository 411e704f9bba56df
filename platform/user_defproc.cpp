// DefWindowProcA: what windows do with the messages their procedure leaves.
#include "platform/gdi_internal.h"
#include "platform/user_internal.h"

#include <algorithm>
#include <cstring>

using namespace vora::platform::user;

namespace {

LRESULT set_text(HWND window, const char* text) {
    Window* w = find(window);
    if (w == nullptr) return FALSE;
    w->text = text != nullptr ? text : "";
    if (w->sdl != nullptr) SDL_SetWindowTitle(w->sdl, to_utf8(w->text).c_str());
    mark_present(window);
    return TRUE;
}

LRESULT get_text(HWND window, WPARAM size, char* buffer) {
    Window* w = find(window);
    if (w == nullptr || buffer == nullptr || size == 0) return 0;
    std::size_t n = std::min<std::size_t>(w->text.size(), size - 1);
    std::memcpy(buffer, w->text.data(), n);
    buffer[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT erase_background(HWND window, HDC dc) {
    Window* w = find(window);
    if (w == nullptr || w->cls == nullptr || w->cls->background == nullptr) return 0;
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, w->cls->background);
    return 1;
}

LRESULT set_cursor_for(HWND window, WPARAM wParam, LPARAM lParam) {
    Window* w = find(window);
    if (w == nullptr) return FALSE;
    if (w->parent != nullptr && SendMessageA(w->parent, WM_SETCURSOR, wParam, lParam) != 0)
        return TRUE;
    if (LOWORD(static_cast<std::uintptr_t>(lParam)) != HTCLIENT) {
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        return TRUE;
    }
    if (w->cls != nullptr && w->cls->cursor != nullptr) {
        SetCursor(w->cls->cursor);
        return TRUE;
    }
    return FALSE;
}

} // namespace

LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_CLOSE:
            SendMessageA(window, WM_CLOSE, 0, 0);
            break;
        case SC_MINIMIZE:
            CloseWindow(window);
            break;
        case SC_RESTORE:
            ShowWindow(window, SW_RESTORE);
            break;
        default:
            break;
        }
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (BeginPaint(window, &ps) != nullptr) EndPaint(window, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return erase_background(window, reinterpret_cast<HDC>(wParam));
    case WM_SETTEXT:
        return set_text(window, reinterpret_cast<const char*>(lParam));
    case WM_GETTEXT:
        return get_text(window, wParam, reinterpret_cast<char*>(lParam));
    case WM_GETTEXTLENGTH: {
        Window* w = find(window);
        return w != nullptr ? static_cast<LRESULT>(w->text.size()) : 0;
    }
    case WM_SETCURSOR:
        return set_cursor_for(window, wParam, lParam);
    default:
        return 0;
    }
}
