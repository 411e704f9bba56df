// Playing the grid in play: loading a grid, the cell size, entering a value,
// the left and right clicks, the point markers and saving.
#pragma once

#include "platform/win32.h"

// Load grid number (1..count) of the playable list, or the grid named
// definition when it is given. With ask, the player confirms first (message
// 5 to reload the current grid, 4 to load another). On yes: the grid in play,
// if any, is kept in memory as it is left (laissegrille); then mode 4, the
// grid loaded at its display mode 6 and its state of play, undo history and
// markers restored from memory as they were left (or as the parameter file
// gave them, with no history or markers). Returns whether it was loaded.
bool grillecharger(HWND window, short number, const char* definition, bool ask);
// Give the grid in play the cell size (pixels) and mark the layout stale.
void settailleprin(short size);
// Enter the current value in the current cell (beeps on refusal, the erase
// signal on erasure).
void posevaleur();
// The main window's timer that ends the erase signal: the erase cursor
// stays while the erasing's beeps play (beside the game), then the value's
// cursor comes back (finsignaleffacer).
inline constexpr UINT_PTR timereffacement = 3;
void finsignaleffacer();
// The left button released at client point p (pressed at jeu.appuigauche).
void clicgauche(POINT p);
// The right button released (pressed at jeu.appuidroit).
void clicdroit();
// Keep the grid in play in memory as it is now: its state of play in the
// in-memory saved states, its undo history (moved out) and markers in
// partieslaissees. Nothing without a current grid.
void laissegrille();
// Store the state of play of the current grid (if any) and write the
// parameter file. When it could not be written, message 17 tells the player
// unless silencieux (no one may be there to answer). Returns whether the file
// was written.
bool sauvejeu(bool silencieux = false);
// The quit question (message 9): yes saves (sauvejeu) and quits, no quits
// without saving, cancel stays; after a failed save, message 22 asks whether
// to quit all the same. Returns whether the game may end. The game is locked
// and its chronometer stopped while asking, and unlocked again when it stays.
bool quitterdemande();
// The grid-local point (y upwards) of a client point.
POINT pointlocal(POINT client);
