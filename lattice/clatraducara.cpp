// Byte translation table.
#include "lattice/clatraducara.h"

#include <cstring>

clatraducara::clatraducara() {
    for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
}

void clatraducara::settable(const char* from, const char* to) {
    if (from == nullptr || to == nullptr) return;
    const size_t n = std::strlen(from);
    if (n == 0 || n != std::strlen(to)) return;
    for (size_t i = 0; i < n; ++i) pokechar(from[i], to[i]);
}

void clatraducara::pokechar(char c, char d) {
    table[static_cast<unsigned char>(c)] = static_cast<unsigned char>(d);
}

char clatraducara::traduit(char c) const {
    return static_cast<char>(table[static_cast<unsigned char>(c)]);
}

void clatraducara::translat(char* text) const {
    if (text == nullptr) return;
    for (char* p = text; *p != 0; ++p) *p = traduit(*p);
}
