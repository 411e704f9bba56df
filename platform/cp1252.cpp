// Windows-1252 to UTF-8, for text handed to Cairo and SDL.
#include "platform/gdi_internal.h"

#include <cstring>

namespace {

// Code points of 0x80..0x9F; 0xFFFD where Windows-1252 defines nothing.
constexpr char32_t high_controls[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string gdi::cp1252_to_utf8(const char* text, int length) {
    std::string out;
    if (text == nullptr) return out;
    const std::size_t n = length < 0 ? std::strlen(text) : static_cast<std::size_t>(length);
    out.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        append_utf8(out, byte >= 0x80 && byte < 0xA0 ? high_controls[byte - 0x80] : byte);
    }
    return out;
}
