// BMP and PNG decoding into RGB24 (or, keeping transparency, ARGB32) Cairo surfaces.
#include "platform/picture_decode.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace vora::platform::gdi {

namespace {

constexpr std::uint32_t bi_rgb = 0;
constexpr std::uint32_t bi_rle8 = 1;
constexpr std::uint32_t bi_bitfields = 3;

// Pictures above this many pixels (a 64 MB surface) are refused: a
// run-length BMP or a PNG of a few bytes can claim a picture of gigabytes.
constexpr std::size_t max_pixels = std::size_t{1} << 24;

std::uint32_t u16(const unsigned char* p) {
    return p[0] | (p[1] << 8);
}
std::uint32_t u32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// The channel of `pixel` selected by `mask`, scaled to 0..255.
std::uint32_t channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t max = mask >> shift;
    return ((pixel & mask) >> shift) * 255 / max;
}

// Expands BI_RLE8 data (n bytes at p) into w x h palette indices, rows in the
// file's order (bottom-up); pixels the data skips or leaves out, or that fall
// outside the picture, keep index 0 or are dropped. False when the data ends
// inside a command or before the end of the picture's last row.
bool expand_rle8(const unsigned char* p, std::size_t n, std::size_t w, std::size_t h,
                 std::vector<unsigned char>& out) {
    out.assign(w * h, 0);
    std::size_t x = 0, y = 0, i = 0;
    auto put = [&](unsigned char index) {
        if (x < w && y < h) out[y * w + x] = index;
        ++x;
    };
    while (y < h) {
        if (n - i < 2) return false;
        const unsigned count = p[i], code = p[i + 1];
        i += 2;
        if (count > 0) { // a run of `count` pixels of index `code`
            for (unsigned k = 0; k < count; ++k) put(static_cast<unsigned char>(code));
        } else if (code == 0) { // end of the row
            x = 0;
            ++y;
        } else if (code == 1) { // end of the picture
            break;
        } else if (code == 2) { // move right and up
            if (n - i < 2) return false;
            x += p[i];
            y += p[i + 1];
            i += 2;
        } else { // `code` literal indices, padded to an even count
            if (n - i < code) return false;
            for (unsigned k = 0; k < code; ++k) put(p[i + k]);
            i += std::min<std::size_t>(n - i, code + (code & 1));
        }
    }
    return true;
}

cairo_surface_t* decode_bmp(const unsigned char* bytes, std::size_t size) {
    if (size < 14 + 12 || bytes[0] != 'B' || bytes[1] != 'M') return nullptr;
    const std::size_t bits_offset = u32(bytes + 10);
    const unsigned char* info = bytes + 14;
    const std::uint32_t info_size = u32(info);
    if (info_size < 12 || 14 + static_cast<std::size_t>(info_size) > size) return nullptr;

    long long width = 0, height = 0;
    std::uint32_t bpp = 0, compression = bi_rgb, colors_used = 0;
    std::size_t palette_entry = 4;
    if (info_size == 12) {
        width = u16(info + 4);
        height = static_cast<std::int16_t>(u16(info + 6));
        bpp = u16(info + 10);
        palette_entry = 3;
    } else {
        if (info_size < 40) return nullptr;
        width = static_cast<std::int32_t>(u32(info + 4));
        height = static_cast<std::int32_t>(u32(info + 8));
        bpp = u16(info + 14);
        compression = u32(info + 16);
        colors_used = u32(info + 32);
    }
    const bool top_down = height < 0;
    if (top_down) height = -height;
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767) return nullptr;
    if (static_cast<std::size_t>(width) * static_cast<std::size_t>(height) > max_pixels)
        return nullptr;

    std::uint32_t masks[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    if (compression == bi_bitfields && bpp == 32) {
        const std::size_t at = 14 + 40;
        if (at + 12 > size) return nullptr;
        for (int i = 0; i < 3; ++i) masks[i] = u32(bytes + at + 4 * static_cast<std::size_t>(i));
    } else if (compression == bi_rle8) {
        if (bpp != 8 || top_down) return nullptr;
    } else if (compression != bi_rgb) {
        return nullptr;
    }

    std::vector<std::uint32_t> palette;
    if (bpp <= 8) {
        if (bpp != 1 && bpp != 4 && bpp != 8) return nullptr;
        const std::size_t count = colors_used != 0 && colors_used <= (1u << bpp)
                                      ? colors_used
                                      : static_cast<std::size_t>(1u << bpp);
        const std::size_t at = 14 + info_size;
        if (at + count * palette_entry > size) return nullptr;
        for (std::size_t i = 0; i < count; ++i) {
            const unsigned char* q = bytes + at + i * palette_entry;
            palette.push_back((static_cast<std::uint32_t>(q[2]) << 16) | (q[1] << 8) | q[0]);
        }
    } else if (bpp != 24 && bpp != 32) {
        return nullptr;
    }

    const auto w = static_cast<std::size_t>(width), h = static_cast<std::size_t>(height);
    std::size_t stride = (w * bpp + 31) / 32 * 4;
    const unsigned char* bits = bytes + bits_offset;
    std::vector<unsigned char> expanded; // BI_RLE8: the indices, one byte each
    if (bits_offset > size) return nullptr;
    if (compression == bi_rle8) {
        if (!expand_rle8(bits, size - bits_offset, w, h, expanded)) return nullptr;
        bits = expanded.data();
        stride = w;
    } else if (stride * h > size - bits_offset) {
        return nullptr;
    }

    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(w), static_cast<int>(h));
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    unsigned char* data = cairo_image_surface_get_data(surface);
    const auto out_stride = static_cast<std::size_t>(cairo_image_surface_get_stride(surface));
    for (std::size_t y = 0; y < h; ++y) {
        const unsigned char* row = bits + (top_down ? y : h - 1 - y) * stride;
        auto* out = reinterpret_cast<std::uint32_t*>(data + y * out_stride);
        for (std::size_t x = 0; x < w; ++x) {
            std::uint32_t rgb = 0;
            if (bpp <= 8) {
                const std::size_t bit = x * bpp;
                const unsigned index = (row[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                rgb = index < palette.size() ? palette[index] : 0;
            } else if (bpp == 24) {
                const unsigned char* p = row + 3 * x;
                rgb = (static_cast<std::uint32_t>(p[2]) << 16) | (p[1] << 8) | p[0];
            } else {
                const std::uint32_t p = u32(row + 4 * x);
                rgb = (channel(p, masks[0]) << 16) | (channel(p, masks[1]) << 8) |
                      channel(p, masks[2]);
            }
            out[x] = 0xFF000000 | rgb;
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

struct Reader {
    const unsigned char* bytes;
    std::size_t size;
    std::size_t at;
};

cairo_status_t read_png(void* closure, unsigned char* data, unsigned int length) {
    auto* r = static_cast<Reader*>(closure);
    if (length > r->size - r->at) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, r->bytes + r->at, length);
    r->at += length;
    return CAIRO_STATUS_SUCCESS;
}

// The PNG laid over white on an RGB24 surface, or as it is on an ARGB32 one.
cairo_surface_t* decode_png(const unsigned char* bytes, std::size_t size, bool alpha) {
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size < 8 || std::memcmp(bytes, signature, 8) != 0) return nullptr;
    // The first chunk is IHDR: its width and height, big-endian, at 16 and 20.
    if (size >= 24 && std::memcmp(bytes + 12, "IHDR", 4) == 0) {
        const auto be32 = [](const unsigned char* p) {
            return (static_cast<std::size_t>(p[0]) << 24) | (std::size_t{p[1]} << 16) |
                   (std::size_t{p[2]} << 8) | p[3];
        };
        if (be32(bytes + 16) * be32(bytes + 20) > max_pixels) return nullptr;
    }
    Reader reader{bytes, size, 0};
    cairo_surface_t* png = cairo_image_surface_create_from_png_stream(read_png, &reader);
    if (cairo_surface_status(png) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(png);
        return nullptr;
    }
    cairo_surface_t* surface = cairo_image_surface_create(
        alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, cairo_image_surface_get_width(png),
        cairo_image_surface_get_height(png));
    cairo_t* cr = cairo_create(surface);
    if (!alpha) {
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
    }
    cairo_set_source_surface(cr, png, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(png);
    cairo_surface_flush(surface);
    return surface;
}

} // namespace

cairo_surface_t* decode_picture(const unsigned char* bytes, std::size_t size) {
    if (bytes == nullptr) return nullptr;
    if (cairo_surface_t* bmp = decode_bmp(bytes, size)) return bmp;
    return decode_png(bytes, size, false);
}

cairo_surface_t* decode_picture_with_alpha(const unsigned char* bytes, std::size_t size) {
    if (bytes == nullptr) return nullptr;
    cairo_surface_t* bmp = decode_bmp(bytes, size);
    if (bmp == nullptr) return decode_png(bytes, size, true);
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(bmp),
                                   cairo_image_surface_get_height(bmp));
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_surface(cr, bmp, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(bmp);
    cairo_surface_flush(surface);
    return surface;
}

} // namespace vora::platform::gdi
