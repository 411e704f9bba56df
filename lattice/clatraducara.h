// A byte-for-byte translation table for transforming texts in place.
#pragma once

// 256 entries, one per byte value, each the byte that replaces it; the table
// starts as the identity.
class clatraducara {
public:
    clatraducara();

    // Entry of each byte of from becomes the byte at the same position in to.
    // Nothing is done when the texts differ in length or from is empty/null.
    void settable(const char* from, const char* to);
    // Entry of c becomes d.
    void pokechar(char c, char d);
    // The byte that c is replaced by.
    char traduit(char c) const;
    // Replace every byte of text (up to its NUL) through the table; null is
    // left alone.
    void translat(char* text) const;

private:
    unsigned char table[256];
};
