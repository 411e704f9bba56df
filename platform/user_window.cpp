// Creating and destroying windows: CreateWindowExA, DestroyWindow, IsWindow,
// GetParent, and what the other files ask about a window's place.
#include "platform/gdi_internal.h"
#include "platform/user_internal.h"
#include "platform/user_x11.h"

#include <algorithm>

namespace vora::platform::user {

std::string to_utf8(const std::string& cp1252) {
    return gdi::cp1252_to_utf8(cp1252.c_str(), static_cast<int>(cp1252.size()));
}

bool is_descendant(HWND window, HWND ancestor) {
    for (Window* w = find(window); w != nullptr; w = find(w->parent))
        if (w->parent == ancestor) return true;
    return false;
}

POINT client_origin(const Window& w) {
    Insets in = insets_of(w);
    POINT p{w.rect.left + in.left, w.rect.top + in.top};
    if (Window* parent = find(w.parent)) {
        POINT base = client_origin(*parent);
        p.x += base.x;
        p.y += base.y;
    }
    return p;
}

LPARAM move_param(const Window& w) {
    Insets in = insets_of(w);
    if (w.parent != nullptr) return MAKELPARAM(w.rect.left + in.left, w.rect.top + in.top);
    POINT origin = client_origin(w);
    return MAKELPARAM(origin.x, origin.y);
}

bool effectively_visible(const Window& w) {
    for (const Window* v = &w; v != nullptr; v = find(v->parent))
        if (!v->visible) return false;
    return true;
}

void release_window(Window& w) {
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
Role role_for(DWORD style, DWORD ex_style) {
    bool popup = (style & WS_POPUP) != 0 && (style & WS_CAPTION) != WS_CAPTION;
    if (!popup || (style & WS_DISABLED) == 0) return Role::normal;
    return (ex_style & WS_EX_TOOLWINDOW) != 0 ? Role::splash : Role::tooltip;
}

SDL_Window* create_sdl_window(const Window& w) {
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
    // Captionless popups (splash, tooltip) stay above the other windows.
    bool popup = (w.style & WS_POPUP) != 0 && (w.style & WS_CAPTION) != WS_CAPTION;
    if ((w.ex_style & WS_EX_TOPMOST) != 0 || popup) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    // A sizing frame or a maximise box: a window manager may size it.
    if (!popup && (w.style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) != 0) flags |= SDL_WINDOW_RESIZABLE;
    if (w.role == Role::tooltip)
        flags |= SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_TOOLTIP;
    else if ((w.ex_style & WS_EX_TOOLWINDOW) != 0 || w.role == Role::splash)
        flags |= SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_UTILITY;
    int width = std::max(1, static_cast<int>(w.rect.right - w.rect.left));
    int height = std::max(1, static_cast<int>(w.rect.bottom - w.rect.top));
    SDL_Window* sdl =
        SDL_CreateWindow(to_utf8(w.text).c_str(), w.rect.left, w.rect.top, width, height, flags);
    if (sdl == nullptr) return nullptr;
    SDL_SetWindowData(sdl, "vora-hwnd", w.handle);
    // SDL may re-create the X11 window when the surface first appears: make
    // it appear now, before anything (the shape) is set on the X11 window.
    SDL_GetWindowSurface(sdl);
    if (w.role != Role::normal) x11::mark_no_focus_popup(sdl, w.role == Role::splash);
    return sdl;
}

// Sends WM_DESTROY to the window and then its children, parents first.
void send_destroy(HWND window) {
    call_proc(window, WM_DESTROY, 0, 0);
    Window* w = find(window);
    if (w == nullptr) return;
    std::vector<HWND> children = w->children;
    for (HWND child : children) send_destroy(child);
}

void mark_destroying(Window& w) {
    w.destroying = true;
    for (HWND child : w.children)
        if (Window* c = find(child)) mark_destroying(*c);
}

void forget(HWND window) {
    State& s = state();
    Window* w = find(window);
    if (w == nullptr) return;
    std::vector<HWND> children = w->children;
    for (HWND child : children) forget(child);
    kill_timers_of(window);
    if (s.focus == window) s.focus = nullptr;
    if (s.capture == window) s.capture = nullptr;
    if (s.frame.window == window) s.frame = FrameTrack{};
    if (Window* parent = find(w->parent)) std::erase(parent->children, window);
    std::erase(s.top_levels, window);
    release_window(*w);
    s.windows.erase(window);
}

} // namespace
} // namespace vora::platform::user

using namespace vora::platform::user;

HWND WINAPI CreateWindowExA(DWORD ex_style, LPCSTR class_name, LPCSTR window_name, DWORD style,
                            int x, int y, int width, int height, HWND parent, HMENU menu_or_id,
                            HINSTANCE instance, LPVOID param) {
    const WindowClass* cls = find_class(class_name);
    if (cls == nullptr) return nullptr;
    bool child = (style & WS_CHILD) != 0;
    if (child && find(parent) == nullptr) return nullptr;
    if (!child && !ensure_video()) return nullptr;

    State& s = state();
    auto owned = std::make_unique<Window>();
    Window& w = *owned;
    w.handle = new_handle();
    w.cls = cls;
    w.proc = cls->proc;
    w.style = style & ~WS_VISIBLE;
    w.ex_style = ex_style;
    w.text = window_name != nullptr ? window_name : "";
    if (x == CW_USEDEFAULT) x = y = child ? 0 : 100;
    if (width == CW_USEDEFAULT) {
        width = child ? 0 : 640;
        height = child ? 0 : 480;
    }
    w.rect = RECT{x, y, x + std::max(0, width), y + std::max(0, height)};
    if (child) {
        w.parent = parent;
        w.id = reinterpret_cast<UINT_PTR>(menu_or_id);
    } else {
        w.owner = top_level_of(parent);
        w.role = role_for(style, ex_style);
    }
    HWND handle = w.handle;
    s.windows.emplace(handle, std::move(owned));
    if (child) {
        find(parent)->children.push_back(handle);
    } else {
        w.sdl = create_sdl_window(w);
        if (w.sdl == nullptr) {
            s.windows.erase(handle);
            return nullptr;
        }
        if (w.cls != nullptr && show_window_icon(w.sdl, w.cls->icon)) w.shown_icon = w.cls->icon;
        remember_move(w, w.rect.left, w.rect.top);
        s.top_levels.push_back(handle);
        apply_native_shape(w, true);
    }
    resize_client_surface(w);
    if ((style & WS_MINIMIZE) != 0) w.iconic = true;

    CREATESTRUCTA cs{
        param,       instance,   menu_or_id, parent, height, width, y, x, static_cast<LONG>(style),
        window_name, class_name, ex_style};
    auto cs_param = reinterpret_cast<LPARAM>(&cs);
    if (call_proc(handle, WM_NCCREATE, 0, cs_param) == 0 || find(handle) == nullptr ||
        call_proc(handle, WM_CREATE, 0, cs_param) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    Window* created = find(handle);
    if (created == nullptr) return nullptr;
    RECT client{};
    GetClientRect(handle, &client);
    call_proc(handle, WM_SIZE, created->iconic ? SIZE_MINIMIZED : SIZE_RESTORED,
              MAKELPARAM(client.right, client.bottom));
    if ((created = find(handle)) == nullptr) return nullptr;
    call_proc(handle, WM_MOVE, 0, move_param(*created));
    if ((style & WS_VISIBLE) != 0) show_window(handle, true, !child);
    return find(handle) != nullptr ? handle : nullptr;
}

BOOL WINAPI DestroyWindow(HWND window) {
    Window* w = find(window);
    if (w == nullptr || w->destroying) return FALSE;
    State& s = state();
    std::vector<HWND> owned_windows;
    for (HWND top : s.top_levels)
        if (Window* t = find(top); t != nullptr && t->owner == window) owned_windows.push_back(top);
    for (HWND owned_window : owned_windows) DestroyWindow(owned_window);

    if ((w = find(window)) == nullptr) return FALSE;
    mark_destroying(*w);
    if (w->visible) {
        w->visible = false;
        if (w->sdl != nullptr)
            SDL_HideWindow(w->sdl);
        else
            mark_present(top_level_of(window));
    }
    HWND owner = w->owner;
    bool had_focus = s.focus == window || is_descendant(s.focus, window);
    send_destroy(window);
    forget(window);
    // As on Windows, the owner becomes active again when its owned window goes.
    if (had_focus && find(owner) != nullptr && IsWindowEnabled(owner) && IsWindowVisible(owner))
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
