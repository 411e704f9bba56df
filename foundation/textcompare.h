// Case-insensitive comparison, ordering and search on NUL-terminated texts.
//
// Letters fold by `carmaju`, which upper-cases "a".."z" only; every other byte
// (accented letters included) compares as itself, as an unsigned byte. A null
// text counts as the empty text. Positions are 1-based; 0 means not found.
// Only occurrences whose position fits 16 bits (up to maxtextlen) are
// reported.
#pragma once

// ch with "a".."z" folded to "A".."Z"; every other byte unchanged.
char carmaju(char ch) noexcept;
// ch with "A".."Z" folded to "a".."z"; every other byte unchanged.
char carminu(char ch) noexcept;

// Case-insensitive equality.
bool strugal(const char* a, const char* b);
// Whether a equals b or c (case-insensitive).
bool strugal(const char* a, const char* b, const char* c);
// Case-insensitive inequality.
bool strudiff(const char* a, const char* b);
// Case-insensitive equality of the first comma-separated words of a and b
// (each taken up to its first comma, untrimmed).
bool strugalvg(const char* a, const char* b);
// Whether text, its leading blanks ignored, begins with prefix
// (case-insensitive). Every text begins with the empty prefix.
bool debuli(const char* text, const char* prefix);
// When text begins with prefix (as debuli): remove the leading blanks and the
// prefix, trim both ends of what remains, and return true; else leave text.
bool debute(char* text, const char* prefix);
// Whether text ends with suffix (case-insensitive).
bool finli(const char* text, const char* suffix);

// Byte order after folding: 1 when a sorts after b, 2 when a sorts before b,
// 0 when equal. A text sorts after its own prefixes.
short plusgrandnor(const char* a, const char* b);
// Natural order: where both texts hold a digit at the same place, the whole
// digit runs compare by value (the shorter run left-padded with "0"); other
// characters compare as plusgrandnor. Same results as plusgrandnor.
short plusgrandalphanu(const char* a, const char* b);
// Mode 0: plusgrandnor; mode 1: plusgrandalphanu; any other mode: 0.
short plusgrandselon(short mode, const char* a, const char* b);

// Position of the first occurrence of sought in text, case-sensitive /
// case-insensitive; 0 when absent or sought is empty or longer than text.
short potrouvemot(const char* text, const char* sought);
short potrouvumot(const char* text, const char* sought);
// Position of the last occurrence, case-sensitive / case-insensitive.
short trouvedernier(const char* text, const char* sought);
short trouvudernier(const char* text, const char* sought);
// Address just after the first (case-sensitive) occurrence of sought in text;
// null when absent or sought is empty.
const char* justapres(const char* text, const char* sought);
char* justapres(char* text, const char* sought);
// 1-based index of the first comma-separated word of list that equals word
// (words trimmed, case-insensitive); 0 when none.
short dansliste(const char* word, const char* list);
