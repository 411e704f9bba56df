// Windows-1252 to UTF-8, for text handed to Cairo and SDL.
#include "platform/gdi_internal.h"

#include "foundation/textutf8.h"

#include <cstring>

std::string gdi::cp1252_to_utf8(const char* text, int length) {
    if (text == nullptr) return {};
    const std::size_t n = length < 0 ? std::strlen(text) : static_cast<std::size_t>(length);
    return utf8de1252(std::string_view(text, n));
}
