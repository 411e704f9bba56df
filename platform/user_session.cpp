// The end of the desktop session. Windows sends WM_ENDSESSION to every
// top-level window before it ends a process with the session; here the
// session's end reaches the process as SIGTERM (the session manager, a
// shutdown) or SIGHUP (the terminal or session that started it is gone). The
// signal only raises a flag; the next wait for a message sees it, sends
// WM_ENDSESSION (wParam TRUE) to every top-level window and posts the quit
// message. A second signal before that ends the process at once.
#include "platform/user_internal.h"

#include <csignal>

namespace vora::platform::user {

namespace {

volatile std::sig_atomic_t end_asked = 0;
bool ended = false;

extern "C" void on_end_signal(int sig) {
    if (end_asked != 0) {
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        sigaction(sig, &fallback, nullptr);
        raise(sig);
        return;
    }
    end_asked = 1;
}

} // namespace

void watch_session_end() {
    for (int sig : {SIGTERM, SIGHUP}) {
        struct sigaction current {};
        // A signal that the parent ignores, or that the host program handles,
        // is left as it is.
        if (sigaction(sig, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) continue;
        struct sigaction watch {};
        watch.sa_handler = on_end_signal;
        sigemptyset(&watch.sa_mask);
        watch.sa_flags = 0; // no SA_RESTART: the wait for input returns at once
        sigaction(sig, &watch, nullptr);
    }
}

bool end_session_if_asked() {
    if (end_asked == 0 || ended) return false;
    ended = true;
    // A copy: the procedures may destroy windows.
    const std::vector<HWND> windows = state().top_levels;
    for (HWND w : windows) {
        const Window* win = find(w);
        if (win != nullptr && win->role == Role::normal) SendMessageA(w, WM_ENDSESSION, TRUE, 0);
    }
    PostQuitMessage(0);
    return true;
}

} // namespace vora::platform::user
