// Pixel transfers: BitBlt and StretchBlt (SRCCOPY, the four stretch modes),
// SetPixel and GetPixel, working on the pixels of the Cairo image surfaces.
#include "platform/gdi_internal.h"
#include "platform/gdi_objects.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace gdi;

namespace {

// Direct access to an image surface's pixels as 0x00RRGGBB values.
class Pixels {
public:
    explicit Pixels(cairo_surface_t* s)
        : surface_(s), data_(nullptr), width_(0), height_(0), stride_(0) {
        cairo_surface_flush(s);
        const cairo_format_t format = cairo_image_surface_get_format(s);
        if (format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32) return;
        data_ = cairo_image_surface_get_data(s);
        width_ = cairo_image_surface_get_width(s);
        height_ = cairo_image_surface_get_height(s);
        stride_ = cairo_image_surface_get_stride(s);
    }
    bool valid() const { return data_ != nullptr; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    std::uint32_t get(int x, int y) const { return row(y)[x] & 0xFFFFFF; }
    void set(int x, int y, std::uint32_t rgb) { row(y)[x] = 0xFF000000 | rgb; }
    void done() { cairo_surface_mark_dirty(surface_); }
    std::uint32_t* line(int y) const { return row(y); }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    std::uint32_t* row(int y) const {
        return reinterpret_cast<std::uint32_t*>(data_ + static_cast<std::ptrdiff_t>(y) * stride_);
    }
    cairo_surface_t* surface_;
    unsigned char* data_;
    int width_;
    int height_;
    int stride_;
};

std::uint32_t to_pixel(COLORREF c) {
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}
COLORREF to_colorref(std::uint32_t p) {
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

// The surface pixels a DC may write: the surface, cut by the DC's clip.
RECT writable(const Dc& dc, const Pixels& px) {
    RECT r{0, 0, px.width(), px.height()};
    if (dc.clipped) {
        r.left = std::max(r.left, dc.clip.left);
        r.top = std::max(r.top, dc.clip.top);
        r.right = std::min(r.right, dc.clip.right);
        r.bottom = std::min(r.bottom, dc.clip.bottom);
    }
    return r;
}

// For each of `count` destination cells, the source cells [first, last) it
// covers, the source range being `size` cells from `start` (reversed when
// `flip`), and the one nearest its centre.
struct Cover {
    int first;
    int last;
    int nearest;
};
std::vector<Cover> covers(int count, int start, int size, bool flip) {
    std::vector<Cover> out(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int k = flip ? count - 1 - i : i;
        const auto lo = static_cast<int>(static_cast<long long>(k) * size / count);
        auto hi = static_cast<int>((static_cast<long long>(k + 1) * size + count - 1) / count);
        hi = std::max(hi, lo + 1);
        const auto mid = static_cast<int>((2LL * k + 1) * size / (2LL * count));
        out[static_cast<std::size_t>(i)] = {start + lo, start + hi, start + mid};
    }
    return out;
}

// Source pixels read for a transfer: 0x00RRGGBB, with `present` set for the
// pixels that exist on the source surface.
constexpr std::uint32_t present = 0xFF000000;

// The colour of one destination pixel from the source cells it covers, by the
// stretch mode; false when none of them exists.
bool sample(const std::vector<std::uint32_t>& src, int sw, int sh, const Cover& cx, const Cover& cy,
            int mode, std::uint32_t& out) {
    const auto at = [&](int x, int y) {
        return src[static_cast<std::size_t>(y) * static_cast<std::size_t>(sw) +
                   static_cast<std::size_t>(x)];
    };
    if (mode == COLORONCOLOR) {
        if (cx.nearest < 0 || cy.nearest < 0 || cx.nearest >= sw || cy.nearest >= sh) return false;
        out = at(cx.nearest, cy.nearest);
        return (out & present) != 0;
    }
    std::uint32_t acc = mode == BLACKONWHITE ? 0xFFFFFFFF : 0;
    std::uint32_t sum[3] = {0, 0, 0};
    std::uint32_t n = 0;
    for (int y = std::max(cy.first, 0); y < std::min(cy.last, sh); ++y) {
        for (int x = std::max(cx.first, 0); x < std::min(cx.last, sw); ++x) {
            const std::uint32_t p = at(x, y);
            if ((p & present) == 0) continue;
            acc = mode == BLACKONWHITE ? (acc & p) : (acc | p);
            sum[0] += (p >> 16) & 0xFF;
            sum[1] += (p >> 8) & 0xFF;
            sum[2] += p & 0xFF;
            ++n;
        }
    }
    if (n == 0) return false;
    out = mode == HALFTONE
              ? ((sum[0] + n / 2) / n) << 16 | ((sum[1] + n / 2) / n) << 8 | ((sum[2] + n / 2) / n)
              : acc;
    return true;
}

} // namespace

BOOL WINAPI StretchBlt(HDC hdc_dest, int x_dest, int y_dest, int w_dest, int h_dest, HDC hdc_src,
                       int x_src, int y_src, int w_src, int h_src, DWORD rop) {
    Dc* dst = find<Dc>(hdc_dest);
    Dc* src = find<Dc>(hdc_src);
    if (dst == nullptr || src == nullptr || rop != SRCCOPY) return FALSE;
    if (w_dest == 0 || h_dest == 0 || w_src == 0 || h_src == 0) return FALSE;
    bool flipx = false, flipy = false;
    if (w_dest < 0) x_dest += w_dest, w_dest = -w_dest, flipx = !flipx;
    if (h_dest < 0) y_dest += h_dest, h_dest = -h_dest, flipy = !flipy;
    if (w_src < 0) x_src += w_src, w_src = -w_src, flipx = !flipx;
    if (h_src < 0) y_src += h_src, h_src = -h_src, flipy = !flipy;

    Pixels in(src->target);
    Pixels out(dst->target);
    if (!in.valid() || !out.valid()) return FALSE;
    // The source pixels are read first, so that a copy within one surface
    // sees the picture as it was.
    const int sx0 = x_src + src->origin.x, sy0 = y_src + src->origin.y;
    if (!flipx && !flipy && w_dest == w_src && h_dest == h_src) {
        // A plain copy (the shell's paints): whole rows of the part that
        // exists on the source and may be written on the destination.
        const RECT b = writable(*dst, out);
        const int dx0 = x_dest + dst->origin.x, dy0 = y_dest + dst->origin.y;
        const int x0 = std::max({0, b.left - dx0, -sx0});
        const int x1 = std::min({w_src, b.right - dx0, in.width() - sx0});
        const int y0 = std::max({0, b.top - dy0, -sy0});
        const int y1 = std::min({h_src, b.bottom - dy0, in.height() - sy0});
        if (x0 >= x1 || y0 >= y1) return TRUE;
        const auto w = static_cast<std::size_t>(x1 - x0);
        std::vector<std::uint32_t> rows(w * static_cast<std::size_t>(y1 - y0));
        for (int y = y0; y < y1; ++y)
            std::copy_n(in.line(sy0 + y) + sx0 + x0, w,
                        rows.data() + w * static_cast<std::size_t>(y - y0));
        for (int y = y0; y < y1; ++y) {
            const std::uint32_t* from = rows.data() + w * static_cast<std::size_t>(y - y0);
            std::uint32_t* to = out.line(dy0 + y) + dx0 + x0;
            for (std::size_t i = 0; i < w; ++i) to[i] = from[i] | present;
        }
        out.done();
        return TRUE;
    }
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w_src) *
                                      static_cast<std::size_t>(h_src));
    for (int y = 0; y < h_src; ++y) {
        for (int x = 0; x < w_src; ++x) {
            if (!in.inside(sx0 + x, sy0 + y)) continue;
            pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(w_src) +
                   static_cast<std::size_t>(x)] = present | in.get(sx0 + x, sy0 + y);
        }
    }
    // Equal sizes copy pixel for pixel; otherwise the destination's mode
    // decides how pixels are dropped or merged, as on Windows.
    const int mode = w_dest == w_src && h_dest == h_src ? COLORONCOLOR : dst->stretch_mode;
    const std::vector<Cover> columns = covers(w_dest, 0, w_src, flipx);
    const std::vector<Cover> rows = covers(h_dest, 0, h_src, flipy);
    const RECT bounds = writable(*dst, out);
    for (int j = 0; j < h_dest; ++j) {
        const int y = y_dest + j + dst->origin.y;
        if (y < bounds.top || y >= bounds.bottom) continue;
        for (int i = 0; i < w_dest; ++i) {
            const int x = x_dest + i + dst->origin.x;
            if (x < bounds.left || x >= bounds.right) continue;
            std::uint32_t p = 0;
            if (sample(pixels, w_src, h_src, columns[static_cast<std::size_t>(i)],
                       rows[static_cast<std::size_t>(j)], mode, p)) {
                out.set(x, y, p & 0xFFFFFF);
            }
        }
    }
    out.done();
    return TRUE;
}

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdc_src, int x1, int y1, DWORD rop) {
    return StretchBlt(hdc, x, y, cx, cy, hdc_src, x1, y1, cx, cy, rop);
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr) return CLR_INVALID;
    Pixels px(dc->target);
    const int sx = x + dc->origin.x, sy = y + dc->origin.y;
    const RECT bounds = px.valid() ? writable(*dc, px) : RECT{0, 0, 0, 0};
    if (sx < bounds.left || sy < bounds.top || sx >= bounds.right || sy >= bounds.bottom) {
        return CLR_INVALID;
    }
    px.set(sx, sy, to_pixel(color));
    px.done();
    return color & 0xFFFFFF;
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr) return CLR_INVALID;
    const Pixels px(dc->target);
    const int sx = x + dc->origin.x, sy = y + dc->origin.y;
    if (!px.valid() || !px.inside(sx, sy)) return CLR_INVALID;
    return to_colorref(px.get(sx, sy));
}

void vora::platform::gdi::draw_picture(HDC hdc, cairo_surface_t* picture, int x, int y, int w,
                                       int h) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr || picture == nullptr || w <= 0 || h <= 0) return;
    const int pw = cairo_image_surface_get_width(picture);
    const int ph = cairo_image_surface_get_height(picture);
    if (pw <= 0 || ph <= 0) return;
    cairo_t* cr = dc->context();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, static_cast<double>(w) / pw, static_cast<double>(h) / ph);
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_rectangle(cr, 0, 0, pw, ph);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_surface_flush(dc->target);
}
