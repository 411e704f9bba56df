// Test hooks of the USER layer (see user_testing.h); the message box
// answerer lives with the message box.
#include "platform/user_testing.h"
#include "platform/user_internal.h"

#include <cstring>

namespace vora::platform::testing {

using namespace vora::platform::user;

namespace {

// The SDL window and window coordinates of a client point.
bool to_window_point(HWND window, POINT client, Uint32& window_id, POINT& window_point) {
    Window* top = find(top_level_of(window));
    if (top == nullptr || top->sdl == nullptr) return false;
    POINT screen = client;
    ClientToScreen(window, &screen);
    window_id = SDL_GetWindowID(top->sdl);
    window_point = POINT{screen.x - top->rect.left, screen.y - top->rect.top};
    return true;
}

} // namespace

void send_mouse_button(HWND window, POINT client, int button, bool down) {
    Uint32 id = 0;
    POINT p{};
    if (!to_window_point(window, client, id, p)) return;
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.windowID = id;
    e.button.button = static_cast<Uint8>(button);
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = 1;
    e.button.x = p.x;
    e.button.y = p.y;
    SDL_PushEvent(&e);
}

void send_mouse_move(HWND window, POINT client) {
    Uint32 id = 0;
    POINT p{};
    if (!to_window_point(window, client, id, p)) return;
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = id;
    e.motion.x = p.x;
    e.motion.y = p.y;
    SDL_PushEvent(&e);
}

void send_key_to(HWND top_level, int virtual_key, bool down) {
    Window* top = find(top_level_of(top_level));
    if (top == nullptr || top->sdl == nullptr) return;
    for (int sc = 0; sc < SDL_NUM_SCANCODES; ++sc) {
        SDL_Keysym key{};
        key.scancode = static_cast<SDL_Scancode>(sc);
        key.sym = SDL_GetKeyFromScancode(key.scancode);
        if (virtual_key_for(key) != virtual_key) continue;
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.windowID = SDL_GetWindowID(top->sdl);
        e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym = key;
        SDL_PushEvent(&e);
        return;
    }
}

void send_key(int virtual_key, bool down) {
    State& s = state();
    HWND top = top_level_of(s.focus);
    if (top == nullptr && !s.top_levels.empty()) top = s.top_levels.front();
    send_key_to(top, virtual_key, down);
}

namespace {
void push_window_event(HWND top_level, Uint8 event, int data1, int data2) {
    Window* top = find(top_level);
    if (top == nullptr || top->sdl == nullptr) return;
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = SDL_GetWindowID(top->sdl);
    e.window.event = event;
    e.window.data1 = data1;
    e.window.data2 = data2;
    SDL_PushEvent(&e);
}
} // namespace

void move_by_window_manager(HWND top_level, POINT screen) {
    push_window_event(top_level, SDL_WINDOWEVENT_MOVED, screen.x, screen.y);
}

void resize_by_window_manager(HWND top_level, SIZE size) {
    push_window_event(top_level, SDL_WINDOWEVENT_SIZE_CHANGED, size.cx, size.cy);
}

void focus_by_display(HWND top_level) {
    push_window_event(top_level, SDL_WINDOWEVENT_FOCUS_GAINED, 0, 0);
}

HICON window_icon(HWND top_level) {
    Window* w = find(top_level);
    return w == nullptr ? nullptr : w->shown_icon;
}

WindowRole window_role(HWND top_level) {
    Window* w = find(top_level);
    if (w == nullptr) return WindowRole::normal;
    switch (w->role) {
    case Role::tooltip:
        return WindowRole::tooltip;
    case Role::splash:
        return WindowRole::splash;
    default:
        return WindowRole::normal;
    }
}

void use_manual_clock(std::uint64_t start_ms) {
    State& s = state();
    s.manual_clock = true;
    s.manual_now = start_ms;
}

void set_work_area(const RECT* area) {
    if (area != nullptr)
        state().work_area = *area;
    else
        state().work_area.reset();
}

void advance_clock(std::uint64_t ms) {
    state().manual_now += ms;
}

COLORREF window_pixel(HWND top_level, POINT p) {
    Window* w = find(top_level);
    if (w == nullptr || w->parent != nullptr) return 0xFFFFFFFF;
    compose_top_level(*w);
    cairo_surface_t* surface = w->composed.get();
    if (p.x < 0 || p.y < 0 || p.x >= cairo_image_surface_get_width(surface) ||
        p.y >= cairo_image_surface_get_height(surface))
        return 0xFFFFFFFF;
    const unsigned char* row =
        cairo_image_surface_get_data(surface) + p.y * cairo_image_surface_get_stride(surface);
    std::uint32_t pixel = 0;
    std::memcpy(&pixel, row + 4 * p.x, sizeof pixel);
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

bool window_shape_contains(HWND top_level, POINT p) {
    Window* w = find(top_level);
    return w != nullptr && shape_contains(*w, p);
}

void shutdown_layer() {
    shutdown();
}

} // namespace vora::platform::testing
