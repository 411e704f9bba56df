// The button commands of the main window (WM_COMMAND).
#pragma once

#include "platform/win32.h"

// Play at cell size taille: the layout is made again at the next message's
// end. With rentrer, the stored position first moves so that the new window
// lies inside the work area (when it fits there).
void changetaillecase(short taille, bool rentrer);
// Run command id (a button's id, or 14..19 for the selector's values). While
// another command's message box is open it is refused with two short beeps.
void commande(HWND window, short id);
// A key pressed in the main window (WM_KEYDOWN's virtual key) while the rules
// pages are shown: Right and Page Down turn to the next page, Left and Page Up
// to the previous one (as ">" and "<"), Home and End to the first and the
// last page, Escape and Return go back to the grid (as "R"). Returns false,
// doing nothing, outside the rules pages and for any other key.
bool toucheregles(HWND window, WPARAM touche);
