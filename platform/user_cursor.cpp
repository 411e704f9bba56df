// Cursors (standard ones, and monochrome ones made from Win32 AND/XOR masks)
// and the application icon.
#include "platform/user_internal.h"

#include <algorithm>
#include <memory>

// A cursor or icon of the layer. Icons have no SDL cursor, nor have cursors
// under a video driver without cursors (offscreen): they are handles all the
// same, so that a program runs unchanged there.
// It owns its SDL cursor.
struct HICON__ {
    explicit HICON__(SDL_Cursor* c) : cursor(c) {}
    ~HICON__() {
        if (cursor != nullptr) SDL_FreeCursor(cursor);
    }
    HICON__(const HICON__&) = delete;
    HICON__& operator=(const HICON__&) = delete;
    SDL_Cursor* const cursor;
};

namespace vora::platform::user {

namespace {

struct Cursors {
    std::map<std::uintptr_t, std::unique_ptr<HICON__>> standard; // shared, by resource number
    std::map<HCURSOR, std::unique_ptr<HICON__>> created;         // by handle
    HCURSOR current = nullptr;
};

Cursors& cursors() {
    static Cursors c;
    return c;
}

HICON__ application_icon{nullptr};

SDL_SystemCursor system_cursor_for(std::uintptr_t id) {
    switch (id) {
    case 32513:
        return SDL_SYSTEM_CURSOR_IBEAM;
    case 32514:
        return SDL_SYSTEM_CURSOR_WAIT;
    case 32515:
        return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case 32649:
        return SDL_SYSTEM_CURSOR_HAND;
    default:
        return SDL_SYSTEM_CURSOR_ARROW;
    }
}

} // namespace

void win32_to_sdl_cursor_masks(const BYTE* and_mask, const BYTE* xor_mask, int width, int height,
                               std::vector<Uint8>& data, std::vector<Uint8>& mask) {
    std::size_t size = static_cast<std::size_t>(width / 8) * static_cast<std::size_t>(height);
    data.resize(size);
    mask.resize(size);
    for (std::size_t i = 0; i < size; ++i) {
        // SDL: mask 1 data 1 black, mask 1 data 0 white, mask 0 data 0
        // transparent, mask 0 data 1 inverted.
        mask[i] = static_cast<Uint8>(~and_mask[i]);
        data[i] = static_cast<Uint8>(~(and_mask[i] ^ xor_mask[i]));
    }
}

void release_cursors() {
    cursors() = Cursors{};
}

} // namespace vora::platform::user

using namespace vora::platform::user;

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
    auto id = reinterpret_cast<std::uintptr_t>(name);
    if (instance != nullptr || id == 0 || id > 0xFFFF) return nullptr;
    if (!ensure_video()) return nullptr;
    Cursors& c = cursors();
    auto it = c.standard.find(id);
    if (it != c.standard.end()) return it->second.get();
    auto cursor = std::make_unique<HICON__>(SDL_CreateSystemCursor(system_cursor_for(id)));
    HCURSOR handle = cursor.get();
    c.standard.emplace(id, std::move(cursor));
    return handle;
}

HCURSOR WINAPI CreateCursor(HINSTANCE instance, int hot_x, int hot_y, int width, int height,
                            const void* and_mask, const void* xor_mask) {
    (void)instance;
    if (width <= 0 || height <= 0 || width % 8 != 0 || and_mask == nullptr || xor_mask == nullptr)
        return nullptr;
    if (!ensure_video()) return nullptr;
    std::vector<Uint8> data;
    std::vector<Uint8> mask;
    win32_to_sdl_cursor_masks(static_cast<const BYTE*>(and_mask),
                              static_cast<const BYTE*>(xor_mask), width, height, data, mask);
    auto cursor = std::make_unique<HICON__>(
        SDL_CreateCursor(data.data(), mask.data(), width, height, hot_x, hot_y));
    HCURSOR handle = cursor.get();
    cursors().created.emplace(handle, std::move(cursor));
    return handle;
}

HCURSOR WINAPI SetCursor(HCURSOR cursor) {
    Cursors& c = cursors();
    HCURSOR previous = c.current;
    c.current = cursor;
    if (!state().video_ready) return previous;
    if (cursor != nullptr) {
        if (cursor->cursor != nullptr) SDL_SetCursor(cursor->cursor);
        SDL_ShowCursor(SDL_ENABLE);
    } else {
        SDL_ShowCursor(SDL_DISABLE);
    }
    return previous;
}

BOOL WINAPI DestroyCursor(HCURSOR cursor) {
    Cursors& c = cursors();
    for (const auto& [id, standard] : c.standard)
        if (standard.get() == cursor) return TRUE; // shared: left alone
    auto it = c.created.find(cursor);
    if (it == c.created.end()) return FALSE;
    if (c.current == cursor) {
        c.current = nullptr;
        if (SDL_Cursor* fallback = SDL_GetDefaultCursor()) SDL_SetCursor(fallback);
    }
    c.created.erase(it);
    return TRUE;
}

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
    if (instance != nullptr || name != IDI_APPLICATION) return nullptr;
    return &application_icon;
}
