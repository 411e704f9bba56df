// The command table of the main window: each command's id (idcommandes.h),
// its keys, its texts (the tip of its button, its popup menu line, its key's
// name) and its handler. The buttons' clicks and the popup menu's lines
// (WM_COMMAND), the keys (WM_KEYDOWN), the tooltips' texts, the popup menu
// and the list of keys all read it.
#pragma once

#include "shell/appli.h"
#include "shell/menupopup.h"

#include <string>
#include <vector>

// Run command id. While another command runs (its message box open) it is
// refused with two short beeps; the popup menu closes, the help shown goes
// (but for a hint, whose second press enters its value), and the focus
// comes back to the main window. An id outside the table does nothing.
void commande(claappli& a, short id);
// A key pressed in the main window (WM_KEYDOWN's, or WM_SYSKEYDOWN's for
// F10, virtual key), with Ctrl (ctrl) and Shift (maj) as they are held: the
// command whose key it is in the current mode runs. Returns whether it was
// one.
bool touchecommande(claappli& a, WPARAM touche, bool ctrl, bool maj);
// The popup menu of commands: every command of the button column with its
// key (the tips' texts), the new grids' lines, the help, the options with
// their state and the list of keys, in the language in force.
std::vector<lignemenu> lignesdumenu(const claappli& a);
// The popup menu of commands opened at screen point p.
void ouvremenucommandes(claappli& a, POINT p);
// Fill a.textestips from the table: every tip in both languages, in and out
// of the rules pages.
void textestips(claappli& a);
// tip + " (key)" when command id has a key (its name in the language in
// force), else tip.
std::string avectouche(const claappli& a, short id, const char* tip);
// The label of an option's command with its state ("... (on)"), or of
// idliste.
std::string texteoption(const claappli& a, short id);
// The list of every command with its key, and the options with their
// state, in a message box (command idliste).
void listetouches(claappli& a);
