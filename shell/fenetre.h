// The main window procedure and the start-up of the game.
#pragma once

#include "platform/win32.h"

LRESULT CALLBACK WindProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Start-up up to the message loop: read the parameter file, create the main
// window, load the current grid, create the buttons and the cursors. Returns
// the main window, null when it could not be created (the player was told).
HWND demarrage(HINSTANCE instance, int montrer);
// The message loop until the quit message; returns its wParam.
int bouclemessages();
// Free what the shell holds (cursors, kept bitmaps) after the loop ended.
void finjeu();
