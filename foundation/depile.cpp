// Word popping from comma-separated text.
#include "foundation/depile.h"

#include "foundation/textcompare.h"
#include "foundation/textcut.h"

#include <charconv>
#include <cstring>

namespace {

struct popmode {
    bool trimword;  // trim the word's blanks on both sides
    bool ltrimrest; // left-trim what stays in the buffer
    bool upper;     // upper-case the word
};

heaptext popword(char* buf, popmode m) {
    if (!buf || buf[0] == 0) return heapnewvide();
    std::size_t len = std::strlen(buf);
    const char* comma = std::strchr(buf, ',');
    std::size_t end = comma ? static_cast<std::size_t>(comma - buf) : len;
    std::size_t next = comma ? end + 1 : len;
    std::size_t start = 0;
    if (m.trimword) {
        while (start < end && buf[start] == ' ') ++start;
        while (end > start && buf[end - 1] == ' ') --end;
    }
    heaptext word = heaptext::allocate(end - start);
    std::memcpy(word.adr(), buf + start, end - start);
    if (m.upper) strmaju(word.adr());
    std::memmove(buf, buf + next, len - next + 1);
    if (m.ltrimrest) gdltrim(buf);
    return word;
}

constexpr popmode mot{true, true, false};
constexpr popmode umot{true, true, true};
constexpr popmode motbkeep{true, false, false};
constexpr popmode umotbkeep{true, false, true};
constexpr popmode motbkeepall{false, false, false};

// Reads leading decimal digits of p as a value wrapped to 16 bits; stops at
// the first non-digit.
unsigned readdigits(const char* p) {
    unsigned v = 0;
    for (; *p >= '0' && *p <= '9'; ++p) v = (v * 10u + static_cast<unsigned>(*p - '0')) & 0xFFFFu;
    return v;
}

short towrapped(unsigned v) {
    return static_cast<short>(static_cast<unsigned short>(v));
}

} // namespace

void depilemot(gstring& dst, char* buf) {
    dst.affect(popword(buf, mot));
}
void depilumot(gstring& dst, char* buf) {
    dst.affect(popword(buf, umot));
}
void depilemotbkeep(gstring& dst, char* buf) {
    dst.affect(popword(buf, motbkeep));
}
void depilumotbkeep(gstring& dst, char* buf) {
    dst.affect(popword(buf, umotbkeep));
}
void depilemotbkeepall(gstring& dst, char* buf) {
    dst.affect(popword(buf, motbkeepall));
}

heaptext heapdepilemot(char* buf) {
    return popword(buf, mot);
}
heaptext heapdepilumot(char* buf) {
    return popword(buf, umot);
}
heaptext heapdepilemotbkeep(char* buf) {
    return popword(buf, motbkeep);
}

short depilint(char* buf) {
    heaptext word = popword(buf, mot);
    const char* p = word.text();
    bool negative = *p == '-';
    if (negative) ++p;
    unsigned v = readdigits(p);
    return towrapped(negative ? 0u - v : v);
}

double depilefloat(char* buf) {
    heaptext word = popword(buf, mot);
    const char* p = word.text();
    if (*p == '+') ++p;
    double x = 0;
    std::from_chars_result r = std::from_chars(p, p + std::strlen(p), x);
    return r.ec == std::errc() ? x : 0.0;
}

bool depilugal(char* buf, const char* text) {
    heaptext word = popword(buf, mot);
    return strugal(word.text(), text);
}

void dummydepile(char* buf, short n) {
    for (short k = 0; k < n && buf && buf[0] != 0; ++k) popword(buf, mot);
}

short nbdepilable(const char* text) {
    std::size_t len = textsize(text);
    while (len > 0 && text[len - 1] == ' ') --len;
    if (len == 0) return 0;
    std::size_t commas = 0;
    for (std::size_t i = 0; i < len; ++i)
        if (text[i] == ',') ++commas;
    return saturlen(commas + (text[len - 1] == ',' ? 0 : 1));
}

short recupint(char* buf) {
    if (!buf) return 0;
    gdltrim(buf);
    std::size_t n = 0;
    while (buf[n] >= '0' && buf[n] <= '9') ++n;
    unsigned v = readdigits(buf);
    std::memmove(buf, buf + n, std::strlen(buf + n) + 1);
    return towrapped(v);
}
