// Case-insensitive replacement in heap buffers and in bounded buffers.
#include "foundation/textreplace.h"

#include "foundation/textcompare.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Offset of the first case-insensitive occurrence of old in text at or after
// from, or npos.
std::size_t ufind(const std::string& text, const std::string& old, std::size_t from) {
    if (old.empty()) return std::string::npos;
    auto same = [](char x, char y) { return carmaju(x) == carmaju(y); };
    auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), old.begin(),
                          old.end(), same);
    return it == text.end() ? std::string::npos : static_cast<std::size_t>(it - text.begin());
}

// text with up to maxcount occurrences of old replaced by nouv.
std::string replaced(const char* text, const char* old, const char* nouv, std::size_t maxcount) {
    std::string out = text ? text : "", o = old ? old : "", n = nouv ? nouv : "";
    std::size_t at = 0;
    for (std::size_t done = 0; done < maxcount; ++done) {
        at = ufind(out, o, at);
        if (at == std::string::npos) break;
        out.replace(at, o.size(), n);
        at += n.size();
    }
    return out;
}

} // namespace

void heapreplaceall(heaptext& p, const char* old, const char* nouv) {
    p = heapnew(replaced(p.adr(), old, nouv, std::string::npos).c_str());
}

void heapreplaceone(heaptext& p, const char* old, const char* nouv) {
    p = heapnew(replaced(p.adr(), old, nouv, 1).c_str());
}

short xreplacelgok(std::span<char> buf, short count, const char* old, const char* nouv) {
    if (buf.empty() || count <= 0) return 0;
    buf.back() = 0; // a buffer never holds more than its capacity
    std::string text = buf.data(), o = old ? old : "", n = nouv ? nouv : "";
    std::size_t at = 0;
    short done = 0;
    while (done < count) {
        at = ufind(text, o, at);
        if (at == std::string::npos || text.size() - o.size() + n.size() > buf.size() - 1) break;
        text.replace(at, o.size(), n);
        at += n.size();
        ++done;
    }
    std::memcpy(buf.data(), text.c_str(), text.size() + 1);
    return done;
}

void heapchange(heaptext& p, const char* text) {
    p = dup(text);
}

void heapadd(heaptext& p, const char* a, const char* b, const char* c) {
    p = heapnew(p.adr(), a, b, c);
}

heaptext heapxrepeat(short n, const char* text) {
    std::size_t len = textsize(text);
    if (n <= 0 || len == 0) return heapnewvide();
    heaptext h = heaptext::allocate(len * static_cast<std::size_t>(n));
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k)
        std::memcpy(h.adr() + k * len, text, len);
    return h;
}
