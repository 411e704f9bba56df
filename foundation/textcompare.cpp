// Case-insensitive comparison, natural ordering and search.
#include "foundation/textcompare.h"

#include "foundation/heaptext.h"

#include <cstring>
#include <string_view>

namespace {

unsigned char folded(const char* s, std::size_t i) {
    return static_cast<unsigned char>(carmaju(s[i]));
}

// Compares two folded bytes: 1 when x sorts after y, 2 before, 0 equal.
short order(unsigned char x, unsigned char y) {
    return x > y ? 1 : (x < y ? 2 : 0);
}

bool isdigit8(char ch) {
    return ch >= '0' && ch <= '9';
}

const char* nonull(const char* s) {
    return s ? s : "";
}

// 0-based offset of the first occurrence of sought in text from `from`, or
// npos; case-insensitive when fold is set.
std::size_t findfrom(const char* text, std::size_t tlen, const char* sought, std::size_t slen,
                     std::size_t from, bool fold) {
    if (slen == 0 || slen > tlen) return std::string_view::npos;
    for (std::size_t i = from; i + slen <= tlen; ++i) {
        std::size_t k = 0;
        if (fold) {
            while (k < slen && carmaju(text[i + k]) == carmaju(sought[k])) ++k;
        } else {
            while (k < slen && text[i + k] == sought[k]) ++k;
        }
        if (k == slen) return i;
    }
    return std::string_view::npos;
}

short firstpos(const char* text, const char* sought, bool fold) {
    std::size_t i =
        findfrom(nonull(text), textsize(text), nonull(sought), textsize(sought), 0, fold);
    if (i == std::string_view::npos || i >= static_cast<std::size_t>(maxtextlen)) return 0;
    return static_cast<short>(i + 1);
}

short lastpos(const char* text, const char* sought, bool fold) {
    const char* t = nonull(text);
    std::size_t tlen = textsize(text), slen = textsize(sought);
    short found = 0;
    std::size_t i = findfrom(t, tlen, nonull(sought), slen, 0, fold);
    while (i != std::string_view::npos && i < static_cast<std::size_t>(maxtextlen)) {
        found = static_cast<short>(i + 1);
        i = findfrom(t, tlen, sought, slen, i + 1, fold);
    }
    return found;
}

} // namespace

char carmaju(char ch) noexcept {
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

char carminu(char ch) noexcept {
    return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

short plusgrandnor(const char* a, const char* b) {
    a = nonull(a);
    b = nonull(b);
    for (std::size_t i = 0;; ++i) {
        short r = order(folded(a, i), folded(b, i));
        if (r != 0 || a[i] == 0) return r;
    }
}

short plusgrandalphanu(const char* a, const char* b) {
    a = nonull(a);
    b = nonull(b);
    std::size_t i = 0, j = 0;
    while (a[i] != 0 || b[j] != 0) {
        if (isdigit8(a[i]) && isdigit8(b[j])) {
            std::size_t ei = i, ej = j;
            while (isdigit8(a[ei])) ++ei;
            while (isdigit8(b[ej])) ++ej;
            std::size_t la = ei - i, lb = ej - j, width = la > lb ? la : lb;
            // Compare the runs as if the shorter one were left-padded with "0".
            for (std::size_t k = 0; k < width; ++k) {
                unsigned char x =
                    k < width - la ? '0' : static_cast<unsigned char>(a[i + k - (width - la)]);
                unsigned char y =
                    k < width - lb ? '0' : static_cast<unsigned char>(b[j + k - (width - lb)]);
                if (short r = order(x, y)) return r;
            }
            i = ei;
            j = ej;
            continue;
        }
        if (short r = order(folded(a, i), folded(b, j))) return r;
        ++i;
        ++j;
    }
    return 0;
}

short plusgrandselon(short mode, const char* a, const char* b) {
    if (mode == 0) return plusgrandnor(a, b);
    if (mode == 1) return plusgrandalphanu(a, b);
    return 0;
}

bool strugal(const char* a, const char* b) {
    return plusgrandnor(a, b) == 0;
}

bool strugal(const char* a, const char* b, const char* c) {
    return strugal(a, b) || strugal(a, c);
}

bool strudiff(const char* a, const char* b) {
    return !strugal(a, b);
}

bool strugalvg(const char* a, const char* b) {
    a = nonull(a);
    b = nonull(b);
    std::size_t i = 0;
    for (;; ++i) {
        bool enda = a[i] == 0 || a[i] == ',', endb = b[i] == 0 || b[i] == ',';
        if (enda || endb) return enda && endb;
        if (carmaju(a[i]) != carmaju(b[i])) return false;
    }
}

bool debuli(const char* text, const char* prefix) {
    text = nonull(text);
    prefix = nonull(prefix);
    while (*text == ' ') ++text;
    for (std::size_t i = 0; prefix[i] != 0; ++i)
        if (carmaju(text[i]) != carmaju(prefix[i])) return false;
    return true;
}

bool debute(char* text, const char* prefix) {
    if (!text || !debuli(text, prefix)) return false;
    std::size_t start = 0;
    while (text[start] == ' ') ++start;
    start += textsize(prefix);
    while (text[start] == ' ') ++start;
    std::size_t n = std::strlen(text + start);
    while (n > 0 && text[start + n - 1] == ' ') --n;
    std::memmove(text, text + start, n);
    text[n] = 0;
    return true;
}

bool finli(const char* text, const char* suffix) {
    std::size_t tlen = textsize(text), slen = textsize(suffix);
    if (slen > tlen) return false;
    for (std::size_t k = 0; k < slen; ++k)
        if (carmaju(text[tlen - slen + k]) != carmaju(suffix[k])) return false;
    return true;
}

short potrouvemot(const char* text, const char* sought) {
    return firstpos(text, sought, false);
}

short potrouvumot(const char* text, const char* sought) {
    return firstpos(text, sought, true);
}

short trouvedernier(const char* text, const char* sought) {
    return lastpos(text, sought, false);
}

short trouvudernier(const char* text, const char* sought) {
    return lastpos(text, sought, true);
}

const char* justapres(const char* text, const char* sought) {
    std::size_t slen = textsize(sought);
    std::size_t i = findfrom(nonull(text), textsize(text), nonull(sought), slen, 0, false);
    return i == std::string_view::npos ? nullptr : text + i + slen;
}

char* justapres(char* text, const char* sought) {
    const char* p = justapres(static_cast<const char*>(text), sought);
    return p ? text + (p - text) : nullptr;
}

short dansliste(const char* word, const char* list) {
    const char* w = nonull(word);
    while (*w == ' ') ++w;
    std::size_t wlen = std::strlen(w);
    while (wlen > 0 && w[wlen - 1] == ' ') --wlen;
    const char* p = nonull(list);
    if (*p == 0) return 0;
    for (int index = 1; index <= maxtextlen; ++index) {
        while (*p == ' ') ++p;
        const char* end = p;
        while (*end != 0 && *end != ',') ++end;
        std::size_t n = static_cast<std::size_t>(end - p);
        while (n > 0 && p[n - 1] == ' ') --n;
        if (n == wlen) {
            std::size_t k = 0;
            while (k < n && carmaju(p[k]) == carmaju(w[k])) ++k;
            if (k == n) return static_cast<short>(index);
        }
        if (*end == 0 || end[1] == 0) return 0;
        p = end + 1;
    }
    return 0;
}
