// The main window procedure and the start-up of the game.
#pragma once

#include "platform/win32.h"

LRESULT CALLBACK WindProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Start-up up to the message loop: read the parameter file (lisparametres),
// create the main window, load the current grid, create the buttons and the
// cursors. Returns the main window; null when another copy of the game holds
// the parameter file or the window could not be created (the player was
// told either way).
HWND demarrage(HINSTANCE instance, int montrer);
// The message loop until the quit message; returns its wParam.
int bouclemessages();
// Free what the shell holds (the parameter file's lock, cursors, kept
// bitmaps) after the loop ended.
void finjeu();
