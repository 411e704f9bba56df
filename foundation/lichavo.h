// lichavo: the ordered list of owned texts, with 1-based indices, optional
// sorted insertion, comma-joined and one-line-per-element file forms.
//
// A "p" operation copies the caller's text (the caller keeps it); a "z"
// operation takes ownership of a heap buffer (the list frees it, also when it
// declines to store it). A null text or null heaptext counts as empty. An
// index outside 1..effectif() addresses nothing. Equality is case-insensitive
// (strugal). Counts and lengths saturate at maxtextlen.
#pragma once

#include "foundation/gstring.h"
#include "foundation/heaptext.h"

#include <cstdio>
#include <functional>
#include <span>
#include <vector>

class lichavo {
public:
    lichavo() = default;
    lichavo(lichavo&&) noexcept = default;
    lichavo& operator=(lichavo&&) noexcept = default;
    lichavo(const lichavo&) = delete;
    lichavo& operator=(const lichavo&) = delete;
    ~lichavo() = default;

    // Sort mode for sorted insertion and tribon: 0 plusgrandnor (default),
    // 1 plusgrandalphanu.
    void settrimode(short mode) { trimode = mode; }
    short gettrimode() const { return trimode; }
    // plusgrandselon in this list's sort mode: 1 a after b, 2 before, 0 equal.
    short quigrand(const char* a, const char* b) const;

    // Sorted insertion: before the first element that the text does not sort
    // after (so among equal elements the newest comes first).
    void pinsert(const char* text);
    void zinsert(heaptext buf);
    // Sorted insertion unless an equal element exists (then nothing, and the z
    // form frees buf). Returns whether the text was inserted.
    bool pinsertone(const char* text);
    bool zinsertone(heaptext buf);
    // Insert so that the new element gets index i (i <= 1: at the front; past
    // the end: appended).
    void pinsert(short i, const char* text);
    void zinsert(short i, heaptext buf);

    // Append a+b+c / an empty text / an adopted buffer.
    void padd(const char* a, const char* b = nullptr, const char* c = nullptr);
    void paddvide();
    void zadd(heaptext buf);
    // Append unless an equal element exists; returns whether appended.
    bool paddone(const char* text);
    bool zaddone(heaptext buf);

    // Push at the front.
    void ppush(const char* text);
    void zpush(heaptext buf);
    // Unlink the first element and return its text (the caller owns it); an
    // empty list gives a new empty text.
    heaptext pop();
    // Pop into g.
    void gpopto(gstring& g);
    // Pop and copy the text into buf, cut to its capacity (buf.size() - 1
    // characters, NUL-terminated; nothing written when buf is empty).
    void xpopto(std::span<char> buf);

    // Remove the i-th element / the last / all.
    void kill(short i);
    void killast();
    void clear();
    void scratch();

    // The i-th text, null out of range; valid until that element changes or
    // is removed (other insertions and removals leave it valid).
    char* adr(short i);
    const char* adr(short i) const;
    // Replace the i-th text by a copy of text.
    void modif(short i, const char* text);
    // Exchange the i-th and j-th texts.
    void swap(short i, short j);
    // gstring operations applied to the i-th text.
    void ltrim(short i);
    void rtrim(short i);
    void replaceall(short i, const char* old, const char* nouv);
    void replaceone(short i, const char* old, const char* nouv);
    void padding(short i, short n);

    // Index of the first element equal to text / beginning with text (debuli);
    // 0 when none.
    short trouvexact(const char* text) const;
    short trouvedeb(const char* text) const;

    // Sort ascending in the sort mode by re-inserting the elements in order
    // with pinsert: equal elements end up in reverse of their former order.
    void trialpha();
    // Whether no element sorts after its successor.
    bool tribon() const;
    // Reverse the whole list / the elements a..b (clipped to 1..effectif()).
    void inversion();
    void inversion(short a, short b);

    // Remove empty elements; remove every element equal to its predecessor;
    // shorten every run of consecutive empty elements to one.
    void killvides();
    void killdoubles();
    void maxunevide();

    // The function receives a gstring holding a copy of the element and may
    // change it. parunekill walks last to first, removes the element when fn
    // returns true and otherwise stores the text back; returns whether
    // anything was removed.
    bool parunekill(const std::function<bool(gstring&)>& fn);
    // Store every changed text back, walking last to first / first to last.
    void parunekeepdec(const std::function<void(gstring&)>& fn);
    void parunekeepcroi(const std::function<void(gstring&)>& fn);
    // Walk the pairs (i, i+1) from the last pair to the first; fn's code:
    // 0 store both back, 1 remove the first, 2 remove the second, 3 remove
    // both (other codes act as 0). Returns whether anything was removed.
    bool pardeuxkill(const std::function<short(gstring&, gstring&)>& fn);
    // Store both texts of every pair back, last pair to first.
    void pardeuxkeep(const std::function<void(gstring&, gstring&)>& fn);

    // Append other's elements, popping them from other (other ends empty) /
    // copying them.
    void mergeclean(lichavo& other);
    void mergekeep(const lichavo& other);
    // Move the i-th element to the end of other.
    void moveitemto(lichavo& other, short i);
    // Exchange the elements (each list keeps its sort mode).
    void swapwith(lichavo& other) noexcept;

    bool isempty() const { return items.empty(); }
    short effectif() const;
    // The greatest element length (0 for an empty list).
    short pluslongue() const;
    // The sum of the element lengths plus extra per element.
    short totalong(short extra) const;

    // g becomes the elements in order, each followed by ","; the move form
    // pops them (the list ends empty).
    void movetogstring(gstring& g);
    void copytogstring(gstring& g) const;
    // Clear the list, then pop words from g (depilemot; g ends empty) and
    // append each.
    void setfromgskill(gstring& g);
    // The same on a copy of the text.
    void setfromgskeep(const gstring& g);
    void setfromgskeep(const char* text);

    // Append the lines of a text file (heaplinput); bkill skips empty lines,
    // bkeep keeps them. A file that cannot be opened adds nothing.
    void addfromfilebkill(const char* path);
    void addfromfilebkeep(const char* path);
    // Pop the first element into f as one line.
    void poptofile(std::FILE* f);
    // Pop every element into f as lines; the path form creates (overwrites)
    // the file first, and keeps the list when the file cannot be created.
    void movetofile(std::FILE* f);
    void movetofile(const char* path);
    // Write every element as a line, keeping the list / into a created file.
    void copyaddtofile(std::FILE* f) const;
    void copycreafile(const char* path) const;
    // Lines end with CR LF.

private:
    std::vector<heaptext> items; // never holds a null handle
    short trimode = 0;
};

// Exchange the elements of a and b (each keeps its sort mode).
void swaplicha(lichavo& a, lichavo& b) noexcept;
