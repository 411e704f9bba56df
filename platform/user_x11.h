// The X11 window behind an SDL window: its SHAPE, and waiting for its input.
// Kept apart from the rest of the layer because Xlib's headers define names
// (Window, None, Bool) that clash with the layer's.
#pragma once

#include <vector>

struct SDL_Window;

namespace vora::platform::user::x11 {

struct ShapeRect {
    int x;
    int y;
    int width;
    int height;
};

// The X11 window of an SDL window; 0 when SDL does not run on X11.
unsigned long native_window(SDL_Window* window);

// Sets the window's bounding and input shapes to the rectangles (window
// coordinates); nullptr removes the shape. Does nothing off X11 or when the
// X server has no SHAPE extension.
void set_shape(SDL_Window* window, const std::vector<ShapeRect>* rects);

} // namespace vora::platform::user::x11

namespace vora::platform::user::x11 {

// Presents the window to the window manager as a tooltip or (splash true) a
// splash window that never takes the keyboard: _NET_WM_WINDOW_TYPE, WM_HINTS
// without input, and no WM_TAKE_FOCUS. Call it before the window is first
// shown. Does nothing off X11.
void mark_no_focus_popup(SDL_Window* window, bool splash);

// Waits until the X11 connection behind the SDL window has input, at most
// timeout_ms milliseconds (-1: no limit). Returns false, without waiting, when
// SDL does not run on X11. (SDL's own wait wakes itself by sending events to
// a window of its choice, which may be a window being destroyed.)
bool wait_for_input(SDL_Window* window, int timeout_ms);

// Where the pointer is on the screen, asked of the X server (SDL's global
// mouse state can lag behind). False off X11.
bool pointer_position(SDL_Window* window, int& x, int& y);

} // namespace vora::platform::user::x11

namespace vora::platform::user::x11 {

// Makes protocol errors from the X server (a window destroyed while events
// about it are still handled, for example) reported on stderr and survived,
// instead of Xlib's default of ending the process. Call once SDL's video runs.
void survive_protocol_errors();

// How many protocol errors were survived since the process started.
unsigned long survived_protocol_errors();

} // namespace vora::platform::user::x11
