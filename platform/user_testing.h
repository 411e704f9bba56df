// Hooks for tests of the layer and of programs built on it (not options of
// the game): answering message boxes, giving input through SDL's event queue
// as a user would, reading what a window shows, and stopping the layer.
// Tests run under SDL's "offscreen" video driver (SDL_VIDEODRIVER=offscreen),
// where every window, paint and message works without a display.
#pragma once

#include "platform/win32_base.h"
#include "platform/win32_user.h"

#include <cstdint>
#include <functional>
#include <string>

namespace vora::platform::testing {

// What an open message box asks.
struct MessageBoxQuestion {
    HWND box;         // the box's own window
    HWND owner;       // as given to MessageBoxA
    std::string text; // Windows-1252, as given
    std::string caption;
    UINT type; // the MB_ flags
};

// Answers message boxes in place of the user. While a box is open the
// answerer is called before each wait of the box's message loop (so other
// windows keep receiving their messages meanwhile); it returns the button
// identifier that closes the box (IDYES, IDOK, ...) or 0 to go on waiting.
// An empty function gives the boxes back to the user.
void set_message_box_answerer(std::function<int(const MessageBoxQuestion&)> answerer);

// Queues a mouse button press or release (button 1 left, 2 middle, 3 right)
// or a move at `client`, a point in the client coordinates of `window` (a
// top-level window or a child), as SDL reports them from the display.
void send_mouse_button(HWND window, POINT client, int button, bool down);
void send_mouse_move(HWND window, POINT client);
// Queues a key press or release for the top-level window holding the focus
// (letters, digits, numeric pad, Enter, Escape, Tab, Space, arrows).
void send_key(int virtual_key, bool down);
// The same, reported by the display for `top_level` (the window the display
// gave the keyboard to, which need not hold the layer's focus).
void send_key_to(HWND top_level, int virtual_key, bool down);
// Queues what the display reports when a window manager moves `top_level` so
// that its top-left corner is at `screen`.
void move_by_window_manager(HWND top_level, POINT screen);
// Queues what the display reports when a window manager gives `top_level`
// the outer size `size`.
void resize_by_window_manager(HWND top_level, SIZE size);
// Queues what the display reports when it gives `top_level` the keyboard.
void focus_by_display(HWND top_level);

// How the layer presents a top-level window to the window manager.
enum class WindowRole { normal, tooltip, splash };
WindowRole window_role(HWND top_level);
// The icon the layer gave the display for a top-level window (its class's
// icon, when that was loaded from a resource), or nullptr.
HICON window_icon(HWND top_level);

// The clock behind GetTickCount and timers. A manual clock starts at
// `start_ms` and moves only by advance_clock; GetMessageA must not wait on it
// (use PeekMessageA). Beep waits on the steady clock whatever this one is.
// shutdown_layer goes back to the system's steady clock.
void use_manual_clock(std::uint64_t start_ms);
void advance_clock(std::uint64_t ms);

// Makes `area` (screen coordinates) the work area that SystemParametersInfoA
// reports and the layer keeps its boxes in, as a window manager's panels
// would; nullptr gives back the display's.
void set_work_area(const RECT* area);

// The colour of a pixel of a top-level window, frame and children included,
// as the layer composes it (window coordinates, shape not applied).
COLORREF window_pixel(HWND top_level, POINT window_point);
// Whether a point (window coordinates) lies inside the window's shape.
bool window_shape_contains(HWND top_level, POINT window_point);

// Destroys every window without sending messages, frees cursors and stops
// SDL: the state of a fresh process.
void shutdown_layer();

} // namespace vora::platform::testing
