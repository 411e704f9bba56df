// Test hooks of the USER layer (see user_testing.h); the message box
// answerer lives with the message box.
#include "platform/user_testing.h"
#include "platform/user_internal.h"

#include <cstring>

namespace vora::platform::testing {

using namespace vora::platform::user;

namespace {

// The SDL window and window coordinates of a client point.
bool toWindowPoint(HWND window, POINT client, Uint32& windowId, POINT& windowPoint) {
    Window* top = find(topLevelOf(window));
    if (top == nullptr || top->sdl == nullptr) return false;
    POINT screen = client;
    ClientToScreen(window, &screen);
    windowId = SDL_GetWindowID(top->sdl);
    windowPoint = POINT{screen.x - top->rect.left, screen.y - top->rect.top};
    return true;
}

} // namespace

void sendMouseButton(HWND window, POINT client, int button, bool down) {
    Uint32 id = 0;
    POINT p{};
    if (!toWindowPoint(window, client, id, p)) return;
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

void sendMouseMove(HWND window, POINT client) {
    Uint32 id = 0;
    POINT p{};
    if (!toWindowPoint(window, client, id, p)) return;
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = id;
    e.motion.x = p.x;
    e.motion.y = p.y;
    SDL_PushEvent(&e);
}

void sendKeyTo(HWND topLevel, int virtualKey, bool down) {
    Window* top = find(topLevelOf(topLevel));
    if (top == nullptr || top->sdl == nullptr) return;
    for (int sc = 0; sc < SDL_NUM_SCANCODES; ++sc) {
        SDL_Keysym key{};
        key.scancode = static_cast<SDL_Scancode>(sc);
        key.sym = SDL_GetKeyFromScancode(key.scancode);
        if (virtualKeyFor(key) != virtualKey) continue;
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.windowID = SDL_GetWindowID(top->sdl);
        e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym = key;
        SDL_PushEvent(&e);
        return;
    }
}

void sendKey(int virtualKey, bool down) {
    State& s = state();
    HWND top = topLevelOf(s.focus);
    if (top == nullptr && !s.topLevels.empty()) top = s.topLevels.front();
    sendKeyTo(top, virtualKey, down);
}

namespace {
void pushWindowEvent(HWND topLevel, Uint8 event, int data1, int data2) {
    Window* top = find(topLevel);
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

void moveByWindowManager(HWND topLevel, POINT screen) {
    pushWindowEvent(topLevel, SDL_WINDOWEVENT_MOVED, screen.x, screen.y);
}

void focusByDisplay(HWND topLevel) {
    pushWindowEvent(topLevel, SDL_WINDOWEVENT_FOCUS_GAINED, 0, 0);
}

WindowRole windowRole(HWND topLevel) {
    Window* w = find(topLevel);
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

void useManualClock(std::uint64_t startMs) {
    State& s = state();
    s.manualClock = true;
    s.manualNow = startMs;
}

void advanceClock(std::uint64_t ms) {
    state().manualNow += ms;
}

COLORREF windowPixel(HWND topLevel, POINT p) {
    Window* w = find(topLevel);
    if (w == nullptr || w->parent != nullptr) return 0xFFFFFFFF;
    composeTopLevel(*w);
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

bool windowShapeContains(HWND topLevel, POINT p) {
    Window* w = find(topLevel);
    return w != nullptr && shapeContains(*w, p);
}

void shutdownLayer() {
    shutdown();
}

} // namespace vora::platform::testing
