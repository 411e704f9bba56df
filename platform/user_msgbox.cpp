// MessageBoxA: a captioned, modal window of the layer with an icon, the text
// and push buttons, run by a nested message loop while its owner is disabled.
#include "platform/gdi_internal.h"
#include "platform/user_internal.h"
#include "platform/user_testing.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace vora::platform::user {

namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 8;
constexpr int kStripHeight = kButtonHeight + 2 * 10;
constexpr const char* kClassName = "VoraMessageBox";

struct Box {
    UINT type = 0;
    std::string text;
    int result = 0;
    int defaultId = 0;
    int escapeId = 0;
    std::vector<int> ids;
    std::vector<HWND> buttons; // in the order of ids
    bool spaceDown = false;    // Space went down on a button of the box
};

std::map<HWND, Box*>& boxes() {
    static std::map<HWND, Box*> b;
    return b;
}

std::function<int(const testing::MessageBoxQuestion&)>& answerer() {
    static std::function<int(const testing::MessageBoxQuestion&)> a;
    return a;
}

bool french() {
    LANGID language = state().uiLanguage;
    if (language != 0) return (language & 0x3FF) == LANG_FRENCH;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0') return std::strncmp(value, "fr", 2) == 0;
    }
    return false;
}

std::vector<int> buttonsFor(UINT type) {
    switch (type & 0xF) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

// Captions with their underlined letter ("&"), which chooses the button.
const char* buttonText(int id) {
    bool fr = french();
    switch (id) {
    case IDOK:
        return "&OK";
    case IDCANCEL:
        return fr ? "&Annuler" : "&Cancel";
    case IDABORT:
        return fr ? "&Abandonner" : "&Abort";
    case IDRETRY:
        return fr ? "&Recommencer" : "&Retry";
    case IDIGNORE:
        return fr ? "&Ignorer" : "&Ignore";
    case IDYES:
        return fr ? "&Oui" : "&Yes";
    default:
        return fr ? "&Non" : "&No";
    }
}

int escapeFor(const std::vector<int>& ids) {
    for (int wanted : {IDCANCEL, IDNO, IDOK})
        if (std::find(ids.begin(), ids.end(), wanted) != ids.end()) return wanted;
    return 0;
}

void drawIcon(HDC dc, UINT type, int x, int y) {
    UINT icon = type & 0xF0;
    if (icon == 0) return;
    COLORREF fill = icon == MB_ICONHAND          ? RGB(220, 40, 40)
                    : icon == MB_ICONEXCLAMATION ? RGB(250, 200, 0)
                                                 : RGB(0, 100, 210);
    HBRUSH brush = CreateSolidBrush(fill);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    if (icon == MB_ICONEXCLAMATION) {
        POINT triangle[3] = {
            {x + kIconSize / 2, y}, {x + kIconSize, y + kIconSize}, {x, y + kIconSize}};
        Polygon(dc, triangle, 3);
    } else {
        Ellipse(dc, x, y, x + kIconSize, y + kIconSize);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
    const char* glyph = icon == MB_ICONHAND          ? "X"
                        : icon == MB_ICONQUESTION    ? "?"
                        : icon == MB_ICONEXCLAMATION ? "!"
                                                     : "i";
    HFONT font = CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, icon == MB_ICONEXCLAMATION ? RGB(0, 0, 0) : RGB(255, 255, 255));
    drawLines(dc, glyph, RECT{x, y + 3, x + kIconSize, y + kIconSize}, TextPlace{SS_CENTER, true});
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

LRESULT CALLBACK boxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto it = boxes().find(window);
    Box* box = it == boxes().end() ? nullptr : it->second;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        if (dc == nullptr) return 0;
        RECT client{};
        GetClientRect(window, &client);
        RECT top = client;
        top.bottom -= kStripHeight;
        RECT strip = client;
        strip.top = top.bottom;
        FillRect(dc, &top, GetSysColorBrush(COLOR_WINDOW));
        FillRect(dc, &strip, GetSysColorBrush(COLOR_BTNFACE));
        if (box != nullptr) {
            int textLeft = kMargin;
            if ((box->type & 0xF0) != 0) {
                drawIcon(dc, box->type, kMargin, kMargin);
                textLeft += kIconSize + kMargin;
            }
            HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            drawLines(dc, box->text, RECT{textLeft, kMargin, client.right - kMargin, top.bottom},
                      TextPlace{SS_LEFT, false});
            SelectObject(dc, oldFont);
        }
        EndPaint(window, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_COMMAND:
        if (box != nullptr && HIWORD(wParam) == BN_CLICKED) box->result = LOWORD(wParam);
        return 0;
    case WM_CLOSE:
        if (box != nullptr && box->escapeId != 0) box->result = box->escapeId;
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND createBox(Box& box, HWND owner, const char* caption, const std::vector<int>& ids) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = boxProc;
    wc.lpszClassName = kClassName;
    RegisterClassExA(&wc); // once; later calls find it taken

    HDC screen = gdi::create_screen_dc();
    HGDIOBJ oldFont = SelectObject(screen, GetStockObject(DEFAULT_GUI_FONT));
    SIZE text = measureLines(screen, box.text);
    SelectObject(screen, oldFont);
    DeleteDC(screen);

    bool icon = (box.type & 0xF0) != 0;
    int count = static_cast<int>(ids.size());
    int buttonsWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    int contentWidth = (icon ? kIconSize + kMargin : 0) + text.cx;
    int clientWidth = std::max({contentWidth, buttonsWidth, 180}) + 2 * kMargin;
    int clientHeight = std::max<int>(text.cy, icon ? kIconSize : 0) + 2 * kMargin + kStripHeight;

    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    DWORD exStyle = WS_EX_DLGMODALFRAME;
    if ((box.type & (MB_SYSTEMMODAL | MB_TOPMOST)) != 0) exStyle |= WS_EX_TOPMOST;
    Insets in = insetsFor(style, exStyle, false);
    int width = clientWidth + in.left + in.right;
    int height = clientHeight + in.top + in.bottom;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &area);
    int x = std::max<int>(0, (area.left + area.right - width) / 2);
    int y = std::max<int>(0, (area.top + area.bottom - height) / 2);

    HWND window = CreateWindowExA(exStyle, kClassName, caption != nullptr ? caption : "Error",
                                  style, x, y, width, height, owner, nullptr, nullptr, nullptr);
    if (window == nullptr) return nullptr;
    boxes()[window] = &box;
    int bx = clientWidth - kMargin - buttonsWidth;
    int by = clientHeight - kStripHeight + 10;
    HWND focusButton = nullptr;
    for (int id : ids) {
        bool isDefault = id == box.defaultId;
        HWND button = CreateWindowExA(
            0, "button", buttonText(id),
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), bx,
            by, kButtonWidth, kButtonHeight, window, reinterpret_cast<HMENU>(id), nullptr, nullptr);
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     0);
        if (isDefault) focusButton = button;
        box.buttons.push_back(button);
        bx += kButtonWidth + kButtonGap;
    }
    ShowWindow(window, SW_SHOW);
    if (focusButton != nullptr) SetFocus(focusButton);
    UpdateWindow(window);
    return window;
}

int focusedButton(const Box& box) {
    HWND focus = state().focus;
    for (std::size_t i = 0; i < box.buttons.size(); ++i)
        if (box.buttons[i] == focus) return static_cast<int>(i);
    return -1;
}

// Moves the focus by `step` buttons (wrapping); the focused button becomes
// the default one, as in a Windows dialog.
void moveFocus(Box& box, int step) {
    int count = static_cast<int>(box.buttons.size());
    if (count == 0) return;
    int at = focusedButton(box);
    int next = at < 0 ? 0 : ((at + step) % count + count) % count;
    SetFocus(box.buttons[next]);
    for (int i = 0; i < count; ++i)
        if (Window* b = find(box.buttons[i])) {
            b->defaultButton = i == next;
            InvalidateRect(b->handle, nullptr, TRUE);
        }
}

// The button whose underlined letter is `key` ('A'..'Z'), or 0.
int buttonForLetter(const Box& box, int key) {
    for (std::size_t i = 0; i < box.ids.size(); ++i) {
        int underlined = -1;
        std::string caption = stripPrefix(buttonText(box.ids[i]), underlined);
        if (underlined >= 0 && std::toupper(static_cast<unsigned char>(caption[underlined])) == key)
            return box.ids[i];
    }
    return 0;
}

// The keys of a dialog, whichever part of the box has the focus: Enter
// presses the focused button (else the default one), Escape chooses Cancel,
// else No, else OK; Tab, Shift+Tab and the arrows move the focus between the
// buttons; Space presses the focused button when released; an underlined
// letter presses its button.
bool handleBoxKey(const MSG& msg, HWND window, Box& box) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP) return false;
    if (msg.hwnd != window && !isDescendant(msg.hwnd, window)) return false;
    int key = static_cast<int>(msg.wParam);
    int focused = focusedButton(box);
    if (msg.message == WM_KEYUP) {
        if (key != VK_SPACE) return false;
        if (box.spaceDown && focused >= 0) box.result = box.ids[focused];
        box.spaceDown = false;
        return true;
    }
    switch (key) {
    case VK_RETURN:
        box.result = focused >= 0 ? box.ids[focused] : box.defaultId;
        return true;
    case VK_ESCAPE:
        if (box.escapeId != 0) box.result = box.escapeId;
        return true;
    case VK_TAB:
        moveFocus(box, state().keyDown[VK_SHIFT] != 0 ? -1 : 1);
        return true;
    case VK_RIGHT:
    case VK_DOWN:
        moveFocus(box, 1);
        return true;
    case VK_LEFT:
    case VK_UP:
        moveFocus(box, -1);
        return true;
    case VK_SPACE:
        box.spaceDown = focused >= 0;
        return true;
    default:
        if (key >= 'A' && key <= 'Z') {
            if (int id = buttonForLetter(box, key)) box.result = id;
            return true;
        }
        return false;
    }
}

std::vector<HWND> disableForBox(HWND owner, UINT type) {
    std::vector<HWND> disabled;
    std::vector<HWND> candidates;
    if (owner != nullptr)
        candidates.push_back(owner);
    else if ((type & MB_TASKMODAL) != 0)
        candidates = state().topLevels;
    for (HWND w : candidates)
        if (IsWindowEnabled(w)) {
            EnableWindow(w, FALSE);
            disabled.push_back(w);
        }
    return disabled;
}

} // namespace
} // namespace vora::platform::user

namespace vora::platform::testing {
void setMessageBoxAnswerer(std::function<int(const MessageBoxQuestion&)> a) {
    user::answerer() = std::move(a);
}
} // namespace vora::platform::testing

using namespace vora::platform::user;

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    if (!ensureVideo()) return 0;
    owner = topLevelOf(owner);
    std::vector<int> ids = buttonsFor(type);
    Box box;
    box.type = type;
    box.text = text != nullptr ? text : "";
    std::size_t defaultIndex = std::min<std::size_t>((type & 0xF00) >> 8, ids.size() - 1);
    box.defaultId = ids[defaultIndex];
    box.escapeId = escapeFor(ids);
    box.ids = ids;

    std::vector<HWND> disabled = disableForBox(owner, type);
    HWND window = createBox(box, owner, caption, ids);
    if (window == nullptr) {
        for (HWND w : disabled) EnableWindow(w, TRUE);
        return 0;
    }
    State& s = state();
    s.messageBoxes.push_back(window);
    vora::platform::testing::MessageBoxQuestion question{
        window, owner, box.text, caption != nullptr ? caption : "Error", type};
    bool quit = false;
    int quitCode = 0;
    while (box.result == 0 && IsWindow(window)) {
        if (answerer()) {
            if (int answer = answerer()(question); answer != 0) {
                box.result = answer;
                break;
            }
        }
        MSG msg;
        if (!GetMessageA(&msg, nullptr, 0, 0)) {
            // WM_QUIT ends the box and goes on to the outer loop.
            quit = true;
            quitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (handleBoxKey(msg, window, box)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    std::erase(s.messageBoxes, window);
    boxes().erase(window);
    // The owner is enabled first, so that it becomes active when the box goes.
    for (HWND w : disabled) EnableWindow(w, TRUE);
    if (IsWindow(window)) DestroyWindow(window);
    if (quit) PostQuitMessage(quitCode);
    if (box.result == 0) box.result = box.escapeId != 0 ? box.escapeId : box.defaultId;
    return box.result;
}

LANGID WINAPI SetThreadUILanguage(LANGID language) {
    state().uiLanguage = language;
    return language;
}
