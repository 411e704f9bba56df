// Window classes: RegisterClassExA and the built-in "button" and "static".
#include "platform/user_internal.h"

#include <cctype>

namespace vora::platform::user {

namespace {
std::string lowerCase(const char* name) {
    std::string key = name;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

ATOM addClass(const char* name, UINT style, WNDPROC proc, HINSTANCE instance, HICON icon,
              HCURSOR cursor, HBRUSH background) {
    State& s = state();
    std::string key = lowerCase(name);
    if (key.empty() || s.classes.count(key) != 0) return 0;
    auto cls = std::make_unique<WindowClass>();
    cls->name = name;
    cls->style = style;
    cls->proc = proc;
    cls->instance = instance;
    cls->icon = icon;
    cls->cursor = cursor;
    cls->background = background;
    cls->atom = s.nextAtom++;
    ATOM atom = cls->atom;
    s.classes.emplace(key, std::move(cls));
    return atom;
}
} // namespace

void registerBuiltInClasses() {
    State& s = state();
    if (s.classes.count("button") != 0) return;
    addClass("button", CS_HREDRAW | CS_VREDRAW, buttonProc, nullptr, nullptr, nullptr, nullptr);
    addClass("static", 0, staticProc, nullptr, nullptr, nullptr, nullptr);
}

const WindowClass* findClass(const char* name) {
    if (name == nullptr) return nullptr;
    registerBuiltInClasses();
    State& s = state();
    // A class atom may stand for its name, as MAKEINTATOM does on Windows.
    auto value = reinterpret_cast<std::uintptr_t>(name);
    if (value <= 0xFFFF) {
        for (const auto& [key, cls] : s.classes)
            if (cls->atom == value) return cls.get();
        return nullptr;
    }
    auto it = s.classes.find(lowerCase(name));
    return it == s.classes.end() ? nullptr : it->second.get();
}

} // namespace vora::platform::user

using namespace vora::platform::user;

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* wc) {
    if (wc == nullptr || wc->lpfnWndProc == nullptr || wc->lpszClassName == nullptr) return 0;
    if (reinterpret_cast<std::uintptr_t>(wc->lpszClassName) <= 0xFFFF) return 0;
    registerBuiltInClasses();
    return addClass(wc->lpszClassName, wc->style, wc->lpfnWndProc, wc->hInstance, wc->hIcon,
                    wc->hCursor, wc->hbrBackground);
}
