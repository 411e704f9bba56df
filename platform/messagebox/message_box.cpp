// show_message_box, its test answerer and the buttons' language; on Windows
// a hook that keeps the box inside the work area and gives its buttons the
// game's language (the platform layer places and labels its boxes itself).
#include "platform/messagebox/message_box.h"

#include "platform/messagebox/work_area.h"

#include <cstring>

namespace vora::platform {

namespace {
std::function<int(const MessageBoxQuestion&)>& answerer() {
    static std::function<int(const MessageBoxQuestion&)> a;
    return a;
}
#ifdef _WIN32
bool buttons_french = false;

// Windows labels a box's buttons in its own language: they are labelled
// again in the game's.
void label_buttons(HWND box) {
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO})
        if (GetDlgItem(box, id) != nullptr)
            SetDlgItemTextA(box, id, message_box_button_caption(id, buttons_french));
}

// Windows centres a box on its owner, even an owner near the screen's edge:
// as the box becomes active (before it is drawn), it is moved inside the
// work area.
HHOOK hook = nullptr;

LRESULT CALLBACK place_box(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char name[16] = {};
        RECT r{};
        if (GetClassNameA(box, name, sizeof name) > 0 && std::strcmp(name, "#32770") == 0 &&
            GetWindowRect(box, &r)) {
            label_buttons(box);
            const RECT inside = inside_work_area(r);
            if (inside.left != r.left || inside.top != r.top)
                SetWindowPos(box, nullptr, inside.left, inside.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}
#endif

} // namespace

int show_message_box(HWND owner, const char* text, const char* caption, UINT type) {
    if (answerer())
        return answerer()(MessageBoxQuestion{owner, text != nullptr ? text : "",
                                             caption != nullptr ? caption : "", type});
#ifdef _WIN32
    const bool first = hook == nullptr;
    if (first) hook = SetWindowsHookExA(WH_CBT, place_box, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxA(owner, text, caption, type);
    if (first && hook != nullptr) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
    return answer;
#else
    return MessageBoxA(owner, text, caption, type);
#endif
}

void set_message_box_language(bool french) {
#ifdef _WIN32
    buttons_french = french;
#else
    SetThreadUILanguage(MAKELANGID(french ? LANG_FRENCH : LANG_ENGLISH, SUBLANG_DEFAULT));
#endif
}

const char* message_box_button_caption(int id, bool french) {
    switch (id) {
    case IDOK:
        return "OK";
    case IDCANCEL:
        return french ? "&Annuler" : "&Cancel";
    case IDABORT:
        return french ? "&Abandonner" : "&Abort";
    case IDRETRY:
        return french ? "&Recommencer" : "&Retry";
    case IDIGNORE:
        return french ? "&Ignorer" : "&Ignore";
    case IDYES:
        return french ? "&Oui" : "&Yes";
    case IDNO:
        return french ? "&Non" : "&No";
    default:
        return "";
    }
}

void set_message_box_answerer(std::function<int(const MessageBoxQuestion&)> a) {
    answerer() = std::move(a);
}

} // namespace vora::platform
