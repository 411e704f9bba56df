// The popup menu's controller: a menu of lines opened beside the button
// column or at the pointer, and the keys of the main window handed to it
// while it is open.
#pragma once

#include "shell/appli.h"
#include "shell/menupopup.h"

#include <vector>

// The screen point beside the column's top, where the menus opened from the
// keyboard open.
POINT coincolonne(const claappli& a);
// Open the menu of lignes with its top-left corner at screen point p; the
// main window gets its commands.
void ouvremenu(claappli& a, POINT p, std::vector<lignemenu> lignes);
// A key for the open menu (clamenupopup::touche); false when it is closed or
// the key is not its own (the menu is then closed and the key goes on).
bool touchemenu(claappli& a, WPARAM touche);
