// heaptext: the owning, move-only heap text buffer that every "heap..." function
// returns and every "z" operation adopts, and the functions that allocate one.
//
// Text lengths: a text may be longer than 32767 bytes. Every operation works on
// the whole text; only results that are 16-bit lengths, counts or positions are
// limited, and they saturate at `maxtextlen` (see the headers that say so).
#pragma once

#include <cstddef>
#include <memory>

inline constexpr short maxtextlen = 32767;

// A length held in a 16-bit count: n itself, or `maxtextlen` when n is larger.
short saturlen(std::size_t n) noexcept;

// Length of a NUL-terminated text; a null pointer counts as length 0.
std::size_t textsize(const char* a) noexcept;

// Owns one NUL-terminated heap buffer, or nothing (the null handle, which every
// function that reads a heaptext treats as the empty text). Moving transfers
// ownership and leaves the source null; copying is not possible, so a buffer
// can be neither leaked nor freed twice.
class heaptext {
public:
    heaptext() = default;
    heaptext(heaptext&&) noexcept = default;
    heaptext& operator=(heaptext&&) noexcept = default;
    heaptext(const heaptext&) = delete;
    heaptext& operator=(const heaptext&) = delete;
    ~heaptext() = default;

    // A new buffer of room + 1 bytes, all NUL (an empty text that can grow to
    // room characters in place).
    static heaptext allocate(std::size_t room);

    // The buffer, or null for the null handle. Valid while this object owns it.
    char* adr() noexcept { return buf.get(); }
    const char* adr() const noexcept { return buf.get(); }
    // The text, or "" for the null handle; never null.
    const char* text() const noexcept { return buf ? buf.get() : ""; }
    bool isnull() const noexcept { return !buf; }
    // Length of the text (scanned up to the NUL); 0 for the null handle.
    std::size_t size() const noexcept { return textsize(buf.get()); }
    // Frees the buffer; the handle becomes null.
    void reset() noexcept { buf.reset(); }

private:
    std::unique_ptr<char[]> buf;
};

// A new buffer holding the concatenation a+b+c+d+e+f (null arguments count as
// empty). The caller owns the result.
heaptext heapnew(const char* a, const char* b = nullptr, const char* c = nullptr,
                 const char* d = nullptr, const char* e = nullptr, const char* f = nullptr);
// A new empty text.
heaptext heapnewvide();
// A new empty text with room for n characters (none when n is not positive).
heaptext heaparea(short n);
// A new text of n copies of ch (empty when n is not positive or ch is NUL).
heaptext heapline(short n, char ch);
// A new copy of a (empty when a is null).
heaptext dup(const char* a);
// Frees p's buffer; p becomes null.
void deletepnullchaine(heaptext& p) noexcept;
