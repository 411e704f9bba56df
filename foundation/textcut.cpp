// In-place cutting, trimming and case folding.
#include "foundation/textcut.h"

#include "foundation/heaptext.h"
#include "foundation/textcompare.h"

#include <algorithm>
#include <cstring>

namespace {

std::size_t count(short n) {
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

} // namespace

void cutleft(char* buf, short n) {
    if (!buf) return;
    std::size_t len = std::strlen(buf), k = std::min(count(n), len);
    std::memmove(buf, buf + k, len - k + 1);
}

void cutright(char* buf, short n) {
    if (!buf) return;
    std::size_t len = std::strlen(buf);
    buf[len - std::min(count(n), len)] = 0;
}

void keepleft(char* buf, short n) {
    if (!buf) return;
    std::size_t len = std::strlen(buf);
    buf[std::min(count(n), len)] = 0;
}

void keepright(char* buf, short n) {
    if (!buf) return;
    std::size_t len = std::strlen(buf), k = std::min(count(n), len);
    std::memmove(buf, buf + (len - k), k + 1);
}

void xpadding(std::span<char> buf, short n) {
    if (buf.empty()) return;
    std::size_t len = static_cast<std::size_t>(std::find(buf.begin(), buf.end(), 0) - buf.begin());
    if (len == buf.size()) { // not terminated within its capacity: cut it
        buf.back() = 0;
        --len;
    }
    std::size_t target = std::min(count(n), buf.size() - 1);
    for (; len < target; ++len) buf[len] = ' ';
    buf[len] = 0;
}

void gdltrim(char* buf) {
    if (!buf) return;
    std::size_t k = 0;
    while (buf[k] == ' ') ++k;
    if (k) std::memmove(buf, buf + k, std::strlen(buf + k) + 1);
}

void gdrtrim(char* buf) {
    if (!buf) return;
    std::size_t len = std::strlen(buf);
    while (len > 0 && buf[len - 1] == ' ') --len;
    buf[len] = 0;
}

void gdalltrim(char* buf) {
    if (!buf) return;
    char* out = buf;
    for (const char* p = buf; *p; ++p)
        if (*p != ' ') *out++ = *p;
    *out = 0;
}

void strinverse(char* buf) {
    if (buf) std::reverse(buf, buf + std::strlen(buf));
}

void strmaju(char* buf) {
    for (char* p = buf; p && *p; ++p) *p = carmaju(*p);
}

void strminu(char* buf) {
    for (char* p = buf; p && *p; ++p) *p = carminu(*p);
}

char lastchar(const char* text) {
    std::size_t len = textsize(text);
    return len ? text[len - 1] : 0;
}

char* atend(char* buf) {
    return buf ? buf + std::strlen(buf) : nullptr;
}

const char* atend(const char* text) {
    return text ? text + std::strlen(text) : nullptr;
}

void gdstraz(char* buf) {
    if (buf) buf[0] = 0;
}

short gdstrlen(const char* text) {
    return saturlen(textsize(text));
}

short gdstrlenvg(const char* text) {
    if (!text) return 0;
    return saturlen(std::strcspn(text, ","));
}
