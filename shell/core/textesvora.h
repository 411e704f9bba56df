// The game's own texts by key, unscrambled; the program title.
#pragma once

#include "foundation/gstring.h"

// out becomes the plain text of key (Windows-1252), empty for an unknown key.
void textevora(gstring& out, const char* key);
// out becomes the program title: the stored title, a blank and the version
// number ("V-O-RA 110"). It is the main window's caption and the base of the
// parameter file's name.
void titreprogramme(gstring& out);
