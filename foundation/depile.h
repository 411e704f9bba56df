// The "depile" family: popping words from the front of comma-separated text.
//
// The separator is the comma. Popping shortens the source buffer in place (it
// never grows), so any NUL-terminated buffer may be popped from, including a
// gstring's adr(). Numbers that do not fit 16 bits wrap round as 16-bit
// values (the low 16 bits of the value read).
#pragma once

#include "foundation/gstring.h"
#include "foundation/heaptext.h"

// Pop the first word of buf into dst: when buf is empty dst becomes empty;
// otherwise the word is the text up to the first comma (or the whole text),
// trimmed of blanks on both sides, and buf keeps what followed the comma (or
// becomes empty). The rest of buf is then left-trimmed.
void depilemot(gstring& dst, char* buf);
// depilemot, the word upper-cased ("a".."z" only).
void depilumot(gstring& dst, char* buf);
// As depilemot, but the rest of buf keeps its leading blanks.
void depilemotbkeep(gstring& dst, char* buf);
void depilumotbkeep(gstring& dst, char* buf);
// The word exactly as it stands up to the first comma (blanks kept); the rest
// of buf keeps its leading blanks.
void depilemotbkeepall(gstring& dst, char* buf);

// As depilemot / depilumot / depilemotbkeep, returning the word as a new
// buffer that the caller owns.
heaptext heapdepilemot(char* buf);
heaptext heapdepilumot(char* buf);
heaptext heapdepilemotbkeep(char* buf);

// Pop a word and read it as an integer: a leading "-" negates; the value is
// read from the leading decimal digits up to the first non-digit; no digits
// give 0. Wraps round as a 16-bit value.
short depilint(char* buf);
// Pop a word and read it as a decimal floating number ("1.5", "-2e3"); 0 when
// it does not begin with one or is out of range.
double depilefloat(char* buf);
// Pop a word and compare it case-insensitively with text.
bool depilugal(char* buf, const char* text);
// Drop the first n words of buf.
void dummydepile(char* buf, short n);
// The number of words: after right-trimming, 0 for the empty text, else the
// number of commas, plus one when the text does not end with a comma.
// Saturates at maxtextlen.
short nbdepilable(const char* text);
// Left-trim buf and consume its leading digits as a non-negative number
// (0 when there are none). Wraps round as a 16-bit value.
short recupint(char* buf);
