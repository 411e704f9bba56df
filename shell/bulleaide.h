// The help shown in the main window: the hint's cells and the wrong entries
// marked on the grid, and its text in a bubble inside the window that
// covers none of the cells it names. It stays until the next move, click or
// key.
#pragma once

#include "shell/appli.h"

#include "shell/core/indice.h"

#include <vector>

// Show h (the previous help replaced): its cells in the drawing context, the
// grid repainted, the bubble placed by placebulle in the client area.
void montreaide(claappli& a, const aidemontree& h);
// Take the help away: the marks, the bubble and the game's memory of it
// (partie.oublieaide); nothing when none is shown.
void cacheaide(claappli& a);
// The client rectangles of the help marked in c on a's grid: its cells'
// bounding boxes and its corner's surroundings.
std::vector<RECT> casesnommees(claappli& a, const contextedessin& c);
// Where a bubble of size taille goes in zone (client pixels): beside what it
// must not cover (under, over, right, left of all of evitees), else in a
// corner of zone right of the button column; the first that covers none of
// evitees and not the column, else the one that covers the fewest of
// evitees. Always inside zone when it fits there.
RECT placebulle(const RECT& zone, SIZE taille, const std::vector<RECT>& evitees,
                const RECT& colonne);
