// Creating and destroying windows: CreateWindowExA, DestroyWindow, IsWindow,
// GetParent, and what the other files ask about a window's place.
#include "platform/gdi_internal.h"
#include "platform/user_internal.h"
#include "platform/user_x11.h"

#include <algorithm>

namespace vora::platform::user {

std::string toUtf8(const std::string& cp1252) {
    return gdi::cp1252_to_utf8(cp1252.c_str(), static_cast<int>(cp1252.size()));
}

bool isDescendant(HWND window, HWND ancestor) {
    for (Window* w = find(window); w != nullptr; w = find(w->parent))
        if (w->parent == ancestor) return true;
    return false;
}

POINT clientOrigin(const Window& w) {
    Insets in = insetsOf(w);
    POINT p{w.rect.left + in.left, w.rect.top + in.top};
    if (Window* parent = find(w.parent)) {
        POINT base = clientOrigin(*parent);
        p.x += base.x;
        p.y += base.y;
    }
    return p;
}

LPARAM moveParam(const Window& w) {
    Insets in = insetsOf(w);
    if (w.parent != nullptr) return MAKELPARAM(w.rect.left + in.left, w.rect.top + in.top);
    POINT origin = clientOrigin(w);
    return MAKELPARAM(origin.x, origin.y);
}

bool effectivelyVisible(const Window& w) {
    for (const Window* v = &w; v != nullptr; v = find(v->parent))
        if (!v->visible) return false;
    return true;
}

void releaseWindow(Window& w) {
    if (w.region != nullptr) gdi::free_system_region(w.region);
    w.region = nullptr;
    w.client.reset();
    w.composed.reset();
    if (w.sdl != nullptr) SDL_DestroyWindow(w.sdl);
    w.sdl = nullptr;
}

namespace {

// Disabled captionless popups never take the focus: the splash window (a tool
// window) and tooltips.
Role roleFor(DWORD style, DWORD exStyle) {
    bool popup = (style & WS_POPUP) != 0 && (style & WS_CAPTION) != WS_CAPTION;
    if (!popup || (style & WS_DISABLED) == 0) return Role::normal;
    return (exStyle & WS_EX_TOOLWINDOW) != 0 ? Role::splash : Role::tooltip;
}

SDL_Window* createSdlWindow(const Window& w) {
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
    // Captionless popups (splash, tooltip) stay above the other windows.
    bool popup = (w.style & WS_POPUP) != 0 && (w.style & WS_CAPTION) != WS_CAPTION;
    if ((w.exStyle & WS_EX_TOPMOST) != 0 || popup) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    if (w.role == Role::tooltip)
        flags |= SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_TOOLTIP;
    else if ((w.exStyle & WS_EX_TOOLWINDOW) != 0 || w.role == Role::splash)
        flags |= SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_UTILITY;
    int width = std::max(1, static_cast<int>(w.rect.right - w.rect.left));
    int height = std::max(1, static_cast<int>(w.rect.bottom - w.rect.top));
    SDL_Window* sdl =
        SDL_CreateWindow(toUtf8(w.text).c_str(), w.rect.left, w.rect.top, width, height, flags);
    if (sdl == nullptr) return nullptr;
    SDL_SetWindowData(sdl, "vora-hwnd", w.handle);
    // SDL may re-create the X11 window when the surface first appears: make
    // it appear now, before anything (the shape) is set on the X11 window.
    SDL_GetWindowSurface(sdl);
    if (w.role != Role::normal) x11::markNoFocusPopup(sdl, w.role == Role::splash);
    return sdl;
}

// Sends WM_DESTROY to the window and then its children, parents first.
void sendDestroy(HWND window) {
    callProc(window, WM_DESTROY, 0, 0);
    Window* w = find(window);
    if (w == nullptr) return;
    std::vector<HWND> children = w->children;
    for (HWND child : children) sendDestroy(child);
}

void markDestroying(Window& w) {
    w.destroying = true;
    for (HWND child : w.children)
        if (Window* c = find(child)) markDestroying(*c);
}

void forget(HWND window) {
    State& s = state();
    Window* w = find(window);
    if (w == nullptr) return;
    std::vector<HWND> children = w->children;
    for (HWND child : children) forget(child);
    killTimersOf(window);
    if (s.focus == window) s.focus = nullptr;
    if (s.capture == window) s.capture = nullptr;
    if (s.frame.window == window) s.frame = FrameTrack{};
    if (Window* parent = find(w->parent)) std::erase(parent->children, window);
    std::erase(s.topLevels, window);
    releaseWindow(*w);
    s.windows.erase(window);
}

} // namespace
} // namespace vora::platform::user

using namespace vora::platform::user;

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menuOrId,
                            HINSTANCE instance, LPVOID param) {
    const WindowClass* cls = findClass(className);
    if (cls == nullptr) return nullptr;
    bool child = (style & WS_CHILD) != 0;
    if (child && find(parent) == nullptr) return nullptr;
    if (!child && !ensureVideo()) return nullptr;

    State& s = state();
    auto owned = std::make_unique<Window>();
    Window& w = *owned;
    w.handle = newHandle();
    w.cls = cls;
    w.proc = cls->proc;
    w.style = style & ~WS_VISIBLE;
    w.exStyle = exStyle;
    w.text = windowName != nullptr ? windowName : "";
    if (x == CW_USEDEFAULT) x = y = child ? 0 : 100;
    if (width == CW_USEDEFAULT) {
        width = child ? 0 : 640;
        height = child ? 0 : 480;
    }
    w.rect = RECT{x, y, x + std::max(0, width), y + std::max(0, height)};
    if (child) {
        w.parent = parent;
        w.id = reinterpret_cast<UINT_PTR>(menuOrId);
    } else {
        w.owner = topLevelOf(parent);
        w.role = roleFor(style, exStyle);
    }
    HWND handle = w.handle;
    s.windows.emplace(handle, std::move(owned));
    if (child) {
        find(parent)->children.push_back(handle);
    } else {
        w.sdl = createSdlWindow(w);
        if (w.sdl == nullptr) {
            s.windows.erase(handle);
            return nullptr;
        }
        w.requestedMoves.push_back(POINT{w.rect.left, w.rect.top});
        s.topLevels.push_back(handle);
        applyNativeShape(w, true);
    }
    resizeClientSurface(w);
    if ((style & WS_MINIMIZE) != 0) w.iconic = true;

    CREATESTRUCTA cs{
        param,      instance,  menuOrId, parent, height, width, y, x, static_cast<LONG>(style),
        windowName, className, exStyle};
    auto csParam = reinterpret_cast<LPARAM>(&cs);
    if (callProc(handle, WM_NCCREATE, 0, csParam) == 0 || find(handle) == nullptr ||
        callProc(handle, WM_CREATE, 0, csParam) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    Window* created = find(handle);
    if (created == nullptr) return nullptr;
    RECT client{};
    GetClientRect(handle, &client);
    callProc(handle, WM_SIZE, created->iconic ? SIZE_MINIMIZED : SIZE_RESTORED,
             MAKELPARAM(client.right, client.bottom));
    if ((created = find(handle)) == nullptr) return nullptr;
    callProc(handle, WM_MOVE, 0, moveParam(*created));
    if ((style & WS_VISIBLE) != 0) showWindow(handle, true, !child);
    return find(handle) != nullptr ? handle : nullptr;
}

BOOL WINAPI DestroyWindow(HWND window) {
    Window* w = find(window);
    if (w == nullptr || w->destroying) return FALSE;
    State& s = state();
    std::vector<HWND> ownedWindows;
    for (HWND top : s.topLevels)
        if (Window* t = find(top); t != nullptr && t->owner == window) ownedWindows.push_back(top);
    for (HWND ownedWindow : ownedWindows) DestroyWindow(ownedWindow);

    if ((w = find(window)) == nullptr) return FALSE;
    markDestroying(*w);
    if (w->visible) {
        w->visible = false;
        if (w->sdl != nullptr)
            SDL_HideWindow(w->sdl);
        else
            markPresent(topLevelOf(window));
    }
    HWND owner = w->owner;
    bool hadFocus = s.focus == window || isDescendant(s.focus, window);
    sendDestroy(window);
    forget(window);
    // As on Windows, the owner becomes active again when its owned window goes.
    if (hadFocus && find(owner) != nullptr && IsWindowEnabled(owner) && IsWindowVisible(owner))
        SetFocus(owner);
    return TRUE;
}

BOOL WINAPI IsWindow(HWND window) {
    return find(window) != nullptr ? TRUE : FALSE;
}

HWND WINAPI GetParent(HWND window) {
    Window* w = find(window);
    if (w == nullptr) return nullptr;
    return w->parent != nullptr ? w->parent : w->owner;
}

HWND WINAPI GetDlgItem(HWND parent, int id) {
    Window* w = find(parent);
    if (w == nullptr) return nullptr;
    for (HWND child : w->children)
        if (Window* c = find(child); c != nullptr && c->id == static_cast<UINT_PTR>(id))
            return child;
    return nullptr;
}
