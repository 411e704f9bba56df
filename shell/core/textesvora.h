// The game's own texts by key, unscrambled; the program title; the names of
// the new grids' shapes.
#pragma once

#include "foundation/gstring.h"

#include <string>

// out becomes the plain text of key (Windows-1252), empty for an unknown key.
void textevora(gstring& out, const char* key);
// out becomes the program title: the stored title, a blank and the version
// number ("V-O-RA 110"). It is the main window's caption and the base of the
// parameter file's name.
void titreprogramme(gstring& out);
// A new grid's shape description ("ring 2", "strip 6 3") as the player reads
// it in English or in French: its first word, the family, named in that
// language ("anneau 2"); a family without a stored name ("centres ...") is
// left as it is.
std::string nomforme(const std::string& forme, bool anglais);
