// Painting: update rectangles, WM_PAINT with BeginPaint/EndPaint, window DCs,
// and the composition of a top-level window (frame, client area, children)
// copied to its SDL window surface.
#include "platform/gdi_internal.h"
#include "platform/user_internal.h"

#include <algorithm>

namespace vora::platform::user {

namespace {

bool is_empty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

RECT intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return is_empty(r) ? RECT{} : r;
}

RECT unite(const RECT& a, const RECT& b) {
    if (is_empty(a)) return b;
    if (is_empty(b)) return a;
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

RECT client_rect_of(const Window& w) {
    Insets in = insets_of(w);
    return RECT{0, 0, std::max(0, int(w.rect.right - w.rect.left) - in.left - in.right),
                std::max(0, int(w.rect.bottom - w.rect.top) - in.top - in.bottom)};
}

// Draws window w with its top-left corner at (ox, oy) of the composed
// surface, inside `clip` (surface coordinates), then its children.
void compose_window(cairo_t* cr, HDC dc, const Window& w, int ox, int oy, const RECT& clip) {
    RECT area = intersect(
        RECT{ox, oy, ox + int(w.rect.right - w.rect.left), oy + int(w.rect.bottom - w.rect.top)},
        clip);
    if (is_empty(area)) return;
    gdi::set_dc_origin(dc, ox, oy);
    gdi::set_dc_clip(dc, &area);
    draw_frame(dc, w);
    Insets in = insets_of(w);
    RECT client = client_rect_of(w);
    int cx = ox + in.left;
    int cy = oy + in.top;
    RECT client_area = intersect(RECT{cx, cy, cx + client.right, cy + client.bottom}, area);
    if (is_empty(client_area)) return;
    if (w.client) {
        cairo_save(cr);
        cairo_rectangle(cr, client_area.left, client_area.top, client_area.right - client_area.left,
                        client_area.bottom - client_area.top);
        cairo_clip(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr, w.client.get(), cx, cy);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_flush(cairo_get_target(cr));
    }
    for (auto it = w.children.rbegin(); it != w.children.rend(); ++it) {
        const Window* child = find(*it);
        if (child != nullptr && child->visible)
            compose_window(cr, dc, *child, cx + child->rect.left, cy + child->rect.top,
                           client_area);
    }
}

void present(Window& top) {
    compose_top_level(top);
    top.needs_present = false;
    SDL_Surface* target = SDL_GetWindowSurface(top.sdl);
    if (target == nullptr || !top.composed) return;
    cairo_surface_t* composed = top.composed.get();
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
        cairo_image_surface_get_data(composed), cairo_image_surface_get_width(composed),
        cairo_image_surface_get_height(composed), 32, cairo_image_surface_get_stride(composed),
        SDL_PIXELFORMAT_RGB888);
    if (source == nullptr) return;
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
    SDL_BlitSurface(source, nullptr, target, nullptr);
    SDL_FreeSurface(source);
    SDL_UpdateWindowSurface(top.sdl);
    apply_native_shape(top, false); // again if SDL has changed the X11 window meanwhile
}

HWND find_in(const Window& w) {
    if (!w.visible) return nullptr;
    if (!is_empty(w.update)) return w.handle;
    for (HWND child : w.children)
        if (const Window* c = find(child))
            if (HWND found = find_in(*c)) return found;
    return nullptr;
}

void invalidate_tree(HWND window, const RECT* rect, bool erase, bool children) {
    invalidate_client(window, rect, erase);
    Window* w = find(window);
    if (!children || w == nullptr) return;
    for (HWND child : w->children) invalidate_tree(child, nullptr, erase, true);
}

void validate_tree(HWND window, bool children) {
    Window* w = find(window);
    if (w == nullptr) return;
    w->update = RECT{};
    w->erase = false;
    if (children)
        for (HWND child : w->children) validate_tree(child, true);
}

HDC window_dc(Window& w) {
    HDC dc = gdi::create_surface_dc(w.client.get());
    if (dc != nullptr) state().window_dcs[dc] = w.handle;
    return dc;
}

} // namespace

void resize_client_surface(Window& w) {
    RECT client = client_rect_of(w);
    if (w.client && cairo_image_surface_get_width(w.client.get()) == client.right &&
        cairo_image_surface_get_height(w.client.get()) == client.bottom)
        return;
    Surface next(cairo_image_surface_create(CAIRO_FORMAT_RGB24, client.right, client.bottom));
    cairo_t* cr = cairo_create(next.get());
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    if (w.client) {
        cairo_set_source_surface(cr, w.client.get(), 0, 0);
        cairo_paint(cr);
    }
    cairo_destroy(cr);
    cairo_surface_flush(next.get());
    w.client = std::move(next);
    // DCs obtained before the resize draw into the new buffer.
    for (const auto& [dc, owner] : state().window_dcs)
        if (owner == w.handle) gdi::set_dc_surface(dc, w.client.get());
    invalidate_client(w.handle, nullptr, true);
    mark_present(w.handle);
}

void mark_present(HWND window) {
    if (Window* top = find(top_level_of(window))) top->needs_present = true;
}

void compose_top_level(Window& top) {
    int width = std::max(1, int(top.rect.right - top.rect.left));
    int height = std::max(1, int(top.rect.bottom - top.rect.top));
    if (!top.composed || cairo_image_surface_get_width(top.composed.get()) != width ||
        cairo_image_surface_get_height(top.composed.get()) != height)
        top.composed.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    cairo_t* cr = cairo_create(top.composed.get());
    HDC dc = gdi::create_surface_dc(top.composed.get());
    compose_window(cr, dc, top, 0, 0, RECT{0, 0, width, height});
    gdi::free_surface_dc(dc);
    cairo_destroy(cr);
    cairo_surface_flush(top.composed.get());
}

void present_all() {
    std::vector<HWND> tops = state().top_levels;
    for (HWND handle : tops) {
        Window* top = find(handle);
        if (top != nullptr && top->needs_present && top->visible && top->sdl != nullptr)
            present(*top);
    }
}

void invalidate_client(HWND window, const RECT* rect, bool erase) {
    Window* w = find(window);
    if (w == nullptr) return;
    RECT client = client_rect_of(*w);
    RECT part = rect != nullptr ? intersect(*rect, client) : client;
    if (is_empty(part)) return;
    w->update = unite(w->update, part);
    w->erase = w->erase || erase;
}

HWND find_window_needing_paint(HWND filter) {
    if (filter != nullptr) {
        Window* w = find(filter);
        return w != nullptr && effectively_visible(*w) && !is_empty(w->update) ? filter : nullptr;
    }
    for (HWND handle : state().top_levels)
        if (const Window* top = find(handle); top != nullptr && !top->iconic)
            if (HWND found = find_in(*top)) return found;
    return nullptr;
}

} // namespace vora::platform::user

using namespace vora::platform::user;

BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    if (window == nullptr) {
        for (HWND top : state().top_levels) invalidate_tree(top, nullptr, erase != 0, true);
        return TRUE;
    }
    if (find(window) == nullptr) return FALSE;
    invalidate_client(window, rect, erase != 0);
    return TRUE;
}

BOOL WINAPI RedrawWindow(HWND window, const RECT* rect, HRGN region, UINT flags) {
    std::vector<HWND> targets;
    if (window == nullptr)
        targets = state().top_levels;
    else if (find(window) != nullptr)
        targets.push_back(window);
    else
        return FALSE;
    RECT area{};
    const RECT* part = rect;
    if (region != nullptr && rect == nullptr) {
        std::vector<RECT> rects;
        gdi::region_rects(region, rects);
        for (const RECT& r : rects) area = unite(area, r);
        part = &area;
    }
    bool children = (flags & RDW_ALLCHILDREN) != 0 || window == nullptr;
    for (HWND target : targets) {
        if ((flags & RDW_INVALIDATE) != 0)
            invalidate_tree(target, part, (flags & RDW_ERASE) != 0, children);
        if ((flags & RDW_VALIDATE) != 0) validate_tree(target, children);
        if ((flags & RDW_NOERASE) != 0)
            if (Window* w = find(target)) w->erase = false;
        if ((flags & (RDW_FRAME | RDW_INVALIDATE)) != 0) mark_present(target);
        if ((flags & RDW_UPDATENOW) != 0) {
            UpdateWindow(target);
            if (Window* w = find(target); w != nullptr && children) {
                std::vector<HWND> kids = w->children;
                for (HWND kid : kids) UpdateWindow(kid);
            }
        }
    }
    return TRUE;
}

BOOL WINAPI UpdateWindow(HWND window) {
    Window* w = find(window);
    if (w == nullptr) return FALSE;
    if (effectively_visible(*w) && w->update.right > w->update.left &&
        w->update.bottom > w->update.top)
        SendMessageA(window, WM_PAINT, 0, 0);
    return TRUE;
}

HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint) {
    Window* w = find(window);
    if (w == nullptr || paint == nullptr) return nullptr;
    *paint = PAINTSTRUCT{};
    HDC dc = window_dc(*w);
    if (dc == nullptr) return nullptr;
    paint->hdc = dc;
    paint->rcPaint = w->update;
    if (w->update.right > w->update.left && w->update.bottom > w->update.top)
        gdi::set_dc_clip(dc, &w->update);
    bool erase = w->erase;
    w->update = RECT{};
    w->erase = false;
    paint->fErase =
        erase ? (SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0) : FALSE;
    return dc;
}

BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (paint == nullptr) return FALSE;
    ReleaseDC(window, paint->hdc);
    return TRUE;
}

HDC WINAPI GetDC(HWND window) {
    if (window == nullptr) {
        ensure_video();
        HDC dc = gdi::create_screen_dc();
        if (dc != nullptr) state().window_dcs[dc] = nullptr;
        return dc;
    }
    Window* w = find(window);
    return w != nullptr ? window_dc(*w) : nullptr;
}

int WINAPI ReleaseDC(HWND window, HDC dc) {
    (void)window;
    auto& dcs = state().window_dcs;
    auto it = dcs.find(dc);
    if (it == dcs.end()) return 0;
    HWND owner = it->second;
    dcs.erase(it);
    if (owner == nullptr) {
        DeleteDC(dc);
    } else {
        gdi::free_surface_dc(dc);
        mark_present(owner);
    }
    return 1;
}
