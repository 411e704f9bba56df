// New grids in the main window: the picker (a shape, then a level, each in a
// popup menu), the generator's job run beside the message loop and polled by
// a timer, the indicator shown while it takes long, its cancelling, and the
// generated grid taken in play.
#pragma once

#include "platform/win32.h"

#include "shell/menucles.h"

#include <vector>

// Command ids: "N" the picker; back to the generated grid; the indicator's
// line (cancel); the picker's shapes (idnouvelleforme + i, 0 the shape of
// the grid in play) and levels (idnouvelleniveau + 1..7).
inline constexpr short idnouvelle = 60;
inline constexpr short idnouvelleretour = 61;
inline constexpr short idnouvelleannule = 62;
inline constexpr short idnouvelleforme = 200;
inline constexpr short idnouvelleniveau = 230;

// The main window's timer that polls the job (every 50 ms while it runs).
inline constexpr UINT_PTR timernouvelle = 6;

// The popup menu's lines of new grids: "N", and, when there is a generated
// grid and it is not the one in play, back to it.
std::vector<lignemenu> lignesnouvelle();
// Run a command of new grids; false, doing nothing, for another id. Outside
// the grid and the empty window (the rules pages) nothing opens.
bool commandenouvelle(HWND window, short id);
// The timer went off: a finished job's grid is taken in play (once no
// message box is open); after 200 ms of work the indicator shows.
void surveillenouvelle(HWND window);
// Escape while a job runs cancels it; returns whether the key was used.
bool touchenouvelle(WPARAM touche);
// Stop a running job and forget it; the grid in play is left as it is.
void annulenouvelle();
