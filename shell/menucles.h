// The popup menu of the main window (the menu key, Shift+F10, a right click
// on the button column): every command of the button column with its key
// (the tooltips' texts), the options with their state and the list of keys.
// A click on a line runs it; while it is open the main window hands it the
// keys: Up and Down choose a line, Return runs it, Escape closes it. A click
// anywhere else, or any command, closes it.
#pragma once

#include "platform/win32.h"

#include <string>
#include <vector>

// A line of a popup menu: the command its choice posts to the main window
// (WM_COMMAND) and its text.
struct lignemenu {
    short id;
    std::string texte;
};

// Open the menu with its top-left corner at screen point p (kept inside the
// work area); the main window gets its commands.
void ouvremenu(HWND principale, POINT p);
// Open a popup menu of lines of one's own (the new grid's picker) the same
// way, with the same keys; choosing a line posts its command.
void ouvrelignes(HWND principale, POINT p, std::vector<lignemenu> lignes);
bool menuouvert();
void fermemenu();
// A key for the open menu; false when the menu is closed or the key is not
// one of its own (the menu is then closed and the key goes on).
bool touchemenu(WPARAM touche);
