// The grids the rules pictures show, brought to the state a player would see
// them in: the values a cell may still take, the solution found by search,
// the cells of a hexagon and a grid in progress around one hexagon.
#pragma once

#include "render/clagripage.h"

#include <vector>

// The values cell c may still take: those no neighbour holds (mask, bit
// v - 1 for value v).
short libres(const clagripage& g, short c);
// Fill every empty cell with the grid's solution (a search that always takes
// the empty cell with the fewest values left); false, with the empty cells
// left empty, when there is none.
bool solution(clagripage& g);
// The cells around hexagon h: those whose centre lies within 0.8 hexagon
// sizes of its centre (the pixel tables must be built).
std::vector<short> casesdelhexagone(const clagripage& g, short h);
// A grid in progress, with its pixel tables built: of the complete hexagons
// holding at least two empty cells, the one with the most givens gets the
// solution's values in its empty cells, and every other cell stays as it
// is. Returns that hexagon, 0 when there is none or no solution.
short partieencours(clagripage& g);
