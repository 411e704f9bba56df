// Replacing text in heap buffers and in a caller's buffer of known capacity.
//
// Occurrences of old are searched case-insensitively (see carmaju), from left
// to right, and replaced texts are not searched again. An empty old replaces
// nothing. A null heaptext counts as the empty text.
#pragma once

#include "foundation/heaptext.h"

#include <span>

// Replace every / the first occurrence of old in p's text by nouv; p receives
// a new buffer (the old one is freed).
void heapreplaceall(heaptext& p, const char* old, const char* nouv);
void heapreplaceone(heaptext& p, const char* old, const char* nouv);
// Replace up to count occurrences of old by nouv in place in buf; stops
// before a replacement that would not fit buf's capacity (buf.size() - 1
// characters). Returns the number of replacements made.
short xreplacelgok(std::span<char> buf, short count, const char* old, const char* nouv);
// p's text becomes a copy of text.
void heapchange(heaptext& p, const char* text);
// Append a+b+c to p's text.
void heapadd(heaptext& p, const char* a, const char* b = nullptr, const char* c = nullptr);
// A new text of n copies of text (empty when n is not positive); the caller
// owns it.
heaptext heapxrepeat(short n, const char* text);
