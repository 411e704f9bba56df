// The command ids of the main window: the control ids of the button column,
// the selector's values, the scroll arrows, the commands without a button
// (keys and popup menu lines) and the lines of the new grid's picker.
// WM_COMMAND carries them; the command table (commandes.h) gives each its
// key, its texts and its handler.
#pragma once

// One step of the grid that way (the arrows, and a drag's steps).
inline constexpr short iddefiledroite = 2; // the grid moves right
inline constexpr short iddefilegauche = 3;
inline constexpr short iddefilebas = 4;
inline constexpr short iddefilehaut = 5;

inline constexpr short idannuler = 8;   // "<" undo
inline constexpr short idrefaire = 9;   // ">" redo
inline constexpr short idplus = 10;     // "+"
inline constexpr short idinfo = 12;     // "I"
inline constexpr short idzero = 13;     // "0", the eraser
inline constexpr short idmoins = 20;    // "-"
inline constexpr short idquitter = 21;  // "X"
inline constexpr short idretour = 22;   // "R" (rules): back to the grid
inline constexpr short idregles = 23;   // "?" the rules pages
inline constexpr short idpageprec = 24; // "<" (rules): previous page
inline constexpr short idpagesuiv = 25; // ">" (rules): next page
inline constexpr short idfixe = 26;     // "F"
inline constexpr short idtexte = 27;    // the static text boxes
inline constexpr short idpause = 28;    // "P"
inline constexpr short idsauver = 29;   // "S"
inline constexpr short idgrille5 = 30;  // "Gr5" .. "Gr1"
inline constexpr short idgrille2 = 31;
inline constexpr short idgrille4 = 32;
inline constexpr short idgrille3 = 33;
inline constexpr short idgrille1 = 34;
inline constexpr short idlangue = 36; // "FR/EN"
inline constexpr short idniveau = 37; // the level text (a zone, not a window): the level up
// Without a button (keys, the popup menu).
inline constexpr short idliste = 38; // the list of keys
inline constexpr short idoptionsurligne = 39;
inline constexpr short idoptioncomptes = 40;
inline constexpr short idoptionnettoie = 41;
inline constexpr short idmenu = 42;          // the popup menu of commands
inline constexpr short idniveaubas = 43;     // the level down
inline constexpr short idpagepremiere = 44;  // the rules' first page (Home)
inline constexpr short idpagederniere = 45;  // the rules' last page (End)
inline constexpr short idoptionerreurs = 46; // the option: mistakes shown as they happen
inline constexpr short idoptioncrayon = 47;  // the option: clicks and digits toggle marks
inline constexpr short idoptionsauve = 48;   // the option: saved after every move
inline constexpr short idoptiontheme = 49;   // the next look (palette.h)
inline constexpr short idindice = 50;        // a hint
inline constexpr short idverifie = 51;       // the check of the entries
inline constexpr short idnotes = 52;         // every empty cell's candidates as pencil marks
// New grids: "N" the picker; back to the generated grid; the indicator's
// line (cancel); the picker's shapes (idnouvelleforme + i, 0 the shape of
// the grid in play) and levels (idnouvelleniveau + 1..7).
inline constexpr short idnouvelle = 60;
inline constexpr short idnouvelleretour = 61;
inline constexpr short idnouvelleannule = 62;
inline constexpr short idboutonnouvelle = 63; // the column's "N": the generated grid
inline constexpr short idnouvelleforme = 200;
inline constexpr short idnouvelleniveau = 230;

// The selector's value v (1..6): ids 14..19, after the eraser's.
constexpr short idvaleur(short v) {
    return static_cast<short>(idzero + v);
}

// The grid button of grid 1..5; 0 for another number.
constexpr short idbouttongrille(short grille) {
    constexpr short ids[] = {idgrille1, idgrille2, idgrille3, idgrille4, idgrille5};
    return grille >= 1 && grille <= 5 ? ids[grille - 1] : short(0);
}

// The grid number of a grid button id, 0 for another id.
constexpr short grilledubouton(short id) {
    for (short g = 1; g <= 5; ++g)
        if (idbouttongrille(g) == id) return g;
    return 0;
}
