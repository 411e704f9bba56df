// Reading the pixels of a device context into a picture.
#pragma once

#include "render/imagepng.h"

#include "platform/win32.h"

// The w x h pixels from (0, 0) of dc (GetPixel); pixels outside its bitmap
// read as 0.
imagergb imagedudc(HDC dc, int w, int h);
