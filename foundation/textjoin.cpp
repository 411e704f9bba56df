// Joining texts into a bounded buffer or a gstring.
#include "foundation/textjoin.h"

#include <algorithm>
#include <cstring>

void composer(std::span<char> dst, const char* a, const char* b, const char* c, const char* d,
              const char* e, const char* f, const char* g) {
    if (dst.empty()) return;
    heaptext all = heapnew(a, b, c, d, e, f); // built first: an argument may be dst itself
    heaptext whole = heapnew(all.adr(), g);
    std::size_t n = std::min(whole.size(), dst.size() - 1);
    std::memcpy(dst.data(), whole.adr(), n);
    dst[n] = 0;
}

void dans(gstring& g, const char* a, const char* b, const char* c, const char* d) {
    g.affect(heapnew(a, b, c, d));
}
