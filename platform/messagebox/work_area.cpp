// inside_work_area.
#include "platform/messagebox/work_area.h"

#include <algorithm>

namespace vora::platform {

RECT inside_work_area(const RECT& window) {
    RECT area{};
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0) == FALSE) return window;
    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    const LONG x = std::max(std::min(window.left, area.right - width), area.left);
    const LONG y = std::max(std::min(window.top, area.bottom - height), area.top);
    return RECT{x, y, x + width, y + height};
}

} // namespace vora::platform
