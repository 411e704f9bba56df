// The translator of the game's effects into the window: beeps, the erase
// signal, the cursor, repaints, help shown, and the one way to ask a
// question (the game locked and its chronometer stopped around the box, the
// answer given back through clapartie::repond); and the loading of grids
// with their splash window.
#pragma once

#include "shell/appli.h"

#include <optional>

// What a chain of effects came to.
struct bilaneffets {
    bool chargee = false;              // a grid was loaded
    bool quitter = false;              // the game may end
    std::optional<generation> generer; // a new grid to make
    bool choixnouvelle = false;        // the new grid's picker to open
};
// Carry out e, then each question it asks in a message box, giving the
// answer back to the game (partie.repond) until no question is left. While
// questions are asked the game is locked and the chronometer stopped (once,
// for the whole chain; still so when the game may end); a paint the effects
// ask for is done before their question. A loaded grid gets its page ready
// (display mode 6, the cell size, the chronometer box). Help shown goes away
// unless e shows help (which replaces it) or gardeaide (a box the player's
// move did not cause, a value chosen).
bilaneffets appliquer(claappli& a, effets e, bool gardeaide = false);
// Load grid number (1..count) of the playable list, or the grid named
// definition when it is given (partie.charge), with the splash window shown
// while loading. With ask, the player confirms first (message 5 to reload
// the current grid, 4 to load another). Returns whether it was loaded.
bool grillecharger(claappli& a, short number, const char* definition, bool ask);
// The rules pages closed: the grid kept while they were shown is loaded
// again as it was (with the splash window), or no grid is shown.
void grillereprise(claappli& a);
// The main window's timer that ends the erase signal: the erase cursor
// stays while the erasing's beeps play (beside the game), then the value's
// cursor comes back (finsignaleffacer).
inline constexpr UINT_PTR timereffacement = 3;
void finsignaleffacer(claappli& a);
// The main window's timer that ends the flash of a refused entry's
// conflicting cells (finconflits).
inline constexpr UINT_PTR timerconflits = 5;
void finconflits(claappli& a);
// Store the state of play and write the parameter file (partie.sauvejeu);
// message 17 tells a failure unless silencieux. Returns whether written.
bool sauvejeu(claappli& a, bool silencieux = false);
// The quit question and its answers (partie.demandequitter). Returns whether
// the game may end.
bool quitterdemande(claappli& a);
