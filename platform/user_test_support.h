// Shared by the USER layer's tests: a fixture that runs the layer headless
// (SDL's offscreen video driver, dummy audio) on a manual clock and stops it
// after each test, and a window procedure that records the messages it
// receives.
#pragma once

#include "platform/font_caches.h"
#include "platform/gdi_internal.h"
#include "platform/user_testing.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

namespace vora::platform::test_support {

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Messages received by windows of the "Recorder" class, in order.
inline std::vector<Received>& received() {
    static std::vector<Received> r;
    return r;
}

// Runs for each message a "Recorder" window receives, before
// DefWindowProcA; a non-empty result replaces DefWindowProcA's.
inline std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)>& reaction() {
    static std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)> r;
    return r;
}

inline LRESULT CALLBACK recorder_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    received().push_back(Received{window, message, wParam, lParam});
    LRESULT result = 0;
    if (reaction() && reaction()(window, message, wParam, lParam, result)) return result;
    return DefWindowProcA(window, message, wParam, lParam);
}

inline std::vector<UINT> messages_of(HWND window) {
    std::vector<UINT> out;
    for (const Received& r : received())
        if (r.window == window) out.push_back(r.message);
    return out;
}

inline int count_of(HWND window, UINT message) {
    int n = 0;
    for (const Received& r : received())
        if (r.window == window && r.message == message) ++n;
    return n;
}

class UserLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        received().clear();
        reaction() = nullptr;
        vora::platform::testing::use_manual_clock(1000);
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = recorder_proc;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "Recorder";
        ASSERT_NE(RegisterClassExA(&wc), 0);
    }

    void TearDown() override {
        reaction() = nullptr;
        vora::platform::testing::set_message_box_answerer({});
        vora::platform::testing::shutdown_layer();
    }

    // A captioned top-level window of the "Recorder" class, shown.
    HWND create_main(int x = 100, int y = 80, int width = 300, int height = 200) {
        HWND w = CreateWindowExA(WS_EX_LEFT, "Recorder", "Main",
                                 WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y, width, height,
                                 nullptr, nullptr, nullptr, nullptr);
        ShowWindow(w, SW_SHOW);
        return w;
    }

    // Dispatches every message available now, paints and timers included.
    static void pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    // Runs the message loop for `ms` milliseconds of the manual clock, one
    // millisecond at a time.
    static void run_for(DWORD ms) {
        for (DWORD i = 0; i < ms; ++i) {
            pump();
            vora::platform::testing::advance_clock(1);
        }
        pump();
    }
};

// Fontconfig and Cairo keep font caches until the process ends; they are
// released after the last test so that leak checking sees only real leaks.
class ReleaseFontCachesAtExit : public ::testing::Environment {
public:
    void TearDown() override { vora::platform::release_font_caches(); }
};
inline ::testing::Environment* const release_font_caches_at_exit =
    ::testing::AddGlobalTestEnvironment(new ReleaseFontCachesAtExit);

} // namespace vora::platform::test_support
