// The translator between the main window and the game in progress: clicks
// on the grid turned into cells, lattice points and intents, and the effects
// the game answers carried out (beeps, the erase signal, repaints, numbered
// questions in message boxes).
#pragma once

#include "platform/win32.h"

#include "shell/core/partie.h"

// What a chain of effects came to.
struct bilaneffets {
    bool chargee = false;              // a grid was loaded
    bool quitter = false;              // the game may end
    std::optional<generation> generer; // a new grid to make
};
// Carry out e, then each question it asks in a message box, giving the
// answer back to the game (partie.repond) until no question is left. While
// questions are asked the game is locked and the chronometer stopped; a
// paint the effects ask for is done before their question. A loaded grid
// gets its page ready (display mode 6, the cell size, the chronometer box).
// Help shown goes away unless e shows help (which replaces it) or gardeaide
// (a box the player's move did not cause).
bilaneffets appliquer(effets e, bool gardeaide = false);
// Load grid number (1..count) of the playable list, or the grid named
// definition when it is given (partie.charge), with the splash window shown
// while loading. With ask, the player confirms first (message 5 to reload
// the current grid, 4 to load another). Returns whether it was loaded.
bool grillecharger(HWND window, short number, const char* definition, bool ask);
// The rules pages closed: the grid kept while they were shown is loaded
// again as it was (with the splash window), or no grid is shown.
void grillereprise();
// Give the grid in play the cell size (pixels) and mark the layout stale.
void settailleprin(short size);
// The main window's timer that ends the erase signal: the erase cursor
// stays while the erasing's beeps play (beside the game), then the value's
// cursor comes back (finsignaleffacer).
inline constexpr UINT_PTR timereffacement = 3;
void finsignaleffacer();
// The main window's timer that ends the flash of a refused entry's
// conflicting cells (finconflits).
inline constexpr UINT_PTR timerconflits = 5;
void finconflits();
// The left button released at client point p (pressed at jeu.appuigauche):
// on a cell, the game's clicgauche; on the selector, its value; on a lattice
// point, a marker (a short click) or a scroll (a drag).
void clicgauche(POINT p);
// The right button released (pressed at jeu.appuidroit): on a cell, the
// game's clicdroit with the nearest pencil mark.
void clicdroit();
// Store the state of play and write the parameter file (partie.sauvejeu);
// message 17 tells a failure unless silencieux. Returns whether written.
bool sauvejeu(bool silencieux = false);
// The quit question and its answers (partie.demandequitter). Returns whether
// the game may end.
bool quitterdemande();
// The grid-local point (y upwards) of a client point.
POINT pointlocal(POINT client);
