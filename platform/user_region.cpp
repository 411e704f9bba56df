// SetWindowRgn: the window's shape, applied to the X11 window (again
// whenever SDL gives the window a new X11 window) and to the layer's own
// mouse hit testing. As on Windows, the window takes the region: the caller's
// handle is no longer valid afterwards.
#include "platform/gdi_internal.h"
#include "platform/user_internal.h"
#include "platform/user_x11.h"

namespace vora::platform::user {

void apply_native_shape(Window& w, bool force) {
    if (w.sdl == nullptr) return;
    unsigned long native = x11::native_window(w.sdl);
    if (native == 0 || (native == w.native_window && !force)) return;
    w.native_window = native;
    if (w.region == nullptr) {
        x11::set_shape(w.sdl, nullptr);
        return;
    }
    std::vector<RECT> rects;
    gdi::region_rects(w.region, rects);
    std::vector<x11::ShapeRect> shape;
    shape.reserve(rects.size());
    for (const RECT& r : rects)
        shape.push_back(x11::ShapeRect{r.left, r.top, r.right - r.left, r.bottom - r.top});
    x11::set_shape(w.sdl, &shape);
}

bool shape_contains(const Window& w, POINT window_point) {
    return w.region == nullptr || gdi::region_contains(w.region, window_point.x, window_point.y);
}

} // namespace vora::platform::user

using namespace vora::platform::user;

int WINAPI SetWindowRgn(HWND window, HRGN region, BOOL redraw) {
    Window* w = find(window);
    if (w == nullptr || w->parent != nullptr) return 0;
    if (region != nullptr && !gdi::give_region_to_system(region)) return 0;
    if (w->region != nullptr) gdi::free_system_region(w->region);
    w->region = region;
    apply_native_shape(*w, true);
    if (redraw != FALSE) mark_present(window);
    return 1;
}
