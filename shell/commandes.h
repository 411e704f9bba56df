// The button commands of the main window (WM_COMMAND).
#pragma once

#include "platform/win32.h"

// Run command id (a button's id, or 14..19 for the selector's values). While
// another command's message box is open it is refused with two short beeps.
void commande(HWND window, short id);
