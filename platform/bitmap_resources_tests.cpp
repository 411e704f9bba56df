// LoadImageA through the bitmap resource registry: BMP bytes (run-length
// encoded too), PNG files, stretching and refusals.
#include "platform/bitmap_resources.h"

#include "platform/gdi_internal.h"
#include "platform/gdi_testing.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

using namespace gdi::testing;

namespace {

void put16(std::vector<unsigned char>& v, std::size_t at, unsigned value) {
    v[at] = static_cast<unsigned char>(value);
    v[at + 1] = static_cast<unsigned char>(value >> 8);
}
void put32(std::vector<unsigned char>& v, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        v[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
}

// A BMP file of w x h at `bpp` bits (8 with a palette, or 24); `pixel(x, y)`
// gives the palette index or the 0x00RRGGBB colour of row y counted from the
// top. Rows are stored bottom-up unless `top_down`.
template <class F>
std::vector<unsigned char> bmp(int w, int h, int bpp, bool top_down, F pixel,
                               const std::vector<COLORREF>& palette = {}) {
    const std::size_t stride = (static_cast<std::size_t>(w) * bpp + 31) / 32 * 4;
    const std::size_t offset = 14 + 40 + 4 * palette.size();
    std::vector<unsigned char> v(offset + stride * static_cast<std::size_t>(h));
    v[0] = 'B';
    v[1] = 'M';
    put32(v, 2, static_cast<std::uint32_t>(v.size()));
    put32(v, 10, static_cast<std::uint32_t>(offset));
    put32(v, 14, 40);
    put32(v, 18, static_cast<std::uint32_t>(w));
    put32(v, 22, static_cast<std::uint32_t>(top_down ? -h : h));
    put16(v, 26, 1);
    put16(v, 28, static_cast<unsigned>(bpp));
    put32(v, 46, static_cast<std::uint32_t>(palette.size()));
    for (std::size_t i = 0; i < palette.size(); ++i) {
        v[54 + 4 * i] = GetBValue(palette[i]);
        v[54 + 4 * i + 1] = GetGValue(palette[i]);
        v[54 + 4 * i + 2] = GetRValue(palette[i]);
    }
    for (int y = 0; y < h; ++y) {
        const std::size_t row =
            offset + stride * static_cast<std::size_t>(top_down ? y : h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = pixel(x, y);
            if (bpp == 8) {
                v[row + static_cast<std::size_t>(x)] = static_cast<unsigned char>(p);
            } else {
                const std::size_t at = row + 3 * static_cast<std::size_t>(x);
                v[at] = static_cast<unsigned char>(p);
                v[at + 1] = static_cast<unsigned char>(p >> 8);
                v[at + 2] = static_cast<unsigned char>(p >> 16);
            }
        }
    }
    return v;
}

// The colour of pixel (x, y) of a bitmap.
COLORREF pixel_of(HBITMAP bitmap, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return c;
}

SIZE size_of(HANDLE bitmap) {
    BITMAP bm{};
    EXPECT_EQ(GetObjectA(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
    return SIZE{bm.bmWidth, bm.bmHeight};
}

HBITMAP load(int id, int cx = 0, int cy = 0) {
    return static_cast<HBITMAP>(
        LoadImageA(nullptr, MAKEINTRESOURCEA(id), IMAGE_BITMAP, cx, cy, LR_DEFAULTCOLOR));
}

class BitmapResources : public ::testing::Test {
protected:
    void TearDown() override { gdi::clear_bitmap_resources(); }
};

TEST_F(BitmapResources, EightBitBmpLoadsWithItsPalette) {
    static const std::vector<unsigned char> bytes =
        bmp(3, 2, 8, false, [](int x, int y) { return static_cast<std::uint32_t>(x + 3 * y); },
            {red, green, blue, black, white, RGB(1, 2, 3)});
    gdi::register_bitmap_bytes(7, bytes.data(), bytes.size());
    HBITMAP b = load(7);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(size_of(b).cx, 3);
    EXPECT_EQ(size_of(b).cy, 2);
    EXPECT_EQ(pixel_of(b, 0, 0), red) << "the first row is the top one";
    EXPECT_EQ(pixel_of(b, 2, 0), blue);
    EXPECT_EQ(pixel_of(b, 0, 1), black);
    EXPECT_EQ(pixel_of(b, 2, 1), RGB(1, 2, 3));
    HBITMAP again = load(7);
    EXPECT_NE(again, b) << "each load gives a new bitmap";
    EXPECT_TRUE(DeleteObject(b));
    EXPECT_TRUE(DeleteObject(again));
}

TEST_F(BitmapResources, TopDownTrueColourBmpLoads) {
    static const std::vector<unsigned char> bytes = bmp(
        5, 3, 24, true, [](int x, int y) { return static_cast<std::uint32_t>(x * 40 << 16 | y); });
    gdi::register_bitmap_bytes(1, bytes.data(), bytes.size());
    HBITMAP b = load(1);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(pixel_of(b, 4, 2), RGB(160, 0, 2));
    EXPECT_EQ(pixel_of(b, 1, 0), RGB(40, 0, 0));
    DeleteObject(b);
}

TEST_F(BitmapResources, PngFilesLoadByIdOrByPath) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "vora_bitmap_resources_test.png").string();
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 4, 6);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 0, 0, 1);
    cairo_paint(cr);
    cairo_destroy(cr);
    ASSERT_EQ(cairo_surface_write_to_png(s, path.c_str()), CAIRO_STATUS_SUCCESS);
    cairo_surface_destroy(s);

    gdi::register_bitmap_file(3, path);
    HBITMAP b = load(3);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(size_of(b).cx, 4);
    EXPECT_EQ(pixel_of(b, 3, 5), blue);
    DeleteObject(b);

    HANDLE f = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(size_of(f).cy, 6);
    DeleteObject(f);
    std::filesystem::remove(path);
}

TEST_F(BitmapResources, AGivenSizeStretchesThePicture) {
    static const std::vector<unsigned char> bytes =
        bmp(2, 2, 24, false, [](int, int) { return 0x00FF00u; });
    gdi::register_bitmap_bytes(2, bytes.data(), bytes.size());
    HBITMAP b = load(2, 8, 4);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(size_of(b).cx, 8);
    EXPECT_EQ(size_of(b).cy, 4);
    EXPECT_EQ(pixel_of(b, 7, 3), green);
    DeleteObject(b);
}

TEST_F(BitmapResources, UnknownIdsBadBytesAndOtherImageTypesFail) {
    EXPECT_EQ(load(42), nullptr);
    static const unsigned char junk[] = "BM this is not a bitmap at all, only text";
    gdi::register_bitmap_bytes(5, junk, sizeof junk);
    EXPECT_EQ(load(5), nullptr);
    std::vector<unsigned char> cut = bmp(4, 4, 24, false, [](int, int) { return 0u; });
    cut.resize(cut.size() - 10);
    gdi::register_bitmap_bytes(6, cut.data(), cut.size());
    EXPECT_EQ(load(6), nullptr) << "pixel data shorter than the header says";
    EXPECT_EQ(LoadImageA(nullptr, MAKEINTRESOURCEA(5), IMAGE_ICON, 0, 0, 0), nullptr);
    EXPECT_EQ(LoadImageA(nullptr, "name", IMAGE_BITMAP, 0, 0, 0), nullptr);
    EXPECT_EQ(LoadImageA(nullptr, "/no/such/file.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE),
              nullptr);
    gdi::register_bitmap_file(8, "/no/such/file.png");
    EXPECT_EQ(load(8), nullptr);
}

// An 8-bit BI_RLE8 BMP file of w x h (negative h: top-down) with `palette`
// and the run-length data `rle`.
std::vector<unsigned char> rle8(int w, int h, const std::vector<COLORREF>& palette,
                                const std::vector<unsigned char>& rle) {
    std::vector<unsigned char> v = bmp(
        w, 1, 8, false, [](int, int) { return 0u; }, palette);
    const std::size_t offset = 14 + 40 + 4 * palette.size();
    v.resize(offset);
    v.insert(v.end(), rle.begin(), rle.end());
    put32(v, 2, static_cast<std::uint32_t>(v.size()));
    put32(v, 22, static_cast<std::uint32_t>(h));
    put32(v, 30, 1); // BI_RLE8
    put32(v, 34, static_cast<std::uint32_t>(rle.size()));
    return v;
}

TEST_F(BitmapResources, RunLengthEncodedBmpLoads) {
    // Rows bottom-up. Bottom: a run of two greens, three literal indices
    // (padded to four bytes), end of row. Middle: a move one right and one
    // up, skipping it (index 0). Top: a run of three blacks from x = 1, end of
    // the picture.
    const std::vector<unsigned char> data = {2, 1, 0, 3, 2, 0, 2, 0, 0, 0, 0, 2, 1, 1, 3, 3, 0, 1};
    static const std::vector<unsigned char> bytes = rle8(5, 3, {red, green, blue, black}, data);
    gdi::register_bitmap_bytes(3, bytes.data(), bytes.size());
    HBITMAP b = load(3);
    ASSERT_NE(b, nullptr);
    const COLORREF expected[3][5] = {{red, black, black, black, red},
                                     {red, red, red, red, red},
                                     {green, green, blue, red, blue}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(pixel_of(b, x, y), expected[y][x]) << x << "," << y;
    DeleteObject(b);

    std::vector<unsigned char> cut(data.begin(), data.end() - 2);
    static const std::vector<unsigned char> unfinished = rle8(5, 3, {red}, cut);
    gdi::register_bitmap_bytes(4, unfinished.data(), unfinished.size());
    EXPECT_EQ(load(4), nullptr) << "the data ends before the last row does";
    static const std::vector<unsigned char> top_down = rle8(5, -3, {red}, data);
    gdi::register_bitmap_bytes(5, top_down.data(), top_down.size());
    EXPECT_EQ(load(5), nullptr) << "run-length pictures are bottom-up";
}

TEST_F(BitmapResources, PicturesOfMoreThanSixteenMegapixelsAreRefused) {
    // A run-length BMP of a few bytes ends at once and leaves the rest of the
    // picture at index 0: the largest allowed decodes, one pixel more does not.
    const std::vector<unsigned char> end = {0, 1};
    static const std::vector<unsigned char> largest = rle8(4096, 4096, {red}, end);
    gdi::register_bitmap_bytes(3, largest.data(), largest.size());
    HBITMAP b = load(3);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(pixel_of(b, 4095, 4095), red);
    DeleteObject(b);
    static const std::vector<unsigned char> wider = rle8(4097, 4096, {red}, end);
    gdi::register_bitmap_bytes(4, wider.data(), wider.size());
    EXPECT_EQ(load(4), nullptr);

    // A PNG one pixel too large, however small its file.
    cairo_surface_t* grand = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 4097, 4096);
    static std::vector<unsigned char> png;
    cairo_surface_write_to_png_stream(
        grand,
        [](void* closure, const unsigned char* data, unsigned int length) {
            auto* v = static_cast<std::vector<unsigned char>*>(closure);
            v->insert(v->end(), data, data + length);
            return CAIRO_STATUS_SUCCESS;
        },
        &png);
    cairo_surface_destroy(grand);
    ASSERT_GT(png.size(), 24u);
    gdi::register_bitmap_bytes(5, png.data(), png.size());
    EXPECT_EQ(load(5), nullptr);
}

} // namespace
