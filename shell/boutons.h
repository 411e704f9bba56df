// The button column of the main window: its buttons and text boxes at their
// positions, showing, enabling and hiding them by mode.
#pragma once

#include "platform/win32.h"

// Command ids of the buttons.
inline constexpr short idannuler = 8;         // "<" undo
inline constexpr short idrefaire = 9;         // ">" redo
inline constexpr short idplus = 10;           // "+"
inline constexpr short idinfo = 12;           // "I"
inline constexpr short idzero = 13;           // "0"
inline constexpr short idmoins = 20;          // "-"
inline constexpr short idquitter = 21;        // "X"
inline constexpr short idretour = 22;         // "R" (rules): back to the grid
inline constexpr short idregles = 23;         // "?" the rules pages
inline constexpr short idpageprec = 24;       // "<" (rules): previous page
inline constexpr short idpagesuiv = 25;       // ">" (rules): next page
inline constexpr short idfixe = 26;           // "F"
inline constexpr short idpause = 28;          // "P"
inline constexpr short idsauver = 29;         // "S"
inline constexpr short idlangue = 36;         // "FR/EN"
inline constexpr short idtexte = 27;          // the static text boxes
inline constexpr short idniveau = 37;         // the level text (a tooltip zone, not a window)
inline constexpr short idliste = 38;          // the list of keys (no button: the popup menu)
inline constexpr short idoptionsurligne = 39; // the options (no button: keys, the popup menu)
inline constexpr short idoptioncomptes = 40;
inline constexpr short idoptionnettoie = 41;
inline constexpr short idindice = 50;  // help (no button: keys, the popup menu): a hint
inline constexpr short idverifie = 51; // the check of the entries
inline constexpr short idnotes = 52;   // every empty cell's candidates as pencil marks
// The grid buttons' ids for grids 1..5: "Gr1" 34, "Gr2" 31, "Gr3" 33,
// "Gr4" 32, "Gr5" 30.
short idbouttongrille(short grille);
// The grid number of a grid button id, 0 for another id.
short grilledubouton(short id);

// Positions of the column (client pixels), filled by createwinboutons.
struct colonneboutons {
    short centrex = 55;
    short premierey = 20;
    short hauteur = 20;
    short grillesy = 0;        // top of the first grid button
    short niveauy = 0;         // the level text
    short valeury = 0;         // the current value's text
    short selecteurhaut = 290; // top of the value selector
    short bas = 0;             // bottom of the last button
};
extern colonneboutons colonne;

// Create the whole column as children of the main window (only once the
// shell allows it), show it with the given show command and refresh it.
void createwinboutons(HINSTANCE instance, int montrer);
// Show or hide every play button and text box (the rules buttons follow the
// mode through boutaffiches).
void showwinboutons(int montrer);
// Enable and disable the buttons for the mode, the cell size and the undo
// history; show the rules buttons in the rules mode only.
void boutaffiches();
// Forget the column once the main window (and so every button) is gone.
void oublieboutons();
// The cell-name box under the pointer.
HWND boitenomcase();
// The chronometer box; null when the chronometer display is off.
HWND boitechrono();
// A created button by id (the first, for the text boxes); null when absent.
HWND bouton(short id);
