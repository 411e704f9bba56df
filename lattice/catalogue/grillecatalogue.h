// The built-in grid catalogue: looking a grid up by name, loading it into the
// grid page its caller passes, and the list of playable grids.
#pragma once

#include "grid/clagrivora.h"

#include "foundation/gstring.h"
#include "foundation/lichavo.h"

// The grouped definition texts of the grid last looked up.
extern lichavo ligridef;
// The level of the grid last looked up; 0 when none.
extern short nigridef;
// Set to 5 by every look-up.
extern short grinombre;
// The playable grids' names, comma-separated (set by nomgrinit).
extern gstring nomdegrinu;

// The number of grid page slots: slot 0 is the grid in play, slot 1 the rules
// pages' grid. The pages themselves belong to their caller.
inline constexpr short nbgrilleslots = 2;

// When name is in the catalogue (compared case-insensitively, the first match
// winning): append its grouped texts, unscrambled, to ligridef, set nigridef
// to its level and return 1; otherwise return 0 and add nothing. grinombre
// becomes 5 in both cases.
short grilledef(const char* name);
// Load the catalogue grid name into page, the caller's grid page of slot
// (0..nbgrilleslots - 1): page keeps the expanded definition lines
// (getlignesdef) and gets the grid's name, its level (when positive), the cell
// and neighbour tables, the givens of the level and the allowed values. An
// unknown name or slot, or a null page, leaves the page as it was. ligridef
// ends empty and nigridef holds the grid's level (0 when not loaded). Returns
// 1 when loaded, else 0.
short grilleload(short slot, clagrivora* page, const char* name);
// Load a grid from its grouped definition texts into page, as grilleload
// loads a catalogue grid: name and level (when positive) as the catalogue
// would give them. The page must hold at least one cell afterwards; when it
// does not (damaged texts), it is left empty and 0 is returned, else 1.
short grilletextesload(clagrivora* page, const char* name, const lichavo& textes, short level);
// Set nomdegrinu to the playable grids' names.
void nomgrinit();
// g becomes the name of the grid shown at start-up.
void nomgrilledepart(gstring* g);

// The number of catalogue entries, and g becomes the name of entry i
// (1-based; empty outside 1..count).
short nbgrillescatalogue();
void nomgrillecatalogue(short i, gstring* g);
