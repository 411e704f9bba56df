// Lines and shapes: MoveToEx, LineTo, Polyline, Polygon, Rectangle, Ellipse,
// FillRect. Fills and one-pixel outlines are computed as pixel sets and
// painted as whole pixels; wider pens are stroked by Cairo without
// antialiasing along the line through the pixel centres (platform/README.md).
#include "platform/gdi_objects.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

using namespace gdi;

namespace {

void paint_rects(Dc& dc, const std::vector<RECT>& rects, COLORREF color) {
    if (rects.empty()) return;
    cairo_t* cr = dc.context();
    for (const RECT& r : rects) {
        cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    set_source_colorref(cr, color);
    cairo_fill(cr);
}

void fill(Dc& dc, const PixelRegion& region) {
    if (dc.brush->hollow) return;
    paint_rects(dc, region.rects(), dc.brush->color);
}

// The pixels of the segment from a to b, b excluded (Bresenham), as
// one-pixel-high runs.
void segment_pixels(POINT a, POINT b, std::vector<RECT>& out) {
    const LONG dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    const LONG sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    LONG err = dx + dy;
    LONG x = a.x, y = a.y;
    while (x != b.x || y != b.y) {
        if (!out.empty() && out.back().top == y &&
            (out.back().right == x || out.back().left == x + 1)) {
            out.back().left = std::min(out.back().left, x);
            out.back().right = std::max(out.back().right, x + 1);
        } else {
            out.push_back(RECT{x, y, x + 1, y + 1});
        }
        const LONG e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void set_pen_style(cairo_t* cr, const Pen& pen) {
    cairo_set_line_width(cr, pen.width);
    cairo_set_line_cap(cr, pen.endcap == PS_ENDCAP_FLAT     ? CAIRO_LINE_CAP_BUTT
                           : pen.endcap == PS_ENDCAP_SQUARE ? CAIRO_LINE_CAP_SQUARE
                                                            : CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, pen.join == PS_JOIN_BEVEL   ? CAIRO_LINE_JOIN_BEVEL
                            : pen.join == PS_JOIN_MITER ? CAIRO_LINE_JOIN_MITER
                                                        : CAIRO_LINE_JOIN_ROUND);
    set_source_colorref(cr, pen.color);
}

// Outlines the path through the points with the DC's pen.
void outline(Dc& dc, const POINT* pts, int count, bool closed) {
    const Pen& pen = *dc.pen;
    if (pen.null || count < 2) return;
    if (pen.width <= 1) {
        std::vector<RECT> runs;
        for (int i = 0; i + 1 < count; ++i) segment_pixels(pts[i], pts[i + 1], runs);
        if (closed) segment_pixels(pts[count - 1], pts[0], runs);
        paint_rects(dc, runs, pen.color);
        return;
    }
    cairo_t* cr = dc.context();
    cairo_move_to(cr, pts[0].x + 0.5, pts[0].y + 0.5);
    for (int i = 1; i < count; ++i) cairo_line_to(cr, pts[i].x + 0.5, pts[i].y + 0.5);
    if (closed) cairo_close_path(cr);
    set_pen_style(cr, pen);
    cairo_stroke(cr);
}

// Outlines the figure whose pixels are `shape`: a one-pixel pen paints the
// shape's boundary pixels, a wider one strokes the path already set on the
// context (through the outer pixel centres).
void outline_shape(Dc& dc, const PixelRegion& shape) {
    const Pen& pen = *dc.pen;
    if (pen.width <= 1) {
        cairo_new_path(dc.context());
        paint_rects(dc, shape.boundary().rects(), pen.color);
        return;
    }
    cairo_t* cr = dc.context();
    set_pen_style(cr, pen);
    cairo_stroke(cr);
}

void finish(Dc& dc) {
    cairo_surface_flush(dc.target);
}

} // namespace

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr) return FALSE;
    if (lppt != nullptr) *lppt = dc->position;
    dc->position = POINT{x, y};
    return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr) return FALSE;
    const POINT pts[2] = {dc->position, POINT{x, y}};
    outline(*dc, pts, 2, false);
    dc->position = pts[1];
    finish(*dc);
    return TRUE;
}

BOOL WINAPI Polyline(HDC hdc, const POINT* apt, int cpt) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr || apt == nullptr || cpt < 2) return FALSE;
    outline(*dc, apt, cpt, false);
    finish(*dc);
    return TRUE;
}

BOOL WINAPI Polygon(HDC hdc, const POINT* apt, int cpt) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr || apt == nullptr || cpt < 2) return FALSE;
    fill(*dc, PixelRegion::polygon(apt, cpt, dc->fill_mode == WINDING));
    outline(*dc, apt, cpt, true);
    finish(*dc);
    return TRUE;
}

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr) return FALSE;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (dc->pen->null) {
        // As on Windows, without a pen the filled area is one pixel smaller.
        fill(*dc, PixelRegion::rectangle(left, top, right - 1, bottom - 1));
    } else {
        const PixelRegion shape = PixelRegion::rectangle(left, top, right, bottom);
        fill(*dc, shape);
        cairo_t* cr = dc->context();
        cairo_new_path(cr);
        cairo_rectangle(cr, left + 0.5, top + 0.5, right - left - 1, bottom - top - 1);
        outline_shape(*dc, shape);
    }
    finish(*dc);
    return TRUE;
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr) return FALSE;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (dc->pen->null) {
        fill(*dc, PixelRegion::ellipse(left, top, right - 1, bottom - 1));
    } else {
        const PixelRegion shape = PixelRegion::ellipse(left, top, right, bottom);
        fill(*dc, shape);
        cairo_t* cr = dc->context();
        cairo_new_path(cr);
        const double rx = (right - left - 1) / 2.0, ry = (bottom - top - 1) / 2.0;
        if (rx > 0 && ry > 0) {
            cairo_save(cr);
            cairo_translate(cr, (left + right) / 2.0, (top + bottom) / 2.0);
            cairo_scale(cr, rx, ry);
            cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
            cairo_restore(cr);
        }
        outline_shape(*dc, shape);
    }
    finish(*dc);
    return TRUE;
}

int WINAPI FillRect(HDC h_dc, const RECT* lprc, HBRUSH hbr) {
    Dc* dc = find<Dc>(h_dc);
    if (dc == nullptr || lprc == nullptr) return 0;
    COLORREF color = 0;
    const auto value = reinterpret_cast<std::uintptr_t>(hbr);
    if (const Brush* brush = find<Brush>(hbr)) {
        if (brush->hollow) return 1;
        color = brush->color;
    } else if (value >= 1 && value <= COLOR_INFOBK + 1) {
        color = GetSysColor(static_cast<int>(value - 1));
    } else {
        return 0;
    }
    if (lprc->right > lprc->left && lprc->bottom > lprc->top) {
        paint_rects(*dc, {*lprc}, color);
        finish(*dc);
    }
    return 1;
}
