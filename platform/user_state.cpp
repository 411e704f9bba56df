// The USER layer's process-wide state: SDL start and stop, window handles,
// calls of window procedures.
#include "platform/gdi_internal.h"
#include "platform/user_internal.h"
#include "platform/user_x11.h"

namespace vora::platform::user {

namespace {
std::unique_ptr<State>& state_pointer() {
    static std::unique_ptr<State> s = std::make_unique<State>();
    return s;
}
} // namespace

State& state() {
    return *state_pointer();
}

namespace {
// Starts SDL's video. On a display named by DISPLAY, and unless the user or
// a test chose a driver, X11 is asked for by name and asked again for a
// while when the server does not answer at once: SDL's own order would
// otherwise fall through to a driver without any window on the screen
// (offscreen), and the game would run unseen.
bool start_video() {
    if (SDL_getenv("SDL_VIDEODRIVER") == nullptr && SDL_getenv("DISPLAY") != nullptr) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
        for (int attempt = 0; attempt < 10; ++attempt) {
            if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
            SDL_Delay(100);
        }
        SDL_ResetHint(SDL_HINT_VIDEODRIVER);
    }
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}
} // namespace

bool ensure_video() {
    State& s = state();
    if (s.video_ready) return true;
    // SDL's signal handlers stay out (the layer watches the session's end
    // itself, user_session.cpp; a second SIGTERM kills), window
    // surfaces stay plain X11 images (a renderer would re-create the window),
    // and the screen saver is none of the game's business.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (!start_video()) return false;
    watch_session_end();
    // A window that the window manager or the server has just destroyed can
    // still be named in a request SDL makes for a late event; that must not
    // end the game.
    x11::survive_protocol_errors();
    SDL_StopTextInput();
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(0, &bounds) == 0) gdi::set_screen_size(bounds.w, bounds.h);
    s.video_ready = true;
    return true;
}

Window* find(HWND window) {
    if (window == nullptr) return nullptr;
    auto& windows = state().windows;
    auto it = windows.find(window);
    return it == windows.end() ? nullptr : it->second.get();
}

HWND top_level_of(HWND window) {
    Window* w = find(window);
    while (w != nullptr && w->parent != nullptr) w = find(w->parent);
    return w == nullptr ? nullptr : w->handle;
}

HWND new_handle() {
    State& s = state();
    s.next_handle += 2;
    return reinterpret_cast<HWND>(s.next_handle);
}

LRESULT call_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = find(window);
    if (w == nullptr || w->proc == nullptr) return 0;
    WNDPROC proc = w->proc; // the window may be gone when the procedure returns
    return proc(window, message, wParam, lParam);
}

void shutdown() {
    State& s = state();
    for (auto& [dc, window] : s.window_dcs) {
        if (window != nullptr)
            gdi::free_surface_dc(dc);
        else
            DeleteDC(dc);
    }
    for (auto& [handle, w] : s.windows) release_window(*w);
    release_cursors();
    close_audio();
    SDL_Quit();
    state_pointer() = std::make_unique<State>();
}

} // namespace vora::platform::user
