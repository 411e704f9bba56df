// X11 SHAPE and input waiting for SDL windows (see user_x11.h).
#include "platform/user_x11.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>
#include <poll.h>

namespace vora::platform::user::x11 {

namespace {
bool x11_info(SDL_Window* window, SDL_SysWMinfo& info) {
    SDL_VERSION(&info.version);
    return window != nullptr && SDL_GetWindowWMInfo(window, &info) == SDL_TRUE &&
           info.subsystem == SDL_SYSWM_X11;
}
} // namespace

unsigned long native_window(SDL_Window* window) {
    SDL_SysWMinfo info;
    return x11_info(window, info) ? info.info.x11.window : 0;
}

void set_shape(SDL_Window* window, const std::vector<ShapeRect>* rects) {
    SDL_SysWMinfo info;
    if (!x11_info(window, info)) return;
    Display* display = info.info.x11.display;
    ::Window xwindow = info.info.x11.window;
    int eventBase = 0;
    int error_base = 0;
    if (XShapeQueryExtension(display, &eventBase, &error_base) == 0) return;
    if (rects == nullptr) {
        XShapeCombineMask(display, xwindow, ShapeBounding, 0, 0, None, ShapeSet);
        XShapeCombineMask(display, xwindow, ShapeInput, 0, 0, None, ShapeSet);
    } else {
        std::vector<XRectangle> xrects;
        xrects.reserve(rects->size());
        for (const ShapeRect& r : *rects)
            xrects.push_back(XRectangle{static_cast<short>(r.x), static_cast<short>(r.y),
                                        static_cast<unsigned short>(r.width),
                                        static_cast<unsigned short>(r.height)});
        int count = static_cast<int>(xrects.size());
        XShapeCombineRectangles(display, xwindow, ShapeBounding, 0, 0, xrects.data(), count,
                                ShapeSet, Unsorted);
        XShapeCombineRectangles(display, xwindow, ShapeInput, 0, 0, xrects.data(), count, ShapeSet,
                                Unsorted);
    }
    XFlush(display);
}

void mark_no_focus_popup(SDL_Window* window, bool splash) {
    SDL_SysWMinfo info;
    if (!x11_info(window, info)) return;
    Display* display = info.info.x11.display;
    ::Window xwindow = info.info.x11.window;
    Atom type = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    Atom kind = XInternAtom(
        display, splash ? "_NET_WM_WINDOW_TYPE_SPLASH" : "_NET_WM_WINDOW_TYPE_TOOLTIP", False);
    XChangeProperty(display, xwindow, type, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&kind), 1);
    XWMHints* hints = XGetWMHints(display, xwindow);
    XWMHints fresh{};
    XWMHints* use = hints != nullptr ? hints : &fresh;
    use->flags |= InputHint;
    use->input = False;
    XSetWMHints(display, xwindow, use);
    if (hints != nullptr) XFree(hints);
    Atom delete_window = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, xwindow, &delete_window, 1);
    XFlush(display);
}

bool wait_for_input(SDL_Window* window, int timeout_ms) {
    SDL_SysWMinfo info;
    if (!x11_info(window, info)) return false;
    Display* display = info.info.x11.display;
    XFlush(display);
    if (XEventsQueued(display, QueuedAlready) > 0) return true;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    poll(&fd, 1, timeout_ms);
    return true;
}

bool pointer_position(SDL_Window* window, int& x, int& y) {
    SDL_SysWMinfo info;
    if (!x11_info(window, info)) return false;
    Display* display = info.info.x11.display;
    ::Window root = 0;
    ::Window child = 0;
    int window_x = 0;
    int window_y = 0;
    unsigned int buttons = 0;
    return XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &window_x,
                         &window_y, &buttons) != 0;
}

} // namespace vora::platform::user::x11
