// Putting a grid's saved state of play back on its board, at the level the
// player chose for it.
#pragma once

class clagrivora;

// With level 1..7, make it the grid's wanted level and apply it (the cells
// not given at that level are emptied); with 0 the level in force stays.
// Then decode the state text (setactudatabis; the pending entries are
// applied by the next debutmodaffichagrille). The text is rejected (the
// board keeps the givens only, without marks or pending entries) when
// setactudatabis rejects it, when it holds a character that no state of play
// holds, or when two cells that share a corner end up with the same value.
// Returns whether the text was accepted; the empty text is.
bool restaureplateau(clagrivora& grid, short level, const char* text);
