// paralivo: sorted keyed store of key=value texts.
#include "foundation/paralivo.h"

#include "foundation/depile.h"
#include "foundation/numtext.h"
#include "foundation/textcompare.h"

#include <cstring>

namespace {

// Whether element, its leading blanks ignored, begins with key followed by
// "=" (case-insensitive).
bool matches(const char* element, const char* key) {
    while (*element == ' ') ++element;
    std::size_t n = textsize(key);
    for (std::size_t k = 0; k < n; ++k)
        if (carmaju(element[k]) != carmaju(key[k])) return false;
    return element[n] == '=';
}

// The value of element: what follows its first "=", or null when it holds none.
const char* valueof(const char* element) {
    const char* eq = element ? std::strchr(element, '=') : nullptr;
    return eq ? eq + 1 : nullptr;
}

short readint(const char* value) {
    gstring copy(value);
    return depilint(copy.adr());
}

} // namespace

short paralivo::xicode(const char* key) const {
    for (int i = 1; i <= liste.effectif(); ++i)
        if (matches(liste.adr(static_cast<short>(i)), key)) return static_cast<short>(i);
    return 0;
}

short paralivo::conombre(const char* key) const {
    short n = 0;
    for (int i = 1; i <= liste.effectif(); ++i)
        if (matches(liste.adr(static_cast<short>(i)), key)) ++n;
    return n;
}

void paralivo::setparam(const char* key, const char* value) {
    heaptext element = heapnew(key, "=", value);
    short i = xicode(key);
    if (i == 0) {
        liste.zinsert(std::move(element));
        return;
    }
    liste.kill(i);
    liste.zinsert(i, std::move(element));
}

void paralivo::setbparam(const char* a, const char* b, const char* value) {
    heaptext key = heapnew(a, b);
    setparam(key.adr(), value);
}

void paralivo::catparam(const char* key, const char* text) {
    gstring value;
    getparam(value, key);
    value.cat(text);
    setparam(key, value.adr());
}

void paralivo::setival(const char* key, short n) {
    setparam(key, vi(n));
}

void paralivo::addival(const char* key, short n) {
    setival(key, static_cast<short>(getival(key) + n)); // wraps round as 16 bits
}

void paralivo::incremival(const char* key) {
    addival(key, 1);
}

void paralivo::killparam(const char* key) {
    liste.kill(xicode(key));
}

void paralivo::killtoudata(const char* value) {
    for (short i = liste.effectif(); i >= 1; --i) {
        const char* v = valueof(liste.adr(i));
        if (v && strugal(v, value)) liste.kill(i);
    }
}

void paralivo::merge(const paralivo& other) {
    liste.mergekeep(other.liste);
}

void paralivo::mergebien(const paralivo& other) {
    gstring key, value;
    for (short i = other.liste.effectif(); i >= 1; --i) {
        if (!valueof(other.liste.adr(i))) continue;
        other.getdeux(key, value, i);
        setparam(key.adr(), value.adr());
    }
}

short paralivo::getparam(gstring& g, const char* key) const {
    short i = xicode(key);
    if (i == 0) {
        g.clear();
        return 0;
    }
    g.set(valueof(liste.adr(i)));
    g.ltrim();
    return i;
}

short paralivo::getbparam(gstring& g, const char* a, const char* b) const {
    heaptext key = heapnew(a, b);
    return getparam(g, key.adr());
}

short paralivo::getparam(gstring& g, short i) const {
    const char* element = liste.adr(i);
    const char* v = valueof(element);
    g.set(v ? v : element);
    return i;
}

void paralivo::getcode(gstring& g, short i) const {
    const char* element = liste.adr(i);
    const char* v = valueof(element);
    if (!v) {
        g.clear();
        return;
    }
    g.setmid(element, 1, static_cast<short>(v - 1 - element));
    g.ltrim();
}

void paralivo::getdeux(gstring& k, gstring& v, short i) const {
    const char* value = valueof(liste.adr(i));
    getcode(k, i);
    v.set(value);
}

short paralivo::getival(const char* key) const {
    short i = xicode(key);
    return i == 0 ? 0 : readint(valueof(liste.adr(i)));
}

short paralivo::getival(short i) const {
    const char* v = valueof(liste.adr(i));
    return v ? readint(v) : 0;
}

void paralivo::giveall(const char* prefix, lichavo& list) const {
    for (int i = 1; i <= liste.effectif(); ++i) list.padd(prefix, liste.adr(static_cast<short>(i)));
}
