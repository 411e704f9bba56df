// Cursors (standard ones, and monochrome ones made from Win32 AND/XOR masks)
// and icons (the generic application icon, and icon resources).
#include "platform/gdi_internal.h"
#include "platform/user_internal.h"

#include <algorithm>
#include <memory>

namespace {
// A copy of `picture` scaled to size x size (ARGB32), for the caller to
// destroy.
cairo_surface_t* scaled_copy(cairo_surface_t* picture, int size) {
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(out);
    cairo_scale(cr, static_cast<double>(size) / cairo_image_surface_get_width(picture),
                static_cast<double>(size) / cairo_image_surface_get_height(picture));
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BEST);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(out);
    return out;
}
} // namespace

// A cursor or icon of the layer. Icons have no SDL cursor, nor have cursors
// under a video driver without cursors (offscreen): they are handles all the
// same, so that a program runs unchanged there. An icon loaded from a
// resource holds its picture and the 16 x 16 copy drawn in captions (ARGB32,
// premultiplied); the generic application icon has none.
// It owns its SDL cursor and pictures.
struct HICON__ {
    explicit HICON__(SDL_Cursor* c) : cursor(c) {}
    explicit HICON__(cairo_surface_t* p) : picture(p), small(scaled_copy(p, 16)) {}
    ~HICON__() {
        if (cursor != nullptr) SDL_FreeCursor(cursor);
        if (picture != nullptr) cairo_surface_destroy(picture);
        if (small != nullptr) cairo_surface_destroy(small);
    }
    HICON__(const HICON__&) = delete;
    HICON__& operator=(const HICON__&) = delete;
    SDL_Cursor* const cursor = nullptr;
    cairo_surface_t* const picture = nullptr;
    cairo_surface_t* const small = nullptr;
};

namespace vora::platform::user {

namespace {

struct Cursors {
    std::map<std::uintptr_t, std::unique_ptr<HICON__>> standard; // shared, by resource number
    std::map<HCURSOR, std::unique_ptr<HICON__>> created;         // by handle
    std::map<int, std::unique_ptr<HICON__>> icons;               // shared, by resource number
    HCURSOR current = nullptr;
};

Cursors& cursors() {
    static Cursors c;
    return c;
}

HICON__ application_icon{static_cast<SDL_Cursor*>(nullptr)};

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

cairo_surface_t* icon_picture(HICON icon, bool small) {
    if (icon == nullptr) return nullptr;
    return small ? icon->small : icon->picture;
}

bool show_window_icon(SDL_Window* sdl, HICON icon) {
    cairo_surface_t* p = icon_picture(icon, false);
    if (sdl == nullptr || p == nullptr) return false;
    const int w = cairo_image_surface_get_width(p);
    const int h = cairo_image_surface_get_height(p);
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (s == nullptr) return false;
    // Cairo keeps colours multiplied by their alpha; SDL and the display
    // (_NET_WM_ICON) want them straight.
    cairo_surface_flush(p);
    const unsigned char* rows = cairo_image_surface_get_data(p);
    const int stride = cairo_image_surface_get_stride(p);
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const std::uint32_t*>(rows + y * stride);
        auto* out =
            reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t px = in[x];
            const std::uint32_t a = px >> 24;
            std::uint32_t straight = 0;
            if (a != 0) {
                straight = a << 24;
                for (int shift = 0; shift < 24; shift += 8) {
                    const std::uint32_t c = (px >> shift) & 0xFF;
                    straight |= std::min<std::uint32_t>(255, (c * 255 + a / 2) / a) << shift;
                }
            }
            out[x] = straight;
        }
    }
    SDL_SetWindowIcon(sdl, s);
    SDL_FreeSurface(s);
    return true;
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
    if (name == nullptr || !IS_INTRESOURCE(name)) return nullptr;
    if (instance == nullptr && name == IDI_APPLICATION) return &application_icon;
    const int id = LOWORD(reinterpret_cast<ULONG_PTR>(name));
    auto& icons = cursors().icons;
    auto it = icons.find(id);
    if (it != icons.end()) return it->second.get();
    cairo_surface_t* picture = gdi::load_icon_resource(id);
    if (picture == nullptr) return nullptr;
    auto icon = std::make_unique<HICON__>(picture);
    HICON handle = icon.get();
    icons.emplace(id, std::move(icon));
    return handle;
}
