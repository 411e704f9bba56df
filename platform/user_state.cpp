// The USER layer's process-wide state: SDL start and stop, window handles,
// calls of window procedures.
#include "platform/gdi_internal.h"
#include "platform/user_internal.h"

namespace vora::platform::user {

namespace {
std::unique_ptr<State>& statePointer() {
    static std::unique_ptr<State> s = std::make_unique<State>();
    return s;
}
} // namespace

State& state() {
    return *statePointer();
}

bool ensureVideo() {
    State& s = state();
    if (s.videoReady) return true;
    // A killed game must die (SDL would turn SIGTERM into an event), window
    // surfaces stay plain X11 images (a renderer would re-create the window),
    // and the screen saver is none of the game's business.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    SDL_StopTextInput();
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(0, &bounds) == 0) gdi::set_screen_size(bounds.w, bounds.h);
    s.videoReady = true;
    return true;
}

Window* find(HWND window) {
    if (window == nullptr) return nullptr;
    auto& windows = state().windows;
    auto it = windows.find(window);
    return it == windows.end() ? nullptr : it->second.get();
}

HWND topLevelOf(HWND window) {
    Window* w = find(window);
    while (w != nullptr && w->parent != nullptr) w = find(w->parent);
    return w == nullptr ? nullptr : w->handle;
}

HWND newHandle() {
    State& s = state();
    s.nextHandle += 2;
    return reinterpret_cast<HWND>(s.nextHandle);
}

LRESULT callProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = find(window);
    if (w == nullptr || w->proc == nullptr) return 0;
    WNDPROC proc = w->proc; // the window may be gone when the procedure returns
    return proc(window, message, wParam, lParam);
}

void shutdown() {
    State& s = state();
    for (auto& [dc, window] : s.windowDcs) {
        if (window != nullptr)
            gdi::free_surface_dc(dc);
        else
            DeleteDC(dc);
    }
    for (auto& [handle, w] : s.windows) releaseWindow(*w);
    releaseCursors();
    closeAudio();
    SDL_Quit();
    statePointer() = std::make_unique<State>();
}

} // namespace vora::platform::user
