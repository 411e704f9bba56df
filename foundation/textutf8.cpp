// Windows-1252 to UTF-8.
#include "foundation/textutf8.h"

namespace {

// Windows-1252's characters 0x80..0x9F; 0xFFFD where it defines none.
constexpr char32_t hauts[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

} // namespace

std::string utf8de1252(std::string_view texte) {
    std::string out;
    out.reserve(texte.size());
    for (const char octet : texte) {
        const auto b = static_cast<unsigned char>(octet);
        const char32_t c = b >= 0x80 && b < 0xA0 ? hauts[b - 0x80] : b;
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
    return out;
}
