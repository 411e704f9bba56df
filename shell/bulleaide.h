// The help shown in the main window: the hint's cells and the wrong entries
// marked on the grid, and its text in the bubble near the grid. It stays
// until the next move, click or key.
#pragma once

#include "shell/appli.h"

#include "shell/core/indice.h"

// Show h (the previous help replaced): its cells in the drawing context, the
// grid repainted, the bubble under the grid.
void montreaide(claappli& a, const aidemontree& h);
// Take the help away: the marks, the bubble and the game's memory of it
// (partie.oublieaide); nothing when none is shown.
void cacheaide(claappli& a);
