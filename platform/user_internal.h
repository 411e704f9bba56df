// State shared by the files of the USER layer: window classes, windows, the
// message queue, timers and input state. Everything runs on the thread that
// runs the message loop; nothing here is locked.
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
#include <string>
#include <vector>

namespace vora::platform::user {

struct WindowClass {
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
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

struct Window {
    HWND handle = nullptr;
    const WindowClass* cls = nullptr;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr; // children only
    HWND owner = nullptr;  // top-level windows only
    UINT_PTR id = 0;       // children: the control identifier
    std::string text;      // Windows-1252
    RECT rect{};           // top-level: screen; child: parent's client coordinates
    bool visible = false;
    bool iconic = false;
    bool destroying = false;
    Role role = Role::normal;
    std::vector<HWND> children; // z-order, topmost first

    SDL_Window* sdl = nullptr;      // top-level only
    unsigned long nativeWindow = 0; // X11 window the shape was last applied to
    Surface client;                 // what the window's DCs draw into
    Surface composed;               // top-level: window with frame and children
    bool needsPresent = false;
    // Positions asked of the display and not yet reported back as moves:
    // such reports (possibly late) are the layer's own moves, not a window
    // manager's.
    std::deque<POINT> requestedMoves;

    RECT update{}; // invalid part of the client area (empty: none)
    bool erase = false;
    HRGN region = nullptr; // owned window shape, window coordinates

    // Built-in controls.
    HFONT font = nullptr;
    bool pressed = false;  // button: drawn pushed in
    bool tracking = false; // button: the left button went down on it
    bool defaultButton = false;
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
    WPARAM keyFlags;
};

struct State {
    bool videoReady = false;
    std::map<std::string, std::unique_ptr<WindowClass>> classes; // key: lower-case name
    ATOM nextAtom = 0xC000;
    std::map<HWND, std::unique_ptr<Window>> windows;
    std::vector<HWND> topLevels; // creation order
    std::uintptr_t nextHandle = 0x10000;

    std::deque<MSG> posted;
    std::deque<PendingInput> input; // taken from SDL, not yet turned into messages
    WPARAM eventKeyFlags = 0;       // of the input event being turned into a message
    bool quitPosted = false;
    int quitCode = 0;
    std::vector<Timer> timers;

    HWND focus = nullptr;
    HWND capture = nullptr; // mouse capture by a built-in control
    FrameTrack frame;
    POINT cursor{}; // last known pointer position, screen coordinates
    BYTE keyDown[256] = {};
    BYTE keyPressed[256] = {};

    std::map<HDC, HWND> windowDcs;  // DCs from GetDC and BeginPaint
    std::vector<HWND> messageBoxes; // open boxes, innermost last
    LANGID uiLanguage = 0;

    // The clock: the system's steady clock unless a test drives it by hand.
    bool manualClock = false;
    std::uint64_t manualNow = 0;
};

State& state();

// Starts SDL video (once); false when no video driver works.
bool ensureVideo();

Window* find(HWND window);
HWND topLevelOf(HWND window);
HWND newHandle();

// Low-level call of a window's procedure (no checks).
LRESULT callProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Frame geometry and drawing (user_frame.cpp).
Insets insetsFor(DWORD style, DWORD exStyle, bool child);
Insets insetsOf(const Window& w);
int hitTestFrame(const Window& w, POINT windowPoint);
void drawFrame(HDC dc, const Window& w); // dc origin: the window's top-left corner
int captionHeight();
int frameWidth();
RECT closeBoxRect(const Window& w);
RECT minimizeBoxRect(const Window& w);

// Painting (user_paint.cpp).
void resizeClientSurface(Window& w);
void markPresent(HWND window);
void presentAll();
void composeTopLevel(Window& top);
void invalidateClient(HWND window, const RECT* rect, bool erase);
HWND findWindowNeedingPaint(HWND filter);

// Input (user_input.cpp): takes SDL's queued events and turns them into
// messages; true when anything was taken.
bool drainSdlEvents();
void translateInput();
// While the caption of a window is dragged on a real display: whether, and
// moving the window to where the pointer now is.
bool followingDrag();
void refreshCursorFromDisplay(); // on a real display, asks it where the pointer is
void followDrag();
int virtualKeyFor(const SDL_Keysym& key);
int sidedVirtualKeyFor(SDL_Scancode scancode);

// Timers (user_timer.cpp).
bool takeDueTimer(HWND filter, MSG* msg, bool remove);
std::int64_t msUntilNextTimer(); // -1: no timer
void killTimersOf(HWND window);
std::uint64_t nowMs(); // the state's clock
// Waits `ms` milliseconds of that clock (a manual clock just moves on).
void sleepMs(std::uint32_t ms);

// Regions (user_region.cpp).
// Sets the X11 shape from the region; unless forced, only when SDL has given
// the window a new X11 window since the last time.
void applyNativeShape(Window& w, bool force);
bool shapeContains(const Window& w, POINT windowPoint);

// Text of the layer's controls and boxes (user_draw_text.cpp).
struct TextPlace {
    DWORD horizontal = SS_LEFT; // SS_LEFT, SS_CENTER or SS_RIGHT
    bool verticalCentre = false;
    // Controls' captions: "&x" underlines x and "&&" is one "&".
    bool prefix = false;
};
// A caption without its "&" prefixes, and the index in it of the underlined
// character (-1: none; the last "&x" counts).
std::string stripPrefix(const std::string& text, int& underlined);
std::vector<std::string> splitLines(const std::string& text);
SIZE measureLines(HDC dc, const std::string& text);
void drawLines(HDC dc, const std::string& text, const RECT& box, TextPlace place);
HFONT controlFont(const Window& w); // the font set by WM_SETFONT, else the system font

// Built-in controls (user_button.cpp, user_static.cpp).
LRESULT CALLBACK buttonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK staticProc(HWND, UINT, WPARAM, LPARAM);
void registerBuiltInClasses();
bool isMouseTransparent(const Window& w); // static controls let clicks through
void shiftRect(RECT& r, int dx, int dy);

// Paints a built-in control: between BeginPaint and EndPaint, fills its client
// rectangle with the button face, selects its font on a transparent background,
// and calls draw(dc, record, client rectangle). An unknown window is only
// validated.
template <class Draw> void paintControl(HWND window, Draw draw) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    Window* w = find(window);
    if (dc != nullptr && w != nullptr) {
        RECT r{};
        GetClientRect(window, &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        HGDIOBJ oldFont = SelectObject(dc, controlFont(*w));
        SetBkMode(dc, TRANSPARENT);
        draw(dc, *w, r);
        SelectObject(dc, oldFont);
    }
    if (dc != nullptr) EndPaint(window, &ps);
}
const WindowClass* findClass(const char* nameOrAtom);

// Window lifetime (user_window.cpp).
void releaseWindow(Window& w); // frees what the window holds, sends nothing
std::string toUtf8(const std::string& cp1252);
bool isDescendant(HWND window, HWND ancestor);
POINT clientOrigin(const Window& w); // screen coordinates
LPARAM moveParam(const Window& w);   // WM_MOVE's: the client area's origin
bool effectivelyVisible(const Window& w);

// Placement (user_placement.cpp).
void showWindow(HWND window, bool show, bool activate);
// Moves the system window of a top-level window, remembering the request.
void moveSystemWindow(Window& w, int x, int y);
// The display reports the top-level window at (x, y): unless that is one of
// the layer's own moves, a window manager moved it, and the window gets
// WM_MOVING (which may correct the place), its new rectangle and WM_MOVE.
void movedByDisplay(HWND window, int x, int y);
void restoreFromIconic(HWND window);

// Cursors and sound (user_cursor.cpp, user_beep.cpp).
// Win32 cursor masks (AND, XOR) to SDL's (data, mask); width a multiple of 8.
void win32ToSdlCursorMasks(const BYTE* andMask, const BYTE* xorMask, int width, int height,
                           std::vector<Uint8>& data, std::vector<Uint8>& mask);
void releaseCursors();
void closeAudio();

// Closes every window and SDL (user_state.cpp).
void shutdown();

} // namespace vora::platform::user
