// Surviving X protocol errors (see user_x11.h).
#include "platform/user_x11.h"

#include <X11/Xlib.h>
#include <atomic>
#include <cstdio>

namespace vora::platform::user::x11 {

namespace {
std::atomic<unsigned long> survived{0};

int report_and_survive(Display* display, XErrorEvent* error) {
    unsigned long count = ++survived;
    if (count <= 10) {
        char text[128] = "";
        XGetErrorText(display, error->error_code, text, sizeof text);
        std::fprintf(stderr, "X error survived: %s (request %d.%d, resource 0x%lx)\n", text,
                     error->request_code, error->minor_code, error->resourceid);
    }
    return 0;
}
} // namespace

void survive_protocol_errors() {
    XSetErrorHandler(report_and_survive);
}

unsigned long survived_protocol_errors() {
    return survived.load();
}

} // namespace vora::platform::user::x11
