// clabitmap: size read-back and stretching.
#include "render/clabitmap.h"

bool clabitmap::calcupix() {
    BITMAP b{};
    if (get() == nullptr || GetObject(get(), sizeof b, &b) == 0) return false;
    larg = static_cast<short>(b.bmWidth);
    haut = static_cast<short>(b.bmHeight);
    taillesconnues = true;
    return true;
}

bool clabitmap::stretchimage(HDC dc, short x, short y, short w, short h, short xs, short ys,
                             short ws, short hs) {
    if (get() == nullptr) return false;
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ avant = SelectObject(mem, get());
    const int mode = SetStretchBltMode(dc, BLACKONWHITE);
    const BOOL fait = StretchBlt(dc, x, y, w, h, mem, xs, ys, ws, hs, SRCCOPY);
    SetStretchBltMode(dc, mode);
    SelectObject(mem, avant);
    DeleteDC(mem);
    return fait != FALSE;
}
