// The Win32 USER subset (windows, messages, timers, input, message boxes,
// cursors, window regions) and the few kernel services the game calls (tick
// count, beeper), for systems other than Windows. Names, values and meanings
// are those of <windows.h>; what differs is said at the declaration.
#pragma once

#include "platform/win32_base.h"

// ---- Types -----------------------------------------------------------------

using WNDPROC = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void(CALLBACK*)(HWND, UINT, UINT_PTR, DWORD);
using LANGID = WORD;

struct WNDCLASSEXA {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground; // a brush, or a system colour index + 1 (COLOR_BTNFACE + 1)
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
    HICON hIconSm;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
using LPMSG = MSG*;

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};
using LPPAINTSTRUCT = PAINTSTRUCT*;

struct CREATESTRUCTA {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
};

#ifndef MAKEINTRESOURCEA
#define MAKEINTRESOURCEA(i) (reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(i))))
#endif
#define MAKEWPARAM(l, h)                                                                           \
    (static_cast<WPARAM>((static_cast<DWORD>(static_cast<WORD>(l))) |                              \
                         (static_cast<DWORD>(static_cast<WORD>(h)) << 16)))
#define MAKELPARAM(l, h)                                                                           \
    (static_cast<LPARAM>(static_cast<DWORD>(static_cast<WORD>(l)) |                                \
                         (static_cast<DWORD>(static_cast<WORD>(h)) << 16)))
#define MAKELANGID(p, s) (static_cast<WORD>((static_cast<WORD>(s) << 10) | static_cast<WORD>(p)))

// ---- Window styles ----------------------------------------------------------

constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_MINIMIZE = 0x20000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_DLGFRAME = 0x00400000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_THICKFRAME = 0x00040000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

constexpr DWORD WS_EX_LEFT = 0x00000000;
constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001;
constexpr DWORD WS_EX_TOPMOST = 0x00000008;
constexpr DWORD WS_EX_TOOLWINDOW = 0x00000080;
constexpr DWORD WS_EX_WINDOWEDGE = 0x00000100;
constexpr DWORD WS_EX_APPWINDOW = 0x00040000;

constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;
constexpr UINT CS_DBLCLKS = 0x0008;
constexpr UINT CS_NOCLOSE = 0x0200;

constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);

// Control styles and notifications.
constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
constexpr DWORD SS_LEFT = 0x0;
constexpr DWORD SS_CENTER = 0x1;
constexpr DWORD SS_RIGHT = 0x2;
constexpr DWORD SS_NOTIFY = 0x100;
constexpr WORD BN_CLICKED = 0;

// ---- Messages ---------------------------------------------------------------

constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_ENABLE = 0x000A;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_GETTEXTLENGTH = 0x000E;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUERYENDSESSION = 0x0011;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_ENDSESSION = 0x0016;
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_SETCURSOR = 0x0020;
constexpr UINT WM_SETFONT = 0x0030;
constexpr UINT WM_GETFONT = 0x0031;
constexpr UINT WM_NCCREATE = 0x0081;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MOVING = 0x0216;
constexpr UINT WM_USER = 0x0400;

// WM_SIZE kinds, WM_SYSCOMMAND commands, mouse key flags, hit-test codes.
constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;
constexpr WPARAM SIZE_MAXIMIZED = 2;
constexpr WPARAM SC_MINIMIZE = 0xF020;
constexpr WPARAM SC_CLOSE = 0xF060;
constexpr WPARAM SC_RESTORE = 0xF120;
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr int HTMINBUTTON = 8;
constexpr int HTBORDER = 18;
constexpr int HTCLOSE = 20;

constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;

// ---- Showing, placing, redrawing ---------------------------------------------

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_NORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;
constexpr int SW_SHOWDEFAULT = 10;

constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_FRAMECHANGED = 0x0020;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;
constexpr UINT SWP_NOOWNERZORDER = 0x0200;

#define HWND_TOP (reinterpret_cast<HWND>(static_cast<std::intptr_t>(0)))
#define HWND_BOTTOM (reinterpret_cast<HWND>(static_cast<std::intptr_t>(1)))
#define HWND_TOPMOST (reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1)))
#define HWND_NOTOPMOST (reinterpret_cast<HWND>(static_cast<std::intptr_t>(-2)))

constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;

// ---- Message boxes ------------------------------------------------------------

constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_ABORTRETRYIGNORE = 0x00000002;
constexpr UINT MB_YESNOCANCEL = 0x00000003;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_RETRYCANCEL = 0x00000005;
constexpr UINT MB_ICONHAND = 0x00000010;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONASTERISK = 0x00000040;
constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr UINT MB_DEFBUTTON1 = 0x00000000;
constexpr UINT MB_DEFBUTTON2 = 0x00000100;
constexpr UINT MB_DEFBUTTON3 = 0x00000200;
constexpr UINT MB_APPLMODAL = 0x00000000;
constexpr UINT MB_SYSTEMMODAL = 0x00001000;
constexpr UINT MB_TASKMODAL = 0x00002000;
constexpr UINT MB_SETFOREGROUND = 0x00010000;
constexpr UINT MB_TOPMOST = 0x00040000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Languages for SetThreadUILanguage (the primary language is what counts here).
constexpr WORD LANG_NEUTRAL = 0x00;
constexpr WORD LANG_ENGLISH = 0x09;
constexpr WORD LANG_FRENCH = 0x0C;
constexpr WORD SUBLANG_DEFAULT = 0x01;

// The window data index of GetWindowLongPtrA / SetWindowLongPtrA.
constexpr int GWLP_USERDATA = -21;

// ---- Resources: cursors and icons ----------------------------------------------

#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define IDC_IBEAM MAKEINTRESOURCEA(32513)
#define IDC_WAIT MAKEINTRESOURCEA(32514)
#define IDC_CROSS MAKEINTRESOURCEA(32515)
#define IDC_HAND MAKEINTRESOURCEA(32649)
#define IDI_APPLICATION MAKEINTRESOURCEA(32512)

// ---- System metrics (system colours: GetSysColor in win32_gdi.h)
// ---------------------------------------------------

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXFIXEDFRAME = 7;
constexpr int SM_CYFIXEDFRAME = 8;
constexpr int SM_CXCURSOR = 13;
constexpr int SM_CYCURSOR = 14;

// ---- Virtual keys -------------------------------------------------------------------
// Letters and main-keyboard digits are their upper-case ASCII codes ('A', '0').

constexpr int VK_LBUTTON = 0x01;
constexpr int VK_RBUTTON = 0x02;
constexpr int VK_MBUTTON = 0x04;
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_PAUSE = 0x13;
constexpr int VK_CAPITAL = 0x14;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_NUMPAD0 = 0x60;
constexpr int VK_NUMPAD1 = 0x61;
constexpr int VK_NUMPAD2 = 0x62;
constexpr int VK_NUMPAD3 = 0x63;
constexpr int VK_NUMPAD4 = 0x64;
constexpr int VK_NUMPAD5 = 0x65;
constexpr int VK_NUMPAD6 = 0x66;
constexpr int VK_NUMPAD7 = 0x67;
constexpr int VK_NUMPAD8 = 0x68;
constexpr int VK_NUMPAD9 = 0x69;
constexpr int VK_MULTIPLY = 0x6A;
constexpr int VK_ADD = 0x6B;
constexpr int VK_SUBTRACT = 0x6D;
constexpr int VK_DECIMAL = 0x6E;
constexpr int VK_DIVIDE = 0x6F;
constexpr int VK_F1 = 0x70;
constexpr int VK_F2 = 0x71;
constexpr int VK_F3 = 0x72;
constexpr int VK_F4 = 0x73;
constexpr int VK_F5 = 0x74;
constexpr int VK_F6 = 0x75;
constexpr int VK_F7 = 0x76;
constexpr int VK_F8 = 0x77;
constexpr int VK_F9 = 0x78;
constexpr int VK_F10 = 0x79;
constexpr int VK_F11 = 0x7A;
constexpr int VK_F12 = 0x7B;
constexpr int VK_APPS = 0x5D;      // the menu key
constexpr int VK_OEM_PLUS = 0xBB;  // "=" / "+" of the main keyboard
constexpr int VK_OEM_MINUS = 0xBD; // "-" of the main keyboard
constexpr int VK_LSHIFT = 0xA0;
constexpr int VK_RSHIFT = 0xA1;
constexpr int VK_LCONTROL = 0xA2;
constexpr int VK_RCONTROL = 0xA3;
constexpr int VK_LMENU = 0xA4;
constexpr int VK_RMENU = 0xA5;

// ---- Window classes and windows ------------------------------------------------------

// Registers a window class; 0 when the name is taken (the built-in "button"
// and "static" classes always exist). Class names compare without case.
ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* wc);

// Creates a window. Windows without WS_CHILD are top-level system windows
// without system decoration: with WS_CAPTION the layer draws the caption bar
// (title, minimise and close boxes) and a thin frame itself, so that x, y,
// width and height are those of the whole window as on Windows. WS_CHILD
// windows live inside their parent's client area and are drawn into it.
// WM_NCCREATE and WM_CREATE (with a CREATESTRUCTA) are sent before it returns.
HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menuOrId,
                            HINSTANCE instance, LPVOID param);
// Sends WM_DESTROY to the window and then to its children, destroys the
// windows it owns, its timers and its region.
BOOL WINAPI DestroyWindow(HWND window);
BOOL WINAPI IsWindow(HWND window);
LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// ---- Messages --------------------------------------------------------------------------

// Waits without spinning (until input, a posted message, a pending paint or
// the next timer deadline) and returns the next message; FALSE for WM_QUIT.
BOOL WINAPI GetMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax);
BOOL WINAPI PeekMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags);
// Posts WM_CHAR for a WM_KEYDOWN of a key that types a character (ASCII
// letters, digits, space, Enter, Escape, Tab, Backspace); other characters of
// the keyboard layout are not produced.
BOOL WINAPI TranslateMessage(const MSG* msg);
LRESULT WINAPI DispatchMessageA(const MSG* msg);
void WINAPI PostQuitMessage(int exitCode);
LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// ---- Showing and placing ----------------------------------------------------------------

BOOL WINAPI ShowWindow(HWND window, int command);
BOOL WINAPI UpdateWindow(HWND window);
BOOL WINAPI SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height,
                         UINT flags);
// Minimises the window (WM_SIZE with SIZE_MINIMIZED); IsIconic then tells so
// until the window is shown or restored again.
BOOL WINAPI CloseWindow(HWND window);
BOOL WINAPI IsIconic(HWND window);
BOOL WINAPI IsWindowVisible(HWND window);
// Returns whether the window was disabled before the call. A disabled window
// receives no mouse or keyboard input.
BOOL WINAPI EnableWindow(HWND window, BOOL enable);
BOOL WINAPI IsWindowEnabled(HWND window);
BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text);
int WINAPI GetWindowTextA(HWND window, LPSTR buffer, int size);
int WINAPI GetWindowTextLengthA(HWND window);
HWND WINAPI SetFocus(HWND window);
HWND WINAPI GetFocus();
// Raises the top-level window of window and gives it the keyboard focus (the
// layer's focus and the system's input focus), as SetFocus does. The layer
// has no foreground rules: this always succeeds for a visible, enabled
// window. False for an unknown, hidden or disabled window.
BOOL WINAPI SetForegroundWindow(HWND window);
HWND WINAPI GetParent(HWND window);
// A window's user data (index GWLP_USERDATA only; 0 until set, and for any
// other index): SetWindowLongPtrA returns the value it replaces.
LONG_PTR WINAPI SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
LONG_PTR WINAPI GetWindowLongPtrA(HWND window, int index);
// The child window with that control identifier.
HWND WINAPI GetDlgItem(HWND parent, int id);

// ---- Geometry ---------------------------------------------------------------------------

BOOL WINAPI GetWindowRect(HWND window, LPRECT rect);
BOOL WINAPI GetClientRect(HWND window, LPRECT rect);
BOOL WINAPI ClientToScreen(HWND window, LPPOINT point);
BOOL WINAPI ScreenToClient(HWND window, LPPOINT point);
BOOL WINAPI GetCursorPos(LPPOINT point);
int WINAPI GetSystemMetrics(int index);
constexpr UINT SPI_GETWORKAREA = 0x0030;
// SPI_GETWORKAREA only: the screen's part that windows may cover (without
// the window manager's panels), screen coordinates, into the RECT at value.
BOOL WINAPI SystemParametersInfoA(UINT action, UINT param, LPVOID value, UINT win_ini);

// ---- Painting ---------------------------------------------------------------------------

// rect NULL means the whole client area; window NULL means every window.
BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase);
// RDW_INVALIDATE, RDW_VALIDATE, RDW_ERASE, RDW_ALLCHILDREN, RDW_UPDATENOW and
// RDW_FRAME are honoured; a region counts by its bounding rectangle.
BOOL WINAPI RedrawWindow(HWND window, const RECT* rect, HRGN region, UINT flags);
HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint);
BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT* paint);
// GetDC(NULL) is a DC that describes the screen (size, pixels per inch) and
// draws nowhere. Every DC obtained here is given back with ReleaseDC.
HDC WINAPI GetDC(HWND window);
int WINAPI ReleaseDC(HWND window, HDC dc);

// Gives a top-level window the shape of the region, in window coordinates
// (caption and frame included). On success the region belongs to the system,
// as on Windows: every later call with that handle (DeleteObject included)
// fails, and the window frees the shape when replaced or destroyed. NULL removes the shape. Outside
// the shape nothing is drawn and clicks reach what lies below (X11 SHAPE, bounding and input).
// Child windows cannot be shaped here (0).
int WINAPI SetWindowRgn(HWND window, HRGN region, BOOL redraw);

// ---- Timers, keyboard, time, sound --------------------------------------------------------

UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
BOOL WINAPI KillTimer(HWND window, UINT_PTR id);
// Bit 0x8000: the key is down now; bit 1: it was pressed since the previous
// call for that key.
SHORT WINAPI GetAsyncKeyState(int virtualKey);
// Bit 0x8000: the key was down when the last key message was taken from the
// queue, as Windows keeps it for the thread (a modifier read while handling
// WM_KEYDOWN is the one held with that key, however late the handling). The
// layer keeps it for the keys whose messages it posts (VK_SHIFT, VK_CONTROL,
// not their sided variants); no toggle bit.
SHORT WINAPI GetKeyState(int virtualKey);
DWORD WINAPI GetTickCount();
// Plays a square wave and returns after its duration; without a sound device
// it only waits. FALSE for a frequency outside 37..32767 Hz. Safe to call from
// any thread (it uses none of the layer's state), one call at a time.
BOOL WINAPI Beep(DWORD frequency, DWORD durationMs);
// Chooses the language of the message box buttons (English or French); by
// default the language of the environment (LANG).
LANGID WINAPI SetThreadUILanguage(LANGID language);

// ---- Message boxes ---------------------------------------------------------------------------

// A modal window of the layer with a nested message loop: the owner is
// disabled meanwhile and other windows keep receiving their messages. Enter
// chooses the default button; Escape chooses Cancel, else No, else OK.
int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// ---- Cursors and icons --------------------------------------------------------------------------

// Standard cursors (IDC_ARROW, IDC_WAIT, IDC_IBEAM, IDC_CROSS, IDC_HAND) with
// a NULL instance; shared, DestroyCursor leaves them.
HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name);
// A monochrome cursor from AND and XOR masks (rows of width / 8 bytes, most
// significant bit first), as Win32 means them: AND 0 XOR 0 black, AND 0 XOR 1
// white, AND 1 XOR 0 transparent, AND 1 XOR 1 inverted (where the system
// cannot invert: black). The caller destroys it with DestroyCursor.
HCURSOR WINAPI CreateCursor(HINSTANCE instance, int hotX, int hotY, int width, int height,
                            const void* andMask, const void* xorMask);
HCURSOR WINAPI SetCursor(HCURSOR cursor);
BOOL WINAPI DestroyCursor(HCURSOR cursor);
// IDI_APPLICATION with a NULL instance: the generic icon. Otherwise the icon
// resource MAKEINTRESOURCEA(id), registered as bitmap_resources.h says (the
// instance is not used), or nullptr when there is none. Shared, as on
// Windows: no DestroyIcon.
HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name);

// The program's entry point, which it defines. On systems other than Windows
// the platform_winmain library provides main(), which calls it with the
// command line (arguments joined by spaces) and SW_SHOWDEFAULT, and stops the
// layer when it returns.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);

// The unsuffixed names are the ANSI forms, as <windows.h> gives them to a
// program built without UNICODE.
using WNDCLASSEX = WNDCLASSEXA;
using CREATESTRUCT = CREATESTRUCTA;
using LPCREATESTRUCT = CREATESTRUCTA*;
#define RegisterClassEx RegisterClassExA
#define CreateWindowEx CreateWindowExA
#define DefWindowProc DefWindowProcA
#define GetMessage GetMessageA
#define PeekMessage PeekMessageA
#define DispatchMessage DispatchMessageA
#define SendMessage SendMessageA
#define PostMessage PostMessageA
#define SetWindowText SetWindowTextA
#define GetWindowText GetWindowTextA
#define GetWindowTextLength GetWindowTextLengthA
#define MessageBox MessageBoxA
#define LoadCursor LoadCursorA
#define LoadIcon LoadIconA
