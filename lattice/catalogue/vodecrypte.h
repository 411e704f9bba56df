// Scrambling of the texts the program stores: the catalogue grids, the list
// of playable grids and the start-up grid name. `decrypvora` unscrambles;
// `crypvora` is its inverse, used by the catalogue tool that writes them.
//
// Only the printable characters " ".."~" are changed, each into another
// printable character; every other byte is kept as it stands, and the length
// never changes.
#pragma once

class gstring;

// Prepare the letter substitution from two key texts (the built-in keys are
// prepared by the first decrypvora or crypvora call when nothing was).
void voravigenerinit(const char* key1, const char* key2);
// Undo the letter substitution in place.
void voravigeneroff(char* text);
// Exchange the text's two halves in place (the middle character of an odd
// length stays); its own inverse.
void inversemoities(char* text);
// Undo the parity shift in place: characters at odd positions (1-based) move
// one way, those at even positions the other way.
void pairimpairoff(char* text);

// The plain text of a scrambled text, in one process-wide buffer that stays
// valid until the next call. A null text gives the empty text.
const char* decrypvora(const char* text);
// Marks a literal stored plain: returns text unchanged.
const char* noncrypte(const char* text);
// out becomes the scrambled form of plain: decrypvora(out) gives plain back.
void crypvora(gstring* out, const char* plain);
