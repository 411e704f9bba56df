// Device contexts: memory DCs, DCs over borrowed surfaces, the screen
// information DC, their settings and capabilities.
#include "platform/gdi_internal.h"
#include "platform/gdi_objects.h"

using namespace gdi;

namespace {

SIZE screen{1280, 1024};

HDC new_dc(Dc::Target target, cairo_surface_t* surface) {
    return handle_of<Object, HDC>(adopt(std::make_unique<Dc>(target, surface)));
}

// Replaces a setting of a live DC and returns the previous value, or `failure`.
template <class T, class V> T swap_setting(HDC hdc, T Dc::*field, V value, T failure) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr) return failure;
    const T previous = dc->*field;
    dc->*field = static_cast<T>(value);
    return previous;
}

template <class T> T get_setting(HDC hdc, T Dc::*field, T failure) {
    const Dc* dc = find<Dc>(hdc);
    return dc == nullptr ? failure : dc->*field;
}

} // namespace

HDC WINAPI CreateCompatibleDC(HDC hdc) {
    (void)hdc;
    return new_dc(Dc::Target::memory, default_bitmap()->surface);
}

BOOL WINAPI DeleteDC(HDC hdc) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr) return FALSE;
    destroy(dc);
    return TRUE;
}

HDC gdi::create_surface_dc(cairo_surface_t* surface) {
    if (surface == nullptr || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE) {
        return nullptr;
    }
    return new_dc(Dc::Target::surface, surface);
}

void gdi::free_surface_dc(HDC dc) {
    DeleteDC(dc);
}

void gdi::set_dc_surface(HDC hdc, cairo_surface_t* surface) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr || dc->target_type != Dc::Target::surface || surface == nullptr ||
        cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE)
        return;
    dc->reset_context();
    dc->target = surface;
}

void gdi::set_dc_origin(HDC hdc, int x, int y) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr) return;
    dc->origin = POINT{x, y};
    dc->reset_context();
}

void gdi::set_dc_clip(HDC hdc, const RECT* clip) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr) return;
    dc->clipped = clip != nullptr;
    if (clip != nullptr) dc->clip = *clip;
    dc->reset_context();
}

HDC gdi::create_screen_dc() {
    return new_dc(Dc::Target::screen, default_bitmap()->surface);
}

void gdi::set_screen_size(int width, int height) {
    if (width > 0 && height > 0) screen = SIZE{width, height};
}

SIZE gdi::screen_size() {
    return screen;
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    return swap_setting(hdc, &Dc::text_color, color & 0xFFFFFF, CLR_INVALID);
}
COLORREF WINAPI GetTextColor(HDC hdc) {
    return get_setting(hdc, &Dc::text_color, CLR_INVALID);
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    return swap_setting(hdc, &Dc::bk_color, color & 0xFFFFFF, CLR_INVALID);
}
COLORREF WINAPI GetBkColor(HDC hdc) {
    return get_setting(hdc, &Dc::bk_color, CLR_INVALID);
}

int WINAPI SetBkMode(HDC hdc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return swap_setting(hdc, &Dc::bk_mode, mode, 0);
}
int WINAPI GetBkMode(HDC hdc) {
    return get_setting(hdc, &Dc::bk_mode, 0);
}

UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
    return swap_setting(hdc, &Dc::text_align, align, static_cast<UINT>(GDI_ERROR));
}
UINT WINAPI GetTextAlign(HDC hdc) {
    return get_setting(hdc, &Dc::text_align, static_cast<UINT>(GDI_ERROR));
}

int WINAPI SetStretchBltMode(HDC hdc, int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
    return swap_setting(hdc, &Dc::stretch_mode, mode, 0);
}
int WINAPI GetStretchBltMode(HDC hdc) {
    return get_setting(hdc, &Dc::stretch_mode, 0);
}

int WINAPI SetPolyFillMode(HDC hdc, int mode) {
    if (mode != ALTERNATE && mode != WINDING) return 0;
    return swap_setting(hdc, &Dc::fill_mode, mode, 0);
}

int WINAPI GetDeviceCaps(HDC hdc, int index) {
    if (find<Dc>(hdc) == nullptr) return 0;
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    case HORZRES:
        return screen.cx;
    case VERTRES:
        return screen.cy;
    case HORZSIZE:
        return screen.cx * 254 / 960;
    case VERTSIZE:
        return screen.cy * 254 / 960;
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    default:
        return 0;
    }
}
