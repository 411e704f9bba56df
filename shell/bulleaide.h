// The help shown in the main window: the hint's cells and the wrong entries
// marked on the grid, and its text in a bubble near the grid (a popup that
// never takes the focus). It stays until the next move, click or key.
#pragma once

#include "platform/win32.h"

#include "shell/core/indice.h"

// Show a (the previous help replaced): its cells in the drawing context, the
// grid repainted, the bubble under the grid.
void montreaide(const aidemontree& a);
// Whether help is shown.
bool aidevisible();
// Take the help away: the marks, the bubble and the game's memory of it
// (partie.oublieaide); nothing when none is shown.
void cacheaide();
