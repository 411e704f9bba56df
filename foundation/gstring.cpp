// gstring: owned single-byte text.
#include "foundation/gstring.h"

#include "foundation/depile.h"
#include "foundation/numtext.h"
#include "foundation/textcompare.h"
#include "foundation/textcut.h"
#include "foundation/textfile.h"
#include "foundation/textreplace.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace {

// The part of a text of length size taken by 1-based start and len: start
// below 1 moves to 1 and shortens len; len is clipped to the end.
struct span0 {
    std::size_t from = 0, count = 0;
};

span0 midrange(std::size_t size, short start, short len) {
    int s = start, l = len;
    if (s < 1) {
        l -= 1 - s;
        s = 1;
    }
    span0 r;
    if (l <= 0 || static_cast<std::size_t>(s) > size) return r;
    r.from = static_cast<std::size_t>(s - 1);
    r.count = std::min(static_cast<std::size_t>(l), size - r.from);
    return r;
}

heaptext midtext(const char* src, short start, short len) {
    span0 r = midrange(textsize(src), start, len);
    heaptext h = heaptext::allocate(r.count);
    if (r.count) std::memcpy(h.adr(), src + r.from, r.count);
    return h;
}

// text with its first "#" replaced by the decimal form of n.
std::string diese(const std::string& text, int n) {
    std::string out = text;
    std::size_t at = out.find('#');
    if (at != std::string::npos) out.replace(at, 1, std::to_string(n));
    return out;
}

} // namespace

gstring::gstring() : buf(heapnewvide()) {}

gstring::gstring(const char* a) : buf(dup(a)) {}

gstring::gstring(gstring&& g) : buf(std::exchange(g.buf, heapnewvide())) {}

gstring& gstring::operator=(gstring&& g) {
    if (this != &g) buf = std::exchange(g.buf, heapnewvide());
    return *this;
}

void gstring::clear() {
    buf = heapnewvide();
}

void gstring::scratch() {
    buf = heapnewvide();
}

void gstring::set(const char* a, const char* b, const char* c) {
    buf = heapnew(a, b, c);
}

void gstring::gset(const gstring& g) {
    buf = dup(g.adr());
}

void gstring::affect(heaptext p) {
    buf = p.isnull() ? heapnewvide() : std::move(p);
}

void gstring::setselon(bool flag, const char* a, const char* b) {
    set(flag ? a : b);
}

void gstring::cat(const char* a, const char* b, const char* c) {
    buf = heapnew(buf.adr(), a, b, c);
}

void gstring::catselon(bool flag, const char* a, const char* b) {
    cat(flag ? a : b);
}

void gstring::addncarac(short n, char ch) {
    if (n <= 0 || ch == 0) return;
    heaptext line = heapline(n, ch);
    cat(line.adr());
}

void gstring::setmid(const char* src, short start, short len) {
    buf = midtext(src, start, len);
}

void gstring::catmid(const char* src, short start, short len) {
    heaptext part = midtext(src, start, len);
    cat(part.adr());
}

heaptext gstring::substring(short start, short len) const {
    return midtext(buf.adr(), start, len);
}

char gstring::cara(short i) const {
    if (i < 1 || static_cast<std::size_t>(i) > buf.size()) return 0;
    return buf.adr()[i - 1];
}

void gstring::setmange(char* src, short n) {
    if (n <= 0 || !src) {
        clear();
        return;
    }
    heaptext head = midtext(src, 1, n);
    cutleft(src, n);
    buf = std::move(head);
}

void gstring::setmange(gstring& src, short n) {
    if (&src == this) {
        keepleft(buf.adr(), n);
        return;
    }
    setmange(src.adr(), n);
}

void gstring::depilefrom(char* b) {
    depilemot(*this, b);
}

void gstring::depilufrom(char* b) {
    depilumot(*this, b);
}

void gstring::setxdiese(const char* text, int n) {
    set(diese(text ? text : "", n).c_str());
}

void gstring::setxdiese(const char* text, int n1, int n2) {
    set(diese(diese(text ? text : "", n1), n2).c_str());
}

void gstring::setsuite(char a, char b) {
    int from = static_cast<unsigned char>(a), to = static_cast<unsigned char>(b);
    int step = to >= from ? 1 : -1;
    std::string out;
    for (int code = from;; code += step) {
        if (code != 0) out.push_back(static_cast<char>(code));
        if (code == to) break;
    }
    set(out.c_str());
}

void gstring::setrepet(short n, const char* text) {
    buf = heapxrepeat(n, text);
}

void gstring::setrepet(short n, char ch) {
    buf = heapline(n, ch);
}

void gstring::padding(short n) {
    paddingcara(" ", n);
}

void gstring::paddingcara(const char* ch, short n) {
    int missing = n - len(); // at most 32767: len() is never negative
    if (ch && missing > 0) addncarac(static_cast<short>(missing), ch[0]);
}

void gstring::setarea(short n) {
    buf = heaparea(n);
}

void gstring::addarea(short n) {
    std::size_t size = buf.size();
    heaptext bigger = heaptext::allocate(size + (n > 0 ? static_cast<std::size_t>(n) : 0));
    std::memcpy(bigger.adr(), buf.adr(), size);
    buf = std::move(bigger);
}

void gstring::ltrim() {
    gdltrim(buf.adr());
}

void gstring::rtrim() {
    gdrtrim(buf.adr());
}

void gstring::replaceall(const char* old, const char* nouv) {
    heapreplaceall(buf, old, nouv);
}

void gstring::replaceone(const char* old, const char* nouv) {
    heapreplaceone(buf, old, nouv);
}

bool gstring::uqual(const char* text) const {
    return strugal(buf.adr(), text);
}

bool gstring::debut(const char* text) const {
    return debuli(buf.adr(), text);
}

short gstring::len() const {
    return saturlen(buf.size());
}

heaptext gstring::gdup() const {
    return dup(buf.adr());
}

void gstring::filinput(std::FILE* f, bool& eof) {
    affect(heaplinput(f, eof));
}

void gstring::write(std::FILE* f) const {
    ecriligne(f, buf.adr());
}

void gstring::swapwith(gstring& g) noexcept {
    std::swap(buf, g.buf);
}

void swapgstring(gstring& a, gstring& b) noexcept {
    a.swapwith(b);
}
