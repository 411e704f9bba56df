// Fuzz target: the BMP and PNG decoding of the drawing layer. Any bytes give a
// sound surface or none; a 24-bit BMP made from the input decodes to its own
// pixels.
#include "fuzz/fuzzcheck.h"

#include "platform/picture_decode.h"

namespace {

// Every pixel of a decoded surface is readable (the sanitizer watches).
void verifiesurface(cairo_surface_t* s) {
    FUZZ_CHECK(cairo_surface_status(s) == CAIRO_STATUS_SUCCESS);
    FUZZ_CHECK(cairo_image_surface_get_format(s) == CAIRO_FORMAT_RGB24);
    const int w = cairo_image_surface_get_width(s);
    const int h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    FUZZ_CHECK(w > 0 && h > 0 && stride >= 4 * w);
    cairo_surface_flush(s);
    const unsigned char* p = cairo_image_surface_get_data(s);
    FUZZ_CHECK(p != nullptr);
    unsigned somme = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < 4 * w; ++x) somme += p[static_cast<std::size_t>(y) * stride + x];
    (void)somme;
}

void pose32(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

// A bottom-up 24-bit BMP of w x h pixels taken from the input, decoded: each
// pixel as written.
void allerretour(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return;
    const int w = 1 + data[0] % 9;
    const int h = 1 + data[1] % 9;
    const int ligne = (3 * w + 3) / 4 * 4;
    std::vector<unsigned char> b(54 + static_cast<std::size_t>(ligne * h), 0);
    b[0] = 'B';
    b[1] = 'M';
    pose32(b, 2, static_cast<std::uint32_t>(b.size()));
    pose32(b, 10, 54);
    pose32(b, 14, 40);
    pose32(b, 18, static_cast<std::uint32_t>(w));
    pose32(b, 22, static_cast<std::uint32_t>(h));
    b[26] = 1;
    b[28] = 24;
    auto octet = [&](std::size_t i) { return size > 2 ? data[2 + i % (size - 2)] : 0; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < 3 * w; ++x)
            b[54 + static_cast<std::size_t>(y * ligne + x)] =
                static_cast<unsigned char>(octet(static_cast<std::size_t>(y * 3 * w + x)));
    cairo_surface_t* s = gdi::decode_picture(b.data(), b.size());
    FUZZ_CHECK(s != nullptr);
    verifiesurface(s);
    FUZZ_CHECK(cairo_image_surface_get_width(s) == w && cairo_image_surface_get_height(s) == h);
    const unsigned char* p = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < h; ++y) {
        const unsigned char* source = b.data() + 54 + (h - 1 - y) * ligne;
        for (int x = 0; x < w; ++x) {
            const unsigned char* q = p + y * stride + 4 * x;
            // RGB24 in native (little-endian) order: blue, green, red, unused,
            // as a BMP stores them.
            FUZZ_CHECK(q[0] == source[3 * x] && q[1] == source[3 * x + 1] &&
                       q[2] == source[3 * x + 2]);
        }
    }
    cairo_surface_destroy(s);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    cairo_surface_t* s = gdi::decode_picture(data, size);
    if (s) {
        verifiesurface(s);
        cairo_surface_destroy(s);
    }
    allerretour(data, size);
    return 0;
}
