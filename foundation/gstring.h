// gstring: the owned single-byte text that the whole system passes around.
//
// Positions are 1-based, 16-bit; a negative count is treated as 0. A null text
// argument counts as the empty text. Every operation builds its result before
// it replaces the buffer, so an argument may be this string's own text.
#pragma once

#include "foundation/heaptext.h"

#include <cstdio>

class gstring {
public:
    // The empty string.
    gstring();
    // A copy of a.
    explicit gstring(const char* a);
    // Takes over g's text; g becomes the empty string.
    gstring(gstring&& g);
    gstring& operator=(gstring&& g);
    gstring(const gstring&) = delete;
    gstring& operator=(const gstring&) = delete;
    ~gstring() = default;

    // Become the empty string.
    void clear();
    // Free the buffer; the string stays usable as the empty string.
    void scratch();

    // Replace the text by a+b+c.
    void set(const char* a, const char* b = nullptr, const char* c = nullptr);
    // Replace the text by a copy of g's text.
    void gset(const gstring& g);
    // Takes ownership of p's buffer and makes it this string's text (a null
    // handle gives the empty string); the previous buffer is freed.
    void affect(heaptext p);
    // set(a) when flag is true, else set(b).
    void setselon(bool flag, const char* a, const char* b);

    // Append a+b+c.
    void cat(const char* a, const char* b = nullptr, const char* c = nullptr);
    // cat(a) when flag is true, else cat(b).
    void catselon(bool flag, const char* a, const char* b);
    // Append n copies of ch (nothing when n is not positive or ch is NUL).
    void addncarac(short n, char ch);

    // Become / append len characters of src from 1-based start (nothing when
    // start lies beyond src's length or len is not positive; start below 1 is
    // moved to 1 with len shortened accordingly).
    void setmid(const char* src, short start, short len);
    void catmid(const char* src, short start, short len);
    // A new buffer with len characters from 1-based start, clipped as setmid.
    // The caller owns the result.
    heaptext substring(short start, short len) const;
    // The i-th character, 0 outside 1..length.
    char cara(short i) const;
    // Become the first n characters of src and remove them from src (n clipped
    // to src's length; n not positive empties this string and leaves src).
    void setmange(char* src, short n);
    void setmange(gstring& src, short n);

    // Pop the first comma-separated word of buf (see depilemot); the "u" form
    // upper-cases it.
    void depilefrom(char* buf);
    void depilufrom(char* buf);

    // A copy of text whose first "#" is replaced by the decimal form of n.
    void setxdiese(const char* text, int n);
    // The first "#" by n1, then the first remaining "#" by n2.
    void setxdiese(const char* text, int n1, int n2);
    // The characters with the consecutive codes a..b (counting down when b is
    // below a); codes are unsigned bytes and code 0 is skipped.
    void setsuite(char a, char b);

    // n copies of text / of ch (empty when n is not positive).
    void setrepet(short n, const char* text);
    void setrepet(short n, char ch);
    // Pad on the right with blanks to length n (never shortens).
    void padding(short n);
    // Pad on the right with the first character of ch to length n.
    void paddingcara(const char* ch, short n);
    // Become empty with room for n characters.
    void setarea(short n);
    // Keep the text and add room for n characters.
    void addarea(short n);

    // Remove leading / trailing blanks (the space character only).
    void ltrim();
    void rtrim();
    // Replace every / the first occurrence of old (searched case-insensitively)
    // by nouv. An empty old replaces nothing.
    void replaceall(const char* old, const char* nouv);
    void replaceone(const char* old, const char* nouv);

    // Case-insensitive equality with text.
    bool uqual(const char* text) const;
    // Whether this string, its leading blanks ignored, begins with text
    // (case-insensitive).
    bool debut(const char* text) const;
    bool isempty() const { return buf.adr()[0] == 0; }
    bool notempty() const { return buf.adr()[0] != 0; }
    // Length, saturated at maxtextlen.
    short len() const;

    // The buffer, never null; valid until the next modification. Shortening it
    // in place (as the popping functions do) is allowed.
    char* adr() { return buf.adr(); }
    const char* adr() const { return buf.adr(); }
    // A new copy of the text; the caller owns it.
    heaptext gdup() const;
    // Replace the text by the next line of f (see heaplinput).
    void filinput(std::FILE* f, bool& eof);
    // Write the text and CR LF to f.
    void write(std::FILE* f) const;
    // Exchange the texts of the two strings.
    void swapwith(gstring& g) noexcept;

private:
    heaptext buf; // never null
};

void swapgstring(gstring& a, gstring& b) noexcept;
