// The value selector's controller: choosing the current value with the
// selector, the buttons "0" and 14..19, a given cell and the keyboard.
#pragma once

#include "shell/appli.h"

// Make v the current value (a button: "0", 14..19): repainted, counted for
// the constraint display, the cursor set.
void nombreclic(claappli& a, short v);
// Source 'F' (a given cell clicked), 'T' (a selector triangle) or 'K'
// (keyboard: repainted only when what is shown changes); values outside
// 0..6 are ignored.
void cliquechiffre(claappli& a, char source, short v);
// A key 0..6 of the main keyboard or the numeric pad chooses its value, Tab
// the next one (after 6 comes 1), in any mode; the digits not with Shift or
// Ctrl (another key: a pencil mark). Handled when the key's message
// arrives, once. Returns whether the key was used.
bool captouchauvol(claappli& a, WPARAM touche, bool maj, bool ctrl);
// The digit 0..6 of a key of the main keyboard or the numeric pad, else -1.
short chiffre(WPARAM touche);
