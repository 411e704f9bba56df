// paralivo: a sorted keyed store of «key=value» texts with case-insensitive
// keys, kept in a lichavo (sort mode 0).
//
// The key is the text before the first "="; the value is everything after it.
// An element matches key when, its leading blanks ignored, it begins with key
// followed by "=" (case-insensitive). Integers are 16-bit and wrap round.
// Overloads taking an index (short) and a key (const char*) are told apart by
// the argument's type: pass a literal 0 index as short(0).
#pragma once

#include "foundation/gstring.h"
#include "foundation/lichavo.h"

class paralivo {
public:
    void clear() { liste.clear(); }
    // 1-based index of the element of key, 0 when none.
    short xicode(const char* key) const;
    bool codexiste(const char* key) const { return xicode(key) != 0; }
    // The number of elements of key.
    short conombre(const char* key) const;

    // Replace the element of key by «key=value», or insert it at its sorted
    // place when the key is absent.
    void setparam(const char* key, const char* value);
    // setparam with the key a followed by b.
    void setbparam(const char* a, const char* b, const char* value);
    // Append text to the key's value (an absent key starts from empty).
    void catparam(const char* key, const char* text);
    // Store the decimal form of n; add n to the key's integer value (getival);
    // add 1.
    void setival(const char* key, short n);
    void addival(const char* key, short n);
    void incremival(const char* key);
    // Remove the key's element, if any.
    void killparam(const char* key);
    // Remove every element whose value equals value (case-insensitive).
    void killtoudata(const char* value);
    // Append copies of all of other's elements (no check for existing keys).
    void merge(const paralivo& other);
    // setparam every key and value of other here, other's last element first.
    void mergebien(const paralivo& other);

    // g becomes the key's value, leading blanks removed (empty when absent);
    // returns the element's index or 0.
    short getparam(gstring& g, const char* key) const;
    short getbparam(gstring& g, const char* a, const char* b) const;
    // g becomes the value of the i-th element (the whole element when it holds
    // no "="; empty when i is out of range); returns i.
    short getparam(gstring& g, short i) const;
    // g becomes the key of the i-th element (empty when it holds no "=").
    void getcode(gstring& g, short i) const;
    // k and v become the key and value of the i-th element (both empty when it
    // holds no "=").
    void getdeux(gstring& k, gstring& v, short i) const;
    // The first comma-separated word of the value read by depilint; 0 when
    // the key is absent / the i-th element holds no "=".
    short getival(const char* key) const;
    short getival(short i) const;
    // Append to list, for every element in order, prefix followed by the
    // element's text.
    void giveall(const char* prefix, lichavo& list) const;

    // The elements, for the list and file operations of lichavo.
    lichavo liste;
};
