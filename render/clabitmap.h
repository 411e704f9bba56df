// clabitmap: an owned bitmap with its size, stretched onto a device context.
#pragma once

#include "render/claobjetgdi.h"

class clabitmap : public claobjetgdi<HBITMAP> {
public:
    // Read width and height from the bitmap (GetObject); false without one.
    bool calcupix();
    // Stretch the source rectangle (xs, ys, ws, hs) of the bitmap onto
    // (x, y, w, h) of dc through a temporary memory DC, in BLACKONWHITE
    // stretch mode. The bitmap must not be selected into another DC.
    bool stretchimage(HDC dc, short x, short y, short w, short h, short xs, short ys, short ws,
                      short hs);
    short getlarg() const { return larg; }
    short gethaut() const { return haut; }
    bool taillesue() const { return taillesconnues; }

private:
    short larg = 0;
    short haut = 0;
    bool taillesconnues = false;
};
