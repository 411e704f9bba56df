// Reading the pixels of a device context into a picture.
#include "render/imagedc.h"

imagergb imagedudc(HDC dc, int w, int h) {
    imagergb im;
    im.larg = w;
    im.haut = h;
    im.pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            if (c != CLR_INVALID)
                im.pixels[static_cast<size_t>(y) * static_cast<size_t>(w) +
                          static_cast<size_t>(x)] = c;
        }
    }
    return im;
}
