// Where the game's boxes and popups may go: inside the screen's work area
// (the screen without the task bar or the window manager's panels), on
// Windows and on the platform layer alike.
#pragma once

#include "platform/win32.h"

namespace vora::platform {

// The rectangle `window` (screen coordinates) moved the least to lie inside
// the work area (SPI_GETWORKAREA); one larger than the work area keeps its
// top-left corner on the work area's. Its size never changes.
RECT inside_work_area(const RECT& window);

} // namespace vora::platform
