// In-place cutting, trimming and case folding of NUL-terminated buffers.
//
// Every function here only shortens or rewrites the buffer within its current
// length, except xpadding, which is told the buffer's capacity. Counts are
// 16-bit; lengths saturate at maxtextlen. Blanks are the space character.
#pragma once

#include <span>

// Remove the first / last n characters (all when n exceeds the length;
// nothing when n is not positive).
void cutleft(char* buf, short n);
void cutright(char* buf, short n);
// Keep the first / last n characters (nothing kept when n is not positive).
void keepleft(char* buf, short n);
void keepright(char* buf, short n);
// Pad the text in buf with blanks on the right to length n, never past the
// buffer's capacity (buf.size() - 1 characters and the NUL).
void xpadding(std::span<char> buf, short n);
// Remove leading / trailing blanks.
void gdltrim(char* buf);
void gdrtrim(char* buf);
// Remove every blank.
void gdalltrim(char* buf);
// Reverse the text in place.
void strinverse(char* buf);
// Fold "a".."z" to upper case / "A".."Z" to lower case; other bytes unchanged.
void strmaju(char* buf);
void strminu(char* buf);
// The last character, 0 for the empty or null text.
char lastchar(const char* text);
// The address of the terminating NUL.
char* atend(char* buf);
const char* atend(const char* text);
// Make the text empty.
void gdstraz(char* buf);
// Length (0 for null), saturated at maxtextlen.
short gdstrlen(const char* text);
// Length up to the first comma (or the whole length), saturated.
short gdstrlenvg(const char* text);
