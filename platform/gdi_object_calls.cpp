// Creating, selecting, describing and deleting GDI objects.
#include "platform/gdi_internal.h"
#include "platform/gdi_objects.h"

#include <algorithm>
#include <cstring>

using namespace gdi;

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
    auto pen = std::make_unique<Pen>();
    pen->null = (iStyle & PS_STYLE_MASK) == PS_NULL;
    pen->width = std::max(1, cWidth);
    pen->color = color;
    return handle_of<Object, HPEN>(adopt(std::move(pen)));
}

HPEN WINAPI ExtCreatePen(DWORD iPenStyle, DWORD cWidth, const LOGBRUSH* plbrush, DWORD cStyle,
                         const DWORD* pstyle) {
    (void)cStyle;
    (void)pstyle;
    if (plbrush == nullptr) return nullptr;
    const bool geometric = (iPenStyle & PS_TYPE_MASK) == PS_GEOMETRIC;
    if (!geometric && cWidth != 1) return nullptr;
    auto pen = std::make_unique<Pen>();
    pen->null = (iPenStyle & PS_STYLE_MASK) == PS_NULL || plbrush->lbStyle == BS_NULL;
    pen->width = static_cast<int>(std::clamp<DWORD>(cWidth, 1, 0x7FFF));
    pen->color = plbrush->lbColor & 0xFFFFFF;
    if (geometric) {
        pen->endcap = iPenStyle & PS_ENDCAP_MASK;
        pen->join = iPenStyle & PS_JOIN_MASK;
    }
    return handle_of<Object, HPEN>(adopt(std::move(pen)));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    auto brush = std::make_unique<Brush>();
    brush->color = color & 0xFFFFFF;
    return handle_of<Object, HBRUSH>(adopt(std::move(brush)));
}

HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                         DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                         DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality,
                         DWORD iPitchAndFamily, LPCSTR pszFaceName) {
    (void)cOrientation, (void)bUnderline, (void)bStrikeOut, (void)iCharSet;
    (void)iOutPrecision, (void)iClipPrecision, (void)iQuality, (void)iPitchAndFamily;
    auto font = std::make_unique<Font>();
    font->height = cHeight;
    font->width = cWidth < 0 ? -cWidth : cWidth;
    font->escapement = cEscapement;
    font->weight = cWeight;
    font->italic = bItalic != 0;
    font->face = pszFaceName != nullptr && *pszFaceName != '\0' ? pszFaceName : "Arial";
    return handle_of<Object, HFONT>(adopt(std::move(font)));
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    (void)hdc;
    if (cx < 0 || cy < 0) return nullptr;
    return handle_of<Bitmap, HBITMAP>(make_bitmap(std::max(cx, 1), std::max(cy, 1)));
}

HGDIOBJ WINAPI GetStockObject(int i) {
    return stock_object(i);
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
    Dc* dc = find<Dc>(hdc);
    Object* o = find_object(h);
    if (dc == nullptr || o == nullptr) return nullptr;
    if (o->kind == Kind::bitmap) {
        if (dc->target_type != Dc::Target::memory) return nullptr;
        if (o != dc->bitmap && o->selections > 0 && !o->stock) return nullptr;
    }
    return dc->select(o);
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
    Object* o = find_object(ho);
    if (o == nullptr || o->kind == Kind::dc) return FALSE;
    if (o->stock) return TRUE;
    if (o->selections > 0) return FALSE;
    destroy(o);
    return TRUE;
}

int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv) {
    const Bitmap* b = find<Bitmap>(h);
    if (b == nullptr) return 0;
    if (pv == nullptr) return sizeof(BITMAP);
    if (c < static_cast<int>(sizeof(BITMAP))) return 0;
    BITMAP bm{};
    bm.bmWidth = b->width;
    bm.bmHeight = b->height;
    bm.bmWidthBytes = b->width * 4;
    bm.bmPlanes = 1;
    bm.bmBitsPixel = 32;
    std::memcpy(pv, &bm, sizeof bm);
    return sizeof(BITMAP);
}

cairo_surface_t* gdi::bitmap_surface(HBITMAP bitmap) {
    Bitmap* b = find<Bitmap>(bitmap);
    return b == nullptr ? nullptr : b->surface;
}
