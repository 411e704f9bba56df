// Showing, hiding, minimising, moving, sizing and stacking windows.
#include "platform/user_internal.h"

#include <algorithm>

namespace vora::platform::user {

void showWindow(HWND window, bool show, bool activate) {
    Window* w = find(window);
    if (w == nullptr) return;
    if (w->visible != show) {
        w->visible = show;
        callProc(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if ((w = find(window)) == nullptr) return;
        if (show) invalidateClient(window, nullptr, true);
        if (w->sdl != nullptr) {
            if (show) {
                SDL_ShowWindow(w->sdl);
                w->needsPresent = true;
            } else {
                SDL_HideWindow(w->sdl);
            }
        } else {
            markPresent(window);
        }
    }
    if (show && activate && w->parent == nullptr && (w->style & WS_DISABLED) == 0) {
        State& s = state();
        if (s.focus != window && !isDescendant(s.focus, window)) SetFocus(window);
    }
}

void moveSystemWindow(Window& w, int x, int y) {
    if (w.sdl == nullptr) return;
    constexpr std::size_t kRemembered = 32;
    if (w.requestedMoves.size() == kRemembered) w.requestedMoves.pop_front();
    w.requestedMoves.push_back(POINT{x, y});
    SDL_SetWindowPosition(w.sdl, x, y);
}

void movedByDisplay(HWND window, int x, int y) {
    Window* w = find(window);
    if (w == nullptr || w->parent != nullptr) return;
    auto& requested = w->requestedMoves;
    auto own = std::find_if(requested.begin(), requested.end(),
                            [&](POINT p) { return p.x == x && p.y == y; });
    if (own != requested.end()) {
        requested.erase(requested.begin(), own + 1);
        return;
    }
    if (x == w->rect.left && y == w->rect.top) return;
    RECT next{x, y, x + (w->rect.right - w->rect.left), y + (w->rect.bottom - w->rect.top)};
    callProc(window, WM_MOVING, 0, reinterpret_cast<LPARAM>(&next));
    if ((w = find(window)) == nullptr) return;
    w->rect = RECT{next.left, next.top, next.left + (w->rect.right - w->rect.left),
                   next.top + (w->rect.bottom - w->rect.top)};
    if (next.left != x || next.top != y) moveSystemWindow(*w, next.left, next.top);
    callProc(window, WM_MOVE, 0, moveParam(*w));
}

void restoreFromIconic(HWND window) {
    Window* w = find(window);
    if (w == nullptr || !w->iconic) return;
    w->iconic = false;
    if (w->sdl != nullptr) SDL_RestoreWindow(w->sdl);
    RECT client{};
    GetClientRect(window, &client);
    invalidateClient(window, nullptr, true);
    callProc(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

} // namespace vora::platform::user

using namespace vora::platform::user;

BOOL WINAPI ShowWindow(HWND window, int command) {
    Window* w = find(window);
    if (w == nullptr) return FALSE;
    BOOL wasVisible = w->visible ? TRUE : FALSE;
    switch (command) {
    case SW_HIDE:
        showWindow(window, false, false);
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        showWindow(window, true, false);
        CloseWindow(window);
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
    case SW_SHOWMAXIMIZED:
        showWindow(window, true, true);
        restoreFromIconic(window);
        break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
        showWindow(window, true, false);
        break;
    default:
        showWindow(window, true, true);
        break;
    }
    return wasVisible;
}

BOOL WINAPI CloseWindow(HWND window) {
    Window* w = find(window);
    if (w == nullptr || w->parent != nullptr) return FALSE;
    if (w->iconic) return TRUE;
    w->iconic = true;
    if (w->sdl != nullptr) SDL_MinimizeWindow(w->sdl);
    callProc(window, WM_SIZE, SIZE_MINIMIZED, 0);
    return TRUE;
}

BOOL WINAPI IsIconic(HWND window) {
    Window* w = find(window);
    return w != nullptr && w->iconic ? TRUE : FALSE;
}

BOOL WINAPI IsWindowVisible(HWND window) {
    Window* w = find(window);
    return w != nullptr && effectivelyVisible(*w) ? TRUE : FALSE;
}

BOOL WINAPI SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height,
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
        if (moved) moveSystemWindow(*w, next.left, next.top);
        if (sized)
            SDL_SetWindowSize(w->sdl, std::max(1, int(next.right - next.left)),
                              std::max(1, int(next.bottom - next.top)));
    }
    if (sized) resizeClientSurface(*w);
    if (moved || sized) markPresent(w->parent != nullptr ? w->parent : window);

    if ((flags & SWP_NOZORDER) == 0) {
        if (w->parent == nullptr) {
            if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
                bool topmost = insertAfter == HWND_TOPMOST;
                w->exStyle = topmost ? (w->exStyle | WS_EX_TOPMOST) : (w->exStyle & ~WS_EX_TOPMOST);
                SDL_SetWindowAlwaysOnTop(w->sdl, topmost ? SDL_TRUE : SDL_FALSE);
            }
            // Raising also activates: never for a disabled window (splash, tooltip).
            if (insertAfter != HWND_BOTTOM && insertAfter != HWND_NOTOPMOST && w->visible &&
                (flags & SWP_NOACTIVATE) == 0 && (w->style & WS_DISABLED) == 0)
                SDL_RaiseWindow(w->sdl);
        } else if (Window* parent = find(w->parent)) {
            auto& siblings = parent->children;
            std::erase(siblings, window);
            auto at = siblings.begin();
            if (insertAfter == HWND_BOTTOM)
                at = siblings.end();
            else if (auto it = std::find(siblings.begin(), siblings.end(), insertAfter);
                     it != siblings.end())
                at = it + 1;
            siblings.insert(at, window);
            markPresent(window);
        }
    }

    if (sized) {
        RECT client{};
        GetClientRect(window, &client);
        callProc(window, WM_SIZE, w->iconic ? SIZE_MINIMIZED : SIZE_RESTORED,
                 MAKELPARAM(client.right, client.bottom));
    }
    if (Window* still = find(window); moved && still != nullptr)
        callProc(window, WM_MOVE, 0, moveParam(*still));
    if ((flags & SWP_SHOWWINDOW) != 0) showWindow(window, true, (flags & SWP_NOACTIVATE) == 0);
    if ((flags & SWP_HIDEWINDOW) != 0) showWindow(window, false, false);
    return TRUE;
}
