// The keys of play in the main window: the keyboard cursor and the entries
// on its cell (the game's keyboard intents), a key for every command of the
// button column and for the options, and the key names the tooltips show.
#pragma once

#include "platform/win32.h"

#include <string>

// A key pressed in the main window (WM_KEYDOWN's virtual key) outside the
// rules pages. Commands: Ctrl+Z "<", Ctrl+Y ">", "+" and "-" (main keyboard
// or numeric pad), I, F1 "?", F, P, S, L "FR/EN", X, F2..F6 the grids, N a
// new grid (nouvelle.h), Page Up and Page Down the level up and down, the menu
// key and Shift+F10 the list of keys (the popup menu, menucles.h). Options: V
// the highlight, C the counts, A
// the cleaning of pencil marks. In play: the arrows show and move the cursor
// (kept in view), digits enter on its cell, Shift+digit toggles a pencil
// mark, Space and Return enter the current value, Delete and Backspace
// erase. Returns whether the key was used.
bool touchejeu(HWND window, WPARAM touche);
// tip + " (key)" when command id has a key (its name in the language in
// force), else tip.
std::string avectouche(short id, const char* tip);
// Switch option id (idoptionsurligne, idoptioncomptes, idoptionnettoie) and
// repaint.
void basculeoption(short id);
// The label of option id with its state ("... (on)"), or of idliste.
std::string texteoption(short id);
// The list of every command with its key, and the options with their
// state, in a message box (command idliste, from the popup menu).
void listetouches();
