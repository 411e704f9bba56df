// Number to text: the rotating vi scratch area and the wi stack.
#include "foundation/numtext.h"

#include "foundation/depile.h"
#include "foundation/gdliste.h"
#include "foundation/lichavo.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t viareasize = 150;
char viarea[viareasize];
std::size_t vinext = 0;

// Copies text (cut to room - 1 characters) into the next room bytes of the
// scratch area and returns it.
const char* vitake(const std::string& text, std::size_t room) {
    if (vinext + room >= viareasize) vinext = 0;
    char* out = viarea + vinext;
    vinext += room;
    std::size_t n = std::min(text.size(), room - 1);
    std::memcpy(out, text.data(), n);
    out[n] = 0;
    return out;
}

std::string padded(int n, short width) {
    int w = width < 0 ? 0 : (width > 11 ? 11 : width);
    if (w == 0) return "";
    long long v = n;
    bool negative = v < 0;
    std::string digits = std::to_string(negative ? -v : v);
    std::size_t room = static_cast<std::size_t>(negative ? w - 1 : w);
    if (digits.size() < room) digits.insert(0, room - digits.size(), '0');
    digits = digits.substr(digits.size() - room);
    return negative ? "-" + digits : digits;
}

std::string onechar(char ch) {
    return ch ? std::string(1, ch) : std::string();
}

lichavo& wistack() {
    static lichavo stack;
    return stack;
}

gdliste& widepths() {
    static gdliste depths;
    return depths;
}

const char* wipush(const std::string& text) {
    wistack().ppush(text.c_str());
    return wistack().adr(1);
}

std::string blanks(short n, std::size_t len) {
    return n > 0 && len < static_cast<std::size_t>(n)
               ? std::string(static_cast<std::size_t>(n) - len, ' ')
               : std::string();
}

} // namespace

const char* vi(int n) {
    return vitake(std::to_string(n), 16);
}

const char* vi(int n, short width) {
    return vitake(padded(n, width), 12);
}

const char* vicara(char ch) {
    return vitake(onechar(ch), 3);
}

const char* vflo(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", x);
    return vitake(text, 32);
}

const char* vouinon(bool flag) {
    return flag ? "oui" : "non";
}

const char* wi(int n) {
    return wipush(std::to_string(n));
}

const char* wizo(int n, short width) {
    return wipush(padded(n, width));
}

const char* wicara(char ch) {
    return wipush(onechar(ch));
}

const char* wivg(int n) {
    return wipush(std::to_string(n) + ",");
}

const char* wigauche(short n, const char* text) {
    std::string t = text ? text : "";
    return wipush(t + blanks(n, t.size()));
}

const char* widroite(short n, const char* text) {
    std::string t = text ? text : "";
    return wipush(blanks(n, t.size()) + t);
}

const char* wiselon(bool flag, const char* a, const char* b) {
    const char* t = flag ? a : b;
    return wipush(t ? t : "");
}

void wimemo() {
    widepths().push(std::to_string(wistack().effectif()).c_str());
}

void wireset() {
    short depth = 0;
    if (!widepths().isempty()) {
        heaptext top = widepths().pop();
        depth = depilint(top.adr());
    }
    while (wistack().effectif() > depth) wistack().pop();
}

void wiraz() {
    wistack().clear();
    widepths().clear();
}
