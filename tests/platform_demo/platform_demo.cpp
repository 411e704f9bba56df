// Demonstration of the windowing layer, written against the Win32 interface
// alone so that it builds the same for Windows: a captioned window cut to a
// hexagon, buttons, static texts, a 200 ms timer, a message box and a
// disabled tooltip-like popup shown by the Colour button. It
// reports what an outside observer needs (screen points of its parts, what
// the user did) as key=value lines in a file, "platform_demo.out" in the
// current directory unless the command line names another.
#include "platform/win32.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 360;
constexpr int kColourButton = 101;
constexpr int kAskButton = 102;
constexpr int kQuitButton = 103;
constexpr int kStatusText = 201;
constexpr int kTicksText = 202;
constexpr UINT_PTR kTimer = 1;
constexpr COLORREF kBlue = RGB(40, 80, 200);
constexpr COLORREF kGreen = RGB(40, 180, 60);

char reportPath[512] = "platform_demo.out";
COLORREF panel = kBlue;
int ticks = 0;
HWND mainWindow = nullptr;
HWND tipWindow = nullptr;

void report(const char* line) {
    if (FILE* f = std::fopen(reportPath, "a")) {
        std::fprintf(f, "%s\n", line);
        std::fclose(f);
    }
}

void reportPoint(const char* name, HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    char line[128];
    std::snprintf(line, sizeof line, "%s=%ld,%ld", name, static_cast<long>(p.x),
                  static_cast<long>(p.y));
    report(line);
}

void reportControl(const char* name, int id) {
    HWND control = GetDlgItem(mainWindow, id);
    RECT r;
    GetClientRect(control, &r);
    reportPoint(name, control, r.right / 2, r.bottom / 2);
}

HWND control(const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id) {
    return CreateWindowExA(WS_EX_LEFT, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                           mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                           nullptr);
}

// A Yes/No/Cancel box: Enter chooses Yes (the default button) and Escape
// Cancel, on Windows as on the layer.
void ask() {
    int answer = MessageBoxA(mainWindow, "Do you like hexagons?", "Demo question",
                             MB_YESNOCANCEL | MB_ICONQUESTION | MB_SYSTEMMODAL);
    const char* word = answer == IDYES      ? "yes"
                       : answer == IDNO     ? "no"
                       : answer == IDCANCEL ? "cancel"
                                            : "other";
    char line[64];
    std::snprintf(line, sizeof line, "answer=%s", word);
    report(line);
    std::snprintf(line, sizeof line, "Answer: %s", word);
    SetWindowTextA(GetDlgItem(mainWindow, kStatusText), line);
}

// A disabled popup beside the window, as a tooltip is shown: it must not take
// the keyboard from the main window.
void showTip() {
    if (tipWindow == nullptr) {
        tipWindow = CreateWindowExA(0, "static", "Tip", WS_POPUP | WS_DISABLED | WS_BORDER, 0, 0,
                                    60, 20, nullptr, nullptr, nullptr, nullptr);
        if (tipWindow == nullptr) return;
    }
    RECT r;
    GetWindowRect(mainWindow, &r);
    SetWindowPos(tipWindow, HWND_TOP, r.right + 10, r.top + 40, 60, 20, SWP_SHOWWINDOW);
}

LRESULT CALLBACK demoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        SetTimer(window, kTimer, 200, nullptr);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        RECT client;
        GetClientRect(window, &client);
        HBRUSH brush = CreateSolidBrush(panel);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_KEYDOWN:
        if (wParam >= 'A' && wParam <= 'Z') {
            char line[32];
            std::snprintf(line, sizeof line, "key=%c", static_cast<char>(wParam));
            report(line);
        }
        return 0;
    case WM_MOVE: {
        RECT r;
        GetWindowRect(window, &r);
        char line[64];
        std::snprintf(line, sizeof line, "moved=%ld,%ld", static_cast<long>(r.left),
                      static_cast<long>(r.top));
        report(line);
        return 0;
    }
    case WM_TIMER: {
        char text[32];
        std::snprintf(text, sizeof text, "Ticks: %d", ++ticks);
        SetWindowTextA(GetDlgItem(window, kTicksText), text);
        return 0;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return 0;
        switch (LOWORD(wParam)) {
        case kColourButton:
            panel = panel == kBlue ? kGreen : kBlue;
            SetWindowTextA(GetDlgItem(window, kStatusText), "Colour changed");
            InvalidateRect(window, nullptr, FALSE);
            showTip();
            report("clicked=colour");
            break;
        case kAskButton:
            ask();
            break;
        case kQuitButton:
            SendMessageA(window, WM_CLOSE, 0, 0);
            break;
        default:
            break;
        }
        SetFocus(window);
        return 0;
    case WM_DESTROY:
        KillTimer(window, kTimer);
        report("quit=1");
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    if (commandLine != nullptr && commandLine[0] != '\0') {
        std::strncpy(reportPath, commandLine, sizeof reportPath - 1);
        reportPath[sizeof reportPath - 1] = '\0';
    }
    std::remove(reportPath);

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = demoProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "VoraPlatformDemo";
    wc.hIconSm = wc.hIcon;
    if (RegisterClassExA(&wc) == 0) return 1;

    mainWindow = CreateWindowExA(WS_EX_LEFT, "VoraPlatformDemo", "Platform demo",
                                 WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 100, 100, kWidth,
                                 kHeight, nullptr, nullptr, instance, nullptr);
    if (mainWindow == nullptr) return 1;

    // The hexagon: flat top and bottom, cutting caption and client alike.
    POINT hexagon[6] = {{kWidth / 4, 0},           {3 * kWidth / 4, 0},   {kWidth, kHeight / 2},
                        {3 * kWidth / 4, kHeight}, {kWidth / 4, kHeight}, {0, kHeight / 2}};
    SetWindowRgn(mainWindow, CreatePolygonRgn(hexagon, 6, ALTERNATE), TRUE);

    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    control("button", "Colour", WS_BORDER, 130, 110, 70, 24, kColourButton);
    control("button", "Ask", WS_BORDER, 212, 110, 70, 24, kAskButton);
    HWND status = control("static", "Ready", WS_BORDER | SS_CENTER, 106, 150, 200, 20, kStatusText);
    HWND ticksText = control("static", "Ticks: 0", SS_CENTER, 106, 180, 200, 20, kTicksText);
    control("button", "Quit", WS_BORDER, 171, 220, 70, 24, kQuitButton);
    SendMessageA(status, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    SendMessageA(ticksText, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);

    ShowWindow(mainWindow, showCommand);
    UpdateWindow(mainWindow);

    RECT window;
    GetWindowRect(mainWindow, &window);
    char line[128];
    std::snprintf(line, sizeof line, "window=%ld,%ld,%ld,%ld", static_cast<long>(window.left),
                  static_cast<long>(window.top), static_cast<long>(window.right),
                  static_cast<long>(window.bottom));
    report(line);
    reportPoint("client", mainWindow, 0, 0);
    RECT client;
    GetClientRect(mainWindow, &client);
    reportPoint("panel", mainWindow, client.right / 2, client.bottom - 50);
    // Inside the window's rectangle, outside the hexagon (its upper-left cut).
    std::snprintf(line, sizeof line, "outside=%ld,%ld", static_cast<long>(window.left + 20),
                  static_cast<long>(window.top + 40));
    report(line);
    reportControl("button_colour", kColourButton);
    reportControl("button_ask", kAskButton);
    reportControl("button_quit", kQuitButton);
    report("ready=1");

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
