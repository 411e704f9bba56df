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

constexpr int margin = 12;
constexpr int icon_size = 32;
constexpr int button_width = 75;
constexpr int button_height = 23;
constexpr int button_gap = 8;
constexpr int strip_height = button_height + 2 * 10;
constexpr const char* box_class_name = "VoraMessageBox";

struct Box {
    UINT type = 0;
    std::string text;
    int result = 0;
    int default_id = 0;
    int escape_id = 0;
    std::vector<int> ids;
    std::vector<HWND> buttons; // in the order of ids
    bool space_down = false;   // Space went down on a button of the box
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
    LANGID language = state().ui_language;
    if (language != 0) return (language & 0x3FF) == LANG_FRENCH;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0') return std::strncmp(value, "fr", 2) == 0;
    }
    return false;
}

std::vector<int> buttons_for(UINT type) {
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
const char* button_text(int id) {
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

int escape_for(const std::vector<int>& ids) {
    for (int wanted : {IDCANCEL, IDNO, IDOK})
        if (std::find(ids.begin(), ids.end(), wanted) != ids.end()) return wanted;
    return 0;
}

void draw_icon(HDC dc, UINT type, int x, int y) {
    UINT icon = type & 0xF0;
    if (icon == 0) return;
    COLORREF fill = icon == MB_ICONHAND          ? RGB(220, 40, 40)
                    : icon == MB_ICONEXCLAMATION ? RGB(250, 200, 0)
                                                 : RGB(0, 100, 210);
    HBRUSH brush = CreateSolidBrush(fill);
    HGDIOBJ old_brush = SelectObject(dc, brush);
    HGDIOBJ old_pen = SelectObject(dc, GetStockObject(NULL_PEN));
    if (icon == MB_ICONEXCLAMATION) {
        POINT triangle[3] = {
            {x + icon_size / 2, y}, {x + icon_size, y + icon_size}, {x, y + icon_size}};
        Polygon(dc, triangle, 3);
    } else {
        Ellipse(dc, x, y, x + icon_size, y + icon_size);
    }
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    DeleteObject(brush);
    const char* glyph = icon == MB_ICONHAND          ? "X"
                        : icon == MB_ICONQUESTION    ? "?"
                        : icon == MB_ICONEXCLAMATION ? "!"
                                                     : "i";
    HFONT font = CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ old_font = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, icon == MB_ICONEXCLAMATION ? RGB(0, 0, 0) : RGB(255, 255, 255));
    draw_lines(dc, glyph, RECT{x, y + 3, x + icon_size, y + icon_size}, TextPlace{SS_CENTER, true});
    SelectObject(dc, old_font);
    DeleteObject(font);
}

LRESULT CALLBACK box_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
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
        top.bottom -= strip_height;
        RECT strip = client;
        strip.top = top.bottom;
        FillRect(dc, &top, GetSysColorBrush(COLOR_WINDOW));
        FillRect(dc, &strip, GetSysColorBrush(COLOR_BTNFACE));
        if (box != nullptr) {
            int text_left = margin;
            if ((box->type & 0xF0) != 0) {
                draw_icon(dc, box->type, margin, margin);
                text_left += icon_size + margin;
            }
            HGDIOBJ old_font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            draw_lines(dc, box->text, RECT{text_left, margin, client.right - margin, top.bottom},
                       TextPlace{SS_LEFT, false});
            SelectObject(dc, old_font);
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
        if (box != nullptr && box->escape_id != 0) box->result = box->escape_id;
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND create_box(Box& box, HWND owner, const char* caption, const std::vector<int>& ids) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = box_proc;
    wc.lpszClassName = box_class_name;
    RegisterClassExA(&wc); // once; later calls find it taken

    HDC screen = gdi::create_screen_dc();
    HGDIOBJ old_font = SelectObject(screen, GetStockObject(DEFAULT_GUI_FONT));
    SIZE text = measure_lines(screen, box.text);
    SelectObject(screen, old_font);
    DeleteDC(screen);

    bool icon = (box.type & 0xF0) != 0;
    int count = static_cast<int>(ids.size());
    int buttons_width = count * button_width + (count - 1) * button_gap;
    int content_width = (icon ? icon_size + margin : 0) + text.cx;
    int client_width = std::max({content_width, buttons_width, 180}) + 2 * margin;
    int client_height = std::max<int>(text.cy, icon ? icon_size : 0) + 2 * margin + strip_height;

    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    DWORD ex_style = WS_EX_DLGMODALFRAME;
    if ((box.type & (MB_SYSTEMMODAL | MB_TOPMOST)) != 0) ex_style |= WS_EX_TOPMOST;
    Insets in = insets_for(style, ex_style, false);
    int width = client_width + in.left + in.right;
    int height = client_height + in.top + in.bottom;
    RECT area = work_area();
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &area);
    // Centred on the owner, then moved inside the work area.
    POINT at = keep_inside(
        POINT{(area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2},
        SIZE{width, height}, work_area());
    int x = at.x;
    int y = at.y;

    HWND window = CreateWindowExA(ex_style, box_class_name, caption != nullptr ? caption : "Error",
                                  style, x, y, width, height, owner, nullptr, nullptr, nullptr);
    if (window == nullptr) return nullptr;
    boxes()[window] = &box;
    int bx = client_width - margin - buttons_width;
    int by = client_height - strip_height + 10;
    HWND focus_button = nullptr;
    for (int id : ids) {
        bool is_default = id == box.default_id;
        HWND button = CreateWindowExA(0, "button", button_text(id),
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                                          (is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                                      bx, by, button_width, button_height, window,
                                      reinterpret_cast<HMENU>(id), nullptr, nullptr);
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     0);
        if (is_default) focus_button = button;
        box.buttons.push_back(button);
        bx += button_width + button_gap;
    }
    ShowWindow(window, SW_SHOW);
    if (focus_button != nullptr) SetFocus(focus_button);
    UpdateWindow(window);
    return window;
}

int focused_button(const Box& box) {
    HWND focus = state().focus;
    for (std::size_t i = 0; i < box.buttons.size(); ++i)
        if (box.buttons[i] == focus) return static_cast<int>(i);
    return -1;
}

// Moves the focus by `step` buttons (wrapping); the focused button becomes
// the default one, as in a Windows dialog.
void move_focus(Box& box, int step) {
    int count = static_cast<int>(box.buttons.size());
    if (count == 0) return;
    int at = focused_button(box);
    int next = at < 0 ? 0 : ((at + step) % count + count) % count;
    SetFocus(box.buttons[next]);
    for (int i = 0; i < count; ++i)
        if (Window* b = find(box.buttons[i])) {
            b->default_button = i == next;
            InvalidateRect(b->handle, nullptr, TRUE);
        }
}

// The button whose underlined letter is `key` ('A'..'Z'), or 0.
int button_for_letter(const Box& box, int key) {
    for (std::size_t i = 0; i < box.ids.size(); ++i) {
        int underlined = -1;
        std::string caption = strip_prefix(button_text(box.ids[i]), underlined);
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
bool handle_box_key(const MSG& msg, HWND window, Box& box) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP) return false;
    if (msg.hwnd != window && !is_descendant(msg.hwnd, window)) return false;
    int key = static_cast<int>(msg.wParam);
    int focused = focused_button(box);
    if (msg.message == WM_KEYUP) {
        if (key != VK_SPACE) return false;
        if (box.space_down && focused >= 0) box.result = box.ids[focused];
        box.space_down = false;
        return true;
    }
    switch (key) {
    case VK_RETURN:
        box.result = focused >= 0 ? box.ids[focused] : box.default_id;
        return true;
    case VK_ESCAPE:
        if (box.escape_id != 0) box.result = box.escape_id;
        return true;
    case VK_TAB:
        move_focus(box, state().key_down[VK_SHIFT] != 0 ? -1 : 1);
        return true;
    case VK_RIGHT:
    case VK_DOWN:
        move_focus(box, 1);
        return true;
    case VK_LEFT:
    case VK_UP:
        move_focus(box, -1);
        return true;
    case VK_SPACE:
        box.space_down = focused >= 0;
        return true;
    default:
        if (key >= 'A' && key <= 'Z') {
            if (int id = button_for_letter(box, key)) box.result = id;
            return true;
        }
        return false;
    }
}

std::vector<HWND> disable_for_box(HWND owner, UINT type) {
    std::vector<HWND> disabled;
    std::vector<HWND> candidates;
    if (owner != nullptr)
        candidates.push_back(owner);
    else if ((type & MB_TASKMODAL) != 0)
        candidates = state().top_levels;
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
void set_message_box_answerer(std::function<int(const MessageBoxQuestion&)> a) {
    user::answerer() = std::move(a);
}
} // namespace vora::platform::testing

using namespace vora::platform::user;

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    if (!ensure_video()) return 0;
    owner = top_level_of(owner);
    std::vector<int> ids = buttons_for(type);
    Box box;
    box.type = type;
    box.text = text != nullptr ? text : "";
    std::size_t default_index = std::min<std::size_t>((type & 0xF00) >> 8, ids.size() - 1);
    box.default_id = ids[default_index];
    box.escape_id = escape_for(ids);
    box.ids = ids;

    std::vector<HWND> disabled = disable_for_box(owner, type);
    HWND window = create_box(box, owner, caption, ids);
    if (window == nullptr) {
        for (HWND w : disabled) EnableWindow(w, TRUE);
        return 0;
    }
    State& s = state();
    s.message_boxes.push_back(window);
    vora::platform::testing::MessageBoxQuestion question{
        window, owner, box.text, caption != nullptr ? caption : "Error", type};
    bool quit = false;
    int quit_code = 0;
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
            quit_code = static_cast<int>(msg.wParam);
            break;
        }
        if (handle_box_key(msg, window, box)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    std::erase(s.message_boxes, window);
    boxes().erase(window);
    // The owner is enabled first, so that it becomes active when the box goes.
    for (HWND w : disabled) EnableWindow(w, TRUE);
    if (IsWindow(window)) DestroyWindow(window);
    if (quit) PostQuitMessage(quit_code);
    if (box.result == 0) box.result = box.escape_id != 0 ? box.escape_id : box.default_id;
    return box.result;
}

LANGID WINAPI SetThreadUILanguage(LANGID language) {
    state().ui_language = language;
    return language;
}
