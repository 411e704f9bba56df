// The new grid's controller: the picker (a shape, then a level, each in a
// popup menu), the generator's job run beside the message loop and polled by
// a timer, the indicator shown while it takes long, its cancelling, and the
// generated grid given to the game in progress (clapartie::prendnouvelle).
#pragma once

#include "shell/appli.h"
#include "shell/menupopup.h"

#include <vector>

// The main window's timer that polls the job (every 50 ms while it runs).
inline constexpr UINT_PTR timernouvelle = 6;

// The popup menu's lines of new grids: "N", and, when there is a generated
// grid and it is not the one in play, back to it.
std::vector<lignemenu> lignesnouvelle(const claappli& a);
// Run a command of new grids (idnouvelle, idnouvelleretour,
// idnouvelleannule, the picker's lines); false, doing nothing, for another
// id. Outside the grid and the empty window (the rules pages) nothing opens.
bool commandenouvelle(claappli& a, short id);
// The timer went off: a finished job's grid is taken in play (once no
// command runs and outside the rules pages); after 200 ms of work the
// indicator shows.
void surveillenouvelle(claappli& a);
// Escape while a job runs cancels it; returns whether the key was used.
bool touchenouvelle(claappli& a, WPARAM touche);
// Stop a running job and forget it; the grid in play is left as it is.
void annulenouvelle(claappli& a);
