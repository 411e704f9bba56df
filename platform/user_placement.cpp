// Showing, hiding, minimising, moving, sizing and stacking windows.
#include "platform/gdi_internal.h"
#include "platform/user_internal.h"

#include <algorithm>

namespace vora::platform::user {

void show_window(HWND window, bool show, bool activate) {
    Window* w = find(window);
    if (w == nullptr) return;
    if (w->visible != show) {
        w->visible = show;
        call_proc(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if ((w = find(window)) == nullptr) return;
        if (show) invalidate_client(window, nullptr, true);
        if (w->sdl != nullptr) {
            if (show) {
                SDL_ShowWindow(w->sdl);
                w->needs_present = true;
            } else {
                SDL_HideWindow(w->sdl);
            }
        } else {
            mark_present(window);
        }
    }
    if (show && activate && w->parent == nullptr && (w->style & WS_DISABLED) == 0) {
        State& s = state();
        if (s.focus != window && !is_descendant(s.focus, window)) SetFocus(window);
    }
}

namespace {

// How long the display may take to report one of the layer's own moves or
// sizes: an older request was reported already or never will be.
constexpr std::uint64_t request_lifetime_ms = 2000;

bool same(POINT a, POINT b) {
    return a.x == b.x && a.y == b.y;
}
bool same(SIZE a, SIZE b) {
    return a.cx == b.cx && a.cy == b.cy;
}

template <class T> void remember(std::deque<Requested<T>>& requested, T value) {
    constexpr std::size_t remembered = 32;
    if (requested.size() == remembered) requested.pop_front();
    requested.push_back(Requested<T>{value, now_ms()});
}

// Whether the display's report of `value` is one of the layer's recent
// requests; that request and the older ones are then forgotten, as are the
// requests too old to be reported any more.
template <class T> bool own_request(std::deque<Requested<T>>& requested, T value) {
    const std::uint64_t now = now_ms();
    std::erase_if(requested,
                  [&](const Requested<T>& r) { return now - r.at > request_lifetime_ms; });
    auto own = std::find_if(requested.begin(), requested.end(),
                            [&](const Requested<T>& r) { return same(r.value, value); });
    if (own == requested.end()) return false;
    requested.erase(requested.begin(), own + 1);
    return true;
}

} // namespace

void remember_move(Window& w, int x, int y) {
    remember(w.requested_moves, POINT{x, y});
}

void move_system_window(Window& w, int x, int y) {
    if (w.sdl == nullptr) return;
    remember_move(w, x, y);
    SDL_SetWindowPosition(w.sdl, x, y);
}

void size_system_window(Window& w, int width, int height) {
    if (w.sdl == nullptr) return;
    remember(w.requested_sizes, SIZE{width, height});
    SDL_SetWindowSize(w.sdl, width, height);
}

void sized_by_display(HWND window, int width, int height) {
    Window* w = find(window);
    if (w == nullptr || w->parent != nullptr || width <= 0 || height <= 0) return;
    if (own_request(w->requested_sizes, SIZE{width, height})) return;
    if (width == w->rect.right - w->rect.left && height == w->rect.bottom - w->rect.top) return;
    w->rect.right = w->rect.left + width;
    w->rect.bottom = w->rect.top + height;
    resize_client_surface(*w);
    mark_present(window);
    const bool maximised =
        w->sdl != nullptr && (SDL_GetWindowFlags(w->sdl) & SDL_WINDOW_MAXIMIZED) != 0;
    RECT client{};
    GetClientRect(window, &client);
    call_proc(window, WM_SIZE, maximised ? SIZE_MAXIMIZED : SIZE_RESTORED,
              MAKELPARAM(client.right, client.bottom));
}

void moved_by_display(HWND window, int x, int y) {
    Window* w = find(window);
    if (w == nullptr || w->parent != nullptr) return;
    if (own_request(w->requested_moves, POINT{x, y})) return;
    if (x == w->rect.left && y == w->rect.top) return;
    RECT next{x, y, x + (w->rect.right - w->rect.left), y + (w->rect.bottom - w->rect.top)};
    call_proc(window, WM_MOVING, 0, reinterpret_cast<LPARAM>(&next));
    if ((w = find(window)) == nullptr) return;
    w->rect = RECT{next.left, next.top, next.left + (w->rect.right - w->rect.left),
                   next.top + (w->rect.bottom - w->rect.top)};
    if (next.left != x || next.top != y) move_system_window(*w, next.left, next.top);
    call_proc(window, WM_MOVE, 0, move_param(*w));
}

RECT work_area() {
    State& s = state();
    if (s.work_area) return *s.work_area;
    ensure_video();
    SIZE screen = gdi::screen_size();
    SDL_Rect usable{};
    if (s.video_ready && SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 &&
        usable.h > 0)
        return RECT{usable.x, usable.y, usable.x + usable.w, usable.y + usable.h};
    return RECT{0, 0, screen.cx, screen.cy};
}

POINT keep_inside(POINT wanted, SIZE size, const RECT& area) {
    POINT p = wanted;
    p.x = std::max<LONG>(std::min<LONG>(p.x, area.right - size.cx), area.left);
    p.y = std::max<LONG>(std::min<LONG>(p.y, area.bottom - size.cy), area.top);
    return p;
}

void restore_from_iconic(HWND window) {
    Window* w = find(window);
    if (w == nullptr || !w->iconic) return;
    w->iconic = false;
    if (w->sdl != nullptr) SDL_RestoreWindow(w->sdl);
    RECT client{};
    GetClientRect(window, &client);
    invalidate_client(window, nullptr, true);
    call_proc(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

} // namespace vora::platform::user

using namespace vora::platform::user;

BOOL WINAPI ShowWindow(HWND window, int command) {
    Window* w = find(window);
    if (w == nullptr) return FALSE;
    BOOL was_visible = w->visible ? TRUE : FALSE;
    switch (command) {
    case SW_HIDE:
        show_window(window, false, false);
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        show_window(window, true, false);
        CloseWindow(window);
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
    case SW_SHOWMAXIMIZED:
        show_window(window, true, true);
        restore_from_iconic(window);
        break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
        show_window(window, true, false);
        break;
    default:
        show_window(window, true, true);
        break;
    }
    return was_visible;
}

BOOL WINAPI CloseWindow(HWND window) {
    Window* w = find(window);
    if (w == nullptr || w->parent != nullptr) return FALSE;
    if (w->iconic) return TRUE;
    w->iconic = true;
    if (w->sdl != nullptr) SDL_MinimizeWindow(w->sdl);
    call_proc(window, WM_SIZE, SIZE_MINIMIZED, 0);
    return TRUE;
}

BOOL WINAPI IsIconic(HWND window) {
    Window* w = find(window);
    return w != nullptr && w->iconic ? TRUE : FALSE;
}

BOOL WINAPI IsWindowVisible(HWND window) {
    Window* w = find(window);
    return w != nullptr && effectively_visible(*w) ? TRUE : FALSE;
}

BOOL WINAPI SetWindowPos(HWND window, HWND insert_after, int x, int y, int width, int height,
                         UINT flags) {
    Window* w = find(window);
    if (w == nullptr) return FALSE;
    RECT old = w->rect;
    RECT next = old;
    if ((flags & SWP_NOMOVE) == 0) {
        next.right = x + (old.right - old.left);
        next.bottom = y + (old.bottom - old.top);
        next.left = x;
        next.top = y;
    }
    if ((flags & SWP_NOSIZE) == 0) {
        next.right = next.left + std::max(0, width);
        next.bottom = next.top + std::max(0, height);
    }
    bool moved = next.left != old.left || next.top != old.top;
    bool sized = (next.right - next.left) != (old.right - old.left) ||
                 (next.bottom - next.top) != (old.bottom - old.top);
    w->rect = next;
    if (w->sdl != nullptr) {
        if (moved) move_system_window(*w, next.left, next.top);
        if (sized)
            size_system_window(*w, std::max(1, int(next.right - next.left)),
                               std::max(1, int(next.bottom - next.top)));
    }
    if (sized) resize_client_surface(*w);
    if (moved || sized) mark_present(w->parent != nullptr ? w->parent : window);

    if ((flags & SWP_NOZORDER) == 0) {
        if (w->parent == nullptr) {
            if (insert_after == HWND_TOPMOST || insert_after == HWND_NOTOPMOST) {
                bool topmost = insert_after == HWND_TOPMOST;
                w->ex_style =
                    topmost ? (w->ex_style | WS_EX_TOPMOST) : (w->ex_style & ~WS_EX_TOPMOST);
                SDL_SetWindowAlwaysOnTop(w->sdl, topmost ? SDL_TRUE : SDL_FALSE);
            }
            // Raising also activates: never for a disabled window (splash, tooltip).
            if (insert_after != HWND_BOTTOM && insert_after != HWND_NOTOPMOST && w->visible &&
                (flags & SWP_NOACTIVATE) == 0 && (w->style & WS_DISABLED) == 0)
                SDL_RaiseWindow(w->sdl);
        } else if (Window* parent = find(w->parent)) {
            auto& siblings = parent->children;
            std::erase(siblings, window);
            auto at = siblings.begin();
            if (insert_after == HWND_BOTTOM)
                at = siblings.end();
            else if (auto it = std::find(siblings.begin(), siblings.end(), insert_after);
                     it != siblings.end())
                at = it + 1;
            siblings.insert(at, window);
            mark_present(window);
        }
    }

    if (sized) {
        RECT client{};
        GetClientRect(window, &client);
        call_proc(window, WM_SIZE, w->iconic ? SIZE_MINIMIZED : SIZE_RESTORED,
                  MAKELPARAM(client.right, client.bottom));
    }
    if (Window* still = find(window); moved && still != nullptr)
        call_proc(window, WM_MOVE, 0, move_param(*still));
    if ((flags & SWP_SHOWWINDOW) != 0) show_window(window, true, (flags & SWP_NOACTIVATE) == 0);
    if ((flags & SWP_HIDEWINDOW) != 0) show_window(window, false, false);
    return TRUE;
}

BOOL WINAPI SystemParametersInfoA(UINT action, UINT, LPVOID value, UINT) {
    if (action != SPI_GETWORKAREA || value == nullptr) return FALSE;
    *static_cast<RECT*>(value) = work_area();
    return TRUE;
}
