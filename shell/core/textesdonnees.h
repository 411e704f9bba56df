// The game's own texts as stored: keys plain, texts scrambled (see
// lattice/catalogue/vodecrypte.h). The table lives in textesdonnees.cpp,
// which voratextes writes from tools/voratextes/textes.txt.
#pragma once

struct textecrypte {
    const char* cle;   // "titre", "commentaire", "m<number>.<fr|en>.<piece>"
    const char* texte; // Windows-1252, scrambled
};

extern const textecrypte textesdonnees[];
extern const short nbtextesdonnees;
