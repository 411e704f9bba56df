// Number to text: `vi` results in a rotating scratch area, `wi` results on a
// global stack of strings.
//
// vi, vi(n,width), vicara and vflo write into one process-wide 150-byte area
// and return a pointer into it: each call takes the next free bytes (16 for
// vi(n), 12 for vi(n,width), 3 for vicara, 32 for vflo) and the area restarts
// at offset 0 when they would reach offset 150. A result is valid only until
// later conversions wrap round onto it: use it at once.
//
// The wi family pushes each result on a global stack (a lichavo) and returns
// the pushed text, valid until the stack is cut by wireset or wiraz.
// Single-threaded, not guarded.
#pragma once

// Decimal form of n.
const char* vi(int n);
// Decimal form of n left-padded with "0" to width characters, of which the
// rightmost width are kept (width is clipped to 0..11). A negative n keeps
// its "-" in front: vi(-5,3) is "-05".
const char* vi(int n, short width);
// The one-character text ch (empty when ch is NUL).
const char* vicara(char ch);
// Decimal form of x with up to six significant digits ("%g").
const char* vflo(double x);
// "oui" when flag is true, else "non" (static texts, always valid).
const char* vouinon(bool flag);

// As vi(n), vi(n,width), vicara, but kept on the wi stack.
const char* wi(int n);
const char* wizo(int n, short width);
const char* wicara(char ch);
// Decimal form of n followed by ",".
const char* wivg(int n);
// text padded with blanks on the right / on the left to n characters (a text
// longer than n is kept whole).
const char* wigauche(short n, const char* text);
const char* widroite(short n, const char* text);
// A copy of a when flag is true, else of b.
const char* wiselon(bool flag, const char* a, const char* b);
// Record the current depth of the wi stack.
void wimemo();
// Pop the wi stack down to the last recorded depth (and forget that record);
// empties the stack when no depth is recorded.
void wireset();
// Empty the wi stack and forget every recorded depth.
void wiraz();
