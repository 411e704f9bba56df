// The main window procedure and the start-up of the game: each message of
// the main window handed to a controller (pilote*.h) or to the command table
// (commandes.h) of the application object it belongs to.
#pragma once

#include "shell/appli.h"

// The main window's procedure: the application object comes with the
// window's creation (CreateWindowExA's parameter) and is kept in its user
// data; messages before it are the system's.
LRESULT CALLBACK WindProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Start-up up to the message loop: read the parameter file (lisparametres),
// create the main window, load the current grid, create the buttons and the
// cursors, lay the window out and compute its first view. Returns the main
// window; null when another copy of the game holds the parameter file or
// the window could not be created (the player was told either way).
HWND demarrage(claappli& a, int montrer);
// The steps run at the end of every handled message of the main window: a
// stale layout made again, one repaint when one was asked (its view
// computed first), the chronometer told of a minimised window, and the
// arrows explained the first time they were painted.
void finmessage(claappli& a);
// The message loop until the quit message; returns its wParam.
int bouclemessages();
// Free what the shell holds (the parameter file's lock, cursors, kept
// bitmaps, the rules pages' pictures) after the loop ended.
void finjeu(claappli& a);
