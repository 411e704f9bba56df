// Playing the grid in play: loading a grid, the cell size, entering a value,
// the left and right clicks, the point markers and saving.
#pragma once

#include "platform/win32.h"

// Load grid number (1..count) of the playable list, or the grid named
// definition when it is given. With ask, the player confirms first (message
// 5 to reload the current grid, 4 to load another). On yes: mode 4, the grid
// loaded at its display mode 6, its saved state of play restored, the
// markers and the undo history cleared. Returns whether it was loaded.
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
// Store the state of play of the current grid and write the parameter file;
// tells the player when the file could not be written.
void sauvejeu();
// The grid-local point (y upwards) of a client point.
POINT pointlocal(POINT client);
