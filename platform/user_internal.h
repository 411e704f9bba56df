// State shared by the files of the USER layer: window classes, windows, the
// message queue, timers and input state. Everything runs on the thread that
// runs the message loop; nothing here is locked.
//
// Where things are: State and window handles in user_state.cpp; Window's
// life in user_window.cpp, its placement in user_placement.cpp, its frame in
// user_frame.cpp, its painting and DCs in user_paint.cpp, its shape in
// user_region.cpp; the queue in user_queue.cpp, input in user_input.cpp,
// timers and the clock in user_timer.cpp; each group of declarations below
// names its file.
#pragma once

#include "platform/win32_base.h"
#include "platform/win32_gdi.h"
#include "platform/win32_user.h"

#include <SDL.h>
#include <cairo.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vora::platform::user {

struct WindowClass {
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HICON small_icon = nullptr; // hIconSm; when null, captions use `icon`
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    ATOM atom = 0;
};

// Frame widths around the client area, in pixels.
struct Insets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Owns a Cairo image surface (CAIRO_FORMAT_RGB24: what SDL calls RGB888).
struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// How a top-level window is presented to the window manager: disabled popups
// are tooltips or splash windows, which never take the focus.
enum class Role { normal, tooltip, splash };

// A place or size asked of the display, with the time of the request (the
// layer's clock, now_ms).
template <class T> struct Requested {
    T value;
    std::uint64_t at;
};

struct Window {
    HWND handle = nullptr;
    const WindowClass* cls = nullptr;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD ex_style = 0;
    HWND parent = nullptr; // children only
    HWND owner = nullptr;  // top-level windows only
    UINT_PTR id = 0;       // children: the control identifier
    std::string text;      // Windows-1252
    RECT rect{};           // top-level: screen; child: parent's client coordinates
    bool visible = false;
    bool iconic = false;
    bool destroying = false;
    HICON shown_icon = nullptr; // top-level: the icon given to the display
    Role role = Role::normal;
    LONG_PTR user_data = 0;     // GWLP_USERDATA
    std::vector<HWND> children; // z-order, topmost first

    SDL_Window* sdl = nullptr;       // top-level only
    unsigned long native_window = 0; // X11 window the shape was last applied to
    Surface client;                  // what the window's DCs draw into
    Surface composed;                // top-level: window with frame and children
    bool needs_present = false;
    // Positions asked of the display lately and not yet reported back as
    // moves: such reports (possibly late) are the layer's own moves, not a
    // window manager's. SDL never reports a request that leaves the window
    // where SDL already has it, so a request is forgotten after a while.
    std::deque<Requested<POINT>> requested_moves;
    // Sizes asked of the display, likewise: their reports are not a window
    // manager's resizing.
    std::deque<Requested<SIZE>> requested_sizes;

    RECT update{}; // invalid part of the client area (empty: none)
    bool erase = false;
    HRGN region = nullptr; // owned window shape, window coordinates

    // Built-in controls.
    HFONT font = nullptr;
    bool pressed = false;  // button: drawn pushed in
    bool tracking = false; // button: the left button went down on it
    bool default_button = false;
};

struct Timer {
    HWND window = nullptr;
    UINT_PTR id = 0;
    UINT interval = 0;
    std::uint64_t due = 0;
    TIMERPROC proc = nullptr;
};

// What the user is doing with the layer-drawn frame of a top-level window.
struct FrameTrack {
    HWND window = nullptr;
    int hit = HTNOWHERE; // HTCAPTION: dragging; HTCLOSE, HTMINBUTTON: box pressed
    POINT grab{};        // pointer offset from the window's top-left corner
};

// An SDL event with the mouse key flags (MK_) of its moment.
struct PendingInput {
    SDL_Event event;
    WPARAM key_flags;
};

struct State {
    bool video_ready = false;
    std::map<std::string, std::unique_ptr<WindowClass>> classes; // key: lower-case name
    ATOM next_atom = 0xC000;
    std::map<HWND, std::unique_ptr<Window>> windows;
    std::vector<HWND> top_levels; // creation order
    std::uintptr_t next_handle = 0x10000;

    std::deque<MSG> posted;
    std::deque<PendingInput> input; // taken from SDL, not yet turned into messages
    WPARAM event_key_flags = 0;     // of the input event being turned into a message
    bool quit_posted = false;
    int quit_code = 0;
    std::vector<Timer> timers;

    HWND focus = nullptr;
    HWND capture = nullptr; // mouse capture by a built-in control
    FrameTrack frame;
    POINT cursor{}; // last known pointer position, screen coordinates
    BYTE key_down[256] = {};
    BYTE key_pressed[256] = {};
    // Down as of the last key message taken from the queue (GetKeyState).
    BYTE key_message_down[256] = {};

    std::map<HDC, HWND> window_dcs;  // DCs from GetDC and BeginPaint
    std::vector<HWND> message_boxes; // open boxes, innermost last
    LANGID ui_language = 0;

    // The clock: the system's steady clock unless a test drives it by hand.
    bool manual_clock = false;
    std::uint64_t manual_now = 0;
    // A test's work area, in place of the display's.
    std::optional<RECT> work_area;
};

State& state();

// Starts SDL video (once); false when no video driver works.
bool ensure_video();

Window* find(HWND window);
HWND top_level_of(HWND window);
HWND new_handle();

// Low-level call of a window's procedure (no checks).
LRESULT call_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Frame geometry and drawing (user_frame.cpp).
Insets insets_for(DWORD style, DWORD ex_style, bool child);
Insets insets_of(const Window& w);
int hit_test_frame(const Window& w, POINT window_point);
void draw_frame(HDC dc, const Window& w); // dc origin: the window's top-left corner
int caption_height();
int frame_width();
RECT close_box_rect(const Window& w);
RECT minimize_box_rect(const Window& w);

// Painting (user_paint.cpp).
void resize_client_surface(Window& w);
void mark_present(HWND window);
void present_all();
void compose_top_level(Window& top);
void invalidate_client(HWND window, const RECT* rect, bool erase);
HWND find_window_needing_paint(HWND filter);

// Input (user_input.cpp): takes SDL's queued events and turns them into
// messages; true when anything was taken.
bool drain_sdl_events();
void translate_input();
// While the caption of a window is dragged on a real display: whether, and
// moving the window to where the pointer now is.
bool following_drag();
void refresh_cursor_from_display(); // on a real display, asks it where the pointer is
void follow_drag();
int virtual_key_for(const SDL_Keysym& key);
int sided_virtual_key_for(SDL_Scancode scancode);

// Timers (user_timer.cpp).
bool take_due_timer(HWND filter, MSG* msg, bool remove);
std::int64_t ms_until_next_timer(); // -1: no timer
void kill_timers_of(HWND window);
std::uint64_t now_ms(); // the state's clock
// Waits `ms` milliseconds of that clock (a manual clock just moves on).
void sleep_ms(std::uint32_t ms);

// Regions (user_region.cpp).
// Sets the X11 shape from the region; unless forced, only when SDL has given
// the window a new X11 window since the last time.
void apply_native_shape(Window& w, bool force);
bool shape_contains(const Window& w, POINT window_point);

// Text of the layer's controls and boxes (user_draw_text.cpp).
struct TextPlace {
    DWORD horizontal = SS_LEFT; // SS_LEFT, SS_CENTER or SS_RIGHT
    bool vertical_centre = false;
    // Controls' captions: "&x" underlines x and "&&" is one "&".
    bool prefix = false;
};
// A caption without its "&" prefixes, and the index in it of the underlined
// character (-1: none; the last "&x" counts).
std::string strip_prefix(const std::string& text, int& underlined);
std::vector<std::string> split_lines(const std::string& text);
SIZE measure_lines(HDC dc, const std::string& text);
void draw_lines(HDC dc, const std::string& text, const RECT& box, TextPlace place);
HFONT control_font(const Window& w); // the font set by WM_SETFONT, else the system font

// Built-in controls (user_button.cpp, user_static.cpp).
LRESULT CALLBACK button_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK static_proc(HWND, UINT, WPARAM, LPARAM);
void register_built_in_classes();
bool is_mouse_transparent(const Window& w); // static controls let clicks through
void shift_rect(RECT& r, int dx, int dy);

// Paints a built-in control: between BeginPaint and EndPaint, fills its client
// rectangle with the button face, selects its font on a transparent background,
// and calls draw(dc, record, client rectangle). An unknown window is only
// validated.
template <class Draw> void paint_control(HWND window, Draw draw) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    Window* w = find(window);
    if (dc != nullptr && w != nullptr) {
        RECT r{};
        GetClientRect(window, &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        HGDIOBJ old_font = SelectObject(dc, control_font(*w));
        SetBkMode(dc, TRANSPARENT);
        draw(dc, *w, r);
        SelectObject(dc, old_font);
    }
    if (dc != nullptr) EndPaint(window, &ps);
}
const WindowClass* find_class(const char* name_or_atom);

// Window lifetime (user_window.cpp).
void release_window(Window& w); // frees what the window holds, sends nothing
std::string to_utf8(const std::string& cp1252);
bool is_descendant(HWND window, HWND ancestor);
POINT client_origin(const Window& w); // screen coordinates
LPARAM move_param(const Window& w);   // WM_MOVE's: the client area's origin
bool effectively_visible(const Window& w);

// Placement (user_placement.cpp).
void show_window(HWND window, bool show, bool activate);
// Remembers that the layer asked the display for the top-level window's
// place (x, y): a report of it soon after is not a window manager's move.
void remember_move(Window& w, int x, int y);
// Moves the system window of a top-level window, remembering the request.
void move_system_window(Window& w, int x, int y);
// The display reports the top-level window at (x, y): unless that is one of
// the layer's own moves, a window manager moved it, and the window gets
// WM_MOVING (which may correct the place), its new rectangle and WM_MOVE.
void moved_by_display(HWND window, int x, int y);
// The display (a window manager's resize or maximise) gave the top-level
// window this size: the window takes it, its client area follows and it gets
// WM_SIZE (SIZE_MAXIMIZED when the display has it maximised). Reports of the
// layer's own sizes are dropped.
void sized_by_display(HWND window, int width, int height);
// Asks the display for the window's size and remembers the request.
void size_system_window(Window& w, int width, int height);
void restore_from_iconic(HWND window);
// The screen's part that windows may cover (SPI_GETWORKAREA): the display's
// usable bounds (on X11 the window manager's _NET_WORKAREA), else the screen.
RECT work_area();
// The top-left corner of a box of `size` placed at `wanted` and moved the
// least to lie inside `area`; a box larger than the area keeps its top-left
// corner on the area's.
POINT keep_inside(POINT wanted, SIZE size, const RECT& area);

// Cursors and sound (user_cursor.cpp, user_beep.cpp).
// Win32 cursor masks (AND, XOR) to SDL's (data, mask); width a multiple of 8.
void win32_to_sdl_cursor_masks(const BYTE* and_mask, const BYTE* xor_mask, int width, int height,
                               std::vector<Uint8>& data, std::vector<Uint8>& mask);
void release_cursors();
void close_audio();
// The picture of an icon loaded from a resource, full size or the 16 x 16 one
// of captions (ARGB32, premultiplied, owned by the icon); nullptr for the
// generic application icon, a cursor or no icon.
cairo_surface_t* icon_picture(HICON icon, bool small);
// Gives the icon's picture to the display as the window's icon (on X11,
// _NET_WM_ICON); false, doing nothing, for an icon without a picture.
bool show_window_icon(SDL_Window* sdl, HICON icon);

// The session's end (user_session.cpp): watch_session_end turns SIGTERM and
// SIGHUP (when their action is the default one) into a request that
// end_session_if_asked, called by GetMessageA before it takes a message,
// carries out once: WM_ENDSESSION (wParam TRUE) sent to every normal
// top-level window, then PostQuitMessage(0). Returns whether it did.
void watch_session_end();
bool end_session_if_asked();

// Closes every window and SDL (user_state.cpp).
void shutdown();

} // namespace vora::platform::user
