// Owning heap text buffers and the functions that allocate them.
#include "foundation/heaptext.h"

#include <cstring>

short saturlen(std::size_t n) noexcept {
    return n > static_cast<std::size_t>(maxtextlen) ? maxtextlen : static_cast<short>(n);
}

std::size_t textsize(const char* a) noexcept {
    return a ? std::strlen(a) : 0;
}

heaptext heaptext::allocate(std::size_t room) {
    heaptext h;
    h.buf = std::make_unique<char[]>(room + 1); // value-initialised: all NUL
    return h;
}

heaptext heapnew(const char* a, const char* b, const char* c, const char* d, const char* e,
                 const char* f) {
    const char* parts[] = {a, b, c, d, e, f};
    std::size_t total = 0;
    for (const char* p : parts) total += textsize(p);
    heaptext h = heaptext::allocate(total);
    char* out = h.adr();
    for (const char* p : parts) {
        std::size_t n = textsize(p);
        if (n) std::memcpy(out, p, n);
        out += n;
    }
    return h;
}

heaptext heapnewvide() {
    return heaptext::allocate(0);
}

heaptext heaparea(short n) {
    return heaptext::allocate(n > 0 ? static_cast<std::size_t>(n) : 0);
}

heaptext heapline(short n, char ch) {
    if (n <= 0 || ch == 0) return heapnewvide();
    heaptext h = heaptext::allocate(static_cast<std::size_t>(n));
    std::memset(h.adr(), ch, static_cast<std::size_t>(n));
    return h;
}

heaptext dup(const char* a) {
    return heapnew(a);
}

void deletepnullchaine(heaptext& p) noexcept {
    p.reset();
}
