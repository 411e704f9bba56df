// Creating, selecting, describing and deleting GDI objects.
#include "platform/gdi_internal.h"
#include "platform/gdi_objects.h"

#include <algorithm>
#include <cstring>

using namespace gdi;

HPEN WINAPI CreatePen(int i_style, int c_width, COLORREF color) {
    auto pen = std::make_unique<Pen>();
    pen->null = (i_style & PS_STYLE_MASK) == PS_NULL;
    pen->width = std::max(1, c_width);
    pen->color = color;
    return handle_of<Object, HPEN>(adopt(std::move(pen)));
}

HPEN WINAPI ExtCreatePen(DWORD i_pen_style, DWORD c_width, const LOGBRUSH* plbrush, DWORD c_style,
                         const DWORD* pstyle) {
    (void)c_style;
    (void)pstyle;
    if (plbrush == nullptr) return nullptr;
    const bool geometric = (i_pen_style & PS_TYPE_MASK) == PS_GEOMETRIC;
    if (!geometric && c_width != 1) return nullptr;
    auto pen = std::make_unique<Pen>();
    pen->null = (i_pen_style & PS_STYLE_MASK) == PS_NULL || plbrush->lbStyle == BS_NULL;
    pen->width = static_cast<int>(std::clamp<DWORD>(c_width, 1, 0x7FFF));
    pen->color = plbrush->lbColor & 0xFFFFFF;
    if (geometric) {
        pen->endcap = i_pen_style & PS_ENDCAP_MASK;
        pen->join = i_pen_style & PS_JOIN_MASK;
    }
    return handle_of<Object, HPEN>(adopt(std::move(pen)));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    auto brush = std::make_unique<Brush>();
    brush->color = color & 0xFFFFFF;
    return handle_of<Object, HBRUSH>(adopt(std::move(brush)));
}

HFONT WINAPI CreateFontA(int c_height, int c_width, int c_escapement, int c_orientation,
                         int c_weight, DWORD b_italic, DWORD b_underline, DWORD b_strike_out,
                         DWORD i_char_set, DWORD i_out_precision, DWORD i_clip_precision,
                         DWORD i_quality, DWORD i_pitch_and_family, LPCSTR psz_face_name) {
    (void)c_orientation, (void)b_underline, (void)b_strike_out, (void)i_char_set;
    (void)i_out_precision, (void)i_clip_precision, (void)i_quality, (void)i_pitch_and_family;
    auto font = std::make_unique<Font>();
    font->height = c_height;
    font->width = c_width < 0 ? -c_width : c_width;
    font->escapement = c_escapement;
    font->weight = c_weight;
    font->italic = b_italic != 0;
    font->face = psz_face_name != nullptr && *psz_face_name != '\0' ? psz_face_name : "Arial";
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
