// The built-in catalogue as stored: every text scrambled (see vodecrypte.h).
// The definitions live in grillesdonnees.cpp, which the catalogue tool writes.
#pragma once

struct grilledonnee {
    const char* nom;           // the grid's name, scrambled
    short niveau;              // the grid's level, 1..7
    const char* const* textes; // its grouped definition texts, scrambled
    short nbtextes;
};

// The catalogue's entries, in look-up order.
extern const grilledonnee grillesdonnees[];
extern const short nbgrillesdonnees;
// The playable grids' names, comma-separated, scrambled.
extern const char* const nomsjouablescryptes;
// The name of the grid shown at start-up, scrambled.
extern const char* const nomdepartcrypte;
