// Window classes: RegisterClassExA and the built-in "button" and "static".
#include "platform/user_internal.h"

#include <cctype>

namespace vora::platform::user {

namespace {
std::string lower_case(const char* name) {
    std::string key = name;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

ATOM add_class(const char* name, UINT style, WNDPROC proc, HINSTANCE instance, HICON icon,
               HICON small_icon, HCURSOR cursor, HBRUSH background) {
    State& s = state();
    std::string key = lower_case(name);
    if (key.empty() || s.classes.count(key) != 0) return 0;
    auto cls = std::make_unique<WindowClass>();
    cls->name = name;
    cls->style = style;
    cls->proc = proc;
    cls->instance = instance;
    cls->icon = icon;
    cls->small_icon = small_icon;
    cls->cursor = cursor;
    cls->background = background;
    cls->atom = s.next_atom++;
    ATOM atom = cls->atom;
    s.classes.emplace(key, std::move(cls));
    return atom;
}
} // namespace

void register_built_in_classes() {
    State& s = state();
    if (s.classes.count("button") != 0) return;
    add_class("button", CS_HREDRAW | CS_VREDRAW, button_proc, nullptr, nullptr, nullptr, nullptr,
              nullptr);
    add_class("static", 0, static_proc, nullptr, nullptr, nullptr, nullptr, nullptr);
}

const WindowClass* find_class(const char* name) {
    if (name == nullptr) return nullptr;
    register_built_in_classes();
    State& s = state();
    // A class atom may stand for its name, as MAKEINTATOM does on Windows.
    auto value = reinterpret_cast<std::uintptr_t>(name);
    if (value <= 0xFFFF) {
        for (const auto& [key, cls] : s.classes)
            if (cls->atom == value) return cls.get();
        return nullptr;
    }
    auto it = s.classes.find(lower_case(name));
    return it == s.classes.end() ? nullptr : it->second.get();
}

} // namespace vora::platform::user

using namespace vora::platform::user;

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* wc) {
    if (wc == nullptr || wc->lpfnWndProc == nullptr || wc->lpszClassName == nullptr) return 0;
    if (reinterpret_cast<std::uintptr_t>(wc->lpszClassName) <= 0xFFFF) return 0;
    register_built_in_classes();
    return add_class(wc->lpszClassName, wc->style, wc->lpfnWndProc, wc->hInstance, wc->hIcon,
                     wc->hIconSm, wc->hCursor, wc->hbrBackground);
}
