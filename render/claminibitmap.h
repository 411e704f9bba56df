// claminibitmap: a bitmap loaded from the program's resources, copied
// stretched onto a device context.
#pragma once

#include "platform/win32.h"

class claminibitmap {
public:
    claminibitmap() = default;
    ~claminibitmap() { clear(); }
    claminibitmap(const claminibitmap&) = delete;
    claminibitmap& operator=(const claminibitmap&) = delete;

    // Release the previous bitmap, load bitmap resource id of the module and
    // record its size; false when there is no such resource.
    bool loadbmpressource(short id, HINSTANCE instance);
    // StretchBlt (SRCCOPY) of the source rectangle onto (x, y, w, h) through
    // a temporary memory DC; a source size of 0 x 0 means the whole bitmap.
    bool stretchblt(HDC dc, short x, short y, short w, short h, short xs, short ys, short ws,
                    short hs);
    // Replace the bitmap by a w x h copy of it (HALFTONE stretch, made
    // compatible with dc); false, keeping it, when there is none or the copy
    // fails.
    bool reduire(HDC dc, short w, short h);
    // Delete an owned bitmap and zero the size.
    void clear();

    HBITMAP get() const { return bitmap; }
    short getlarg() const { return larg; }
    short gethaut() const { return haut; }

private:
    HBITMAP bitmap = nullptr;
    short larg = 0;
    short haut = 0;
    bool possede = false;
};
