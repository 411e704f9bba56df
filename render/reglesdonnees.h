// The rules pages' texts as stored: each line scrambled (see
// lattice/catalogue/vodecrypte.h). The table lives in reglesdonnees.cpp,
// which voratextes writes from tools/voratextes/regles.txt.
//
// A plain line starts with its kind, a letter, then a blank: "t" page title,
// "h" heading, "b" body line, "r" remark (a body line in italics), "f"
// footer, "s" small print; on page 1 "a" and "c" the two large lines and
// "T" the game's name; page 0 holds one line "p", the rules font's face.
#pragma once

struct lignecryptee {
    short page;        // 0 (the font) or 1..9
    short langue;      // 0 French, 1 English
    const char* texte; // Windows-1252, scrambled
};

extern const lignecryptee reglesdonnees[];
extern const short nbreglesdonnees;
