// The button column as the game now is: which buttons are enabled and which
// of the rules pages' buttons show.
#pragma once

#include "shell/appli.h"

// Enable and disable the buttons for the mode, the cell size and the undo
// history; show the rules buttons in the rules mode only. Everything but
// undo and redo is set again only when the mode, the rules page or
// boutonsarafraichir changed since the last call.
void boutaffiches(claappli& a);
