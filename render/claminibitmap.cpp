// claminibitmap: loading a bitmap resource and copying it stretched.
#include "render/claminibitmap.h"

bool claminibitmap::loadbmpressource(short id, HINSTANCE instance) {
    clear();
    HANDLE h = LoadImage(instance, MAKEINTRESOURCE(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
    if (h == nullptr) return false;
    bitmap = static_cast<HBITMAP>(h);
    possede = true;
    BITMAP b{};
    if (GetObject(bitmap, sizeof b, &b) != 0) {
        larg = static_cast<short>(b.bmWidth);
        haut = static_cast<short>(b.bmHeight);
    }
    return true;
}

bool claminibitmap::stretchblt(HDC dc, short x, short y, short w, short h, short xs, short ys,
                               short ws, short hs) {
    if (bitmap == nullptr) return false;
    if (ws == 0 && hs == 0) {
        ws = larg;
        hs = haut;
    }
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ avant = SelectObject(mem, bitmap);
    const BOOL fait = StretchBlt(dc, x, y, w, h, mem, xs, ys, ws, hs, SRCCOPY);
    SelectObject(mem, avant);
    DeleteDC(mem);
    return fait != FALSE;
}

bool claminibitmap::reduire(HDC dc, short w, short h) {
    if (bitmap == nullptr || w <= 0 || h <= 0) return false;
    HBITMAP petit = CreateCompatibleBitmap(dc, w, h);
    if (petit == nullptr) return false;
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ avant = SelectObject(mem, petit);
    const int mode = SetStretchBltMode(mem, HALFTONE);
    const bool fait = stretchblt(mem, 0, 0, w, h, 0, 0, 0, 0);
    SetStretchBltMode(mem, mode);
    SelectObject(mem, avant);
    DeleteDC(mem);
    if (!fait) {
        DeleteObject(petit);
        return false;
    }
    clear();
    bitmap = petit;
    possede = true;
    larg = w;
    haut = h;
    return true;
}

void claminibitmap::clear() {
    if (possede && bitmap != nullptr) DeleteObject(bitmap);
    bitmap = nullptr;
    possede = false;
    larg = 0;
    haut = 0;
}
