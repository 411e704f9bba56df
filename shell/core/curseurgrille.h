// The keyboard cursor's moves over the cells of a grid, on the cells' rows
// and columns (clagrivora::getrangee, getcolonne): a row is a horizontal strip
// of triangles, row 1 at the top, and a triangle's column is its centre's
// abscissa in half-steps, so neighbours in a row differ by one column and the
// triangle across a horizontal edge has the same column.
#pragma once

#include "grid/clagrivora.h"

enum class sensdeplacement { gauche, droite, haut, bas };

// The cell a move from cell takes the cursor to: left and right, the nearest
// cell of the same row on that side; up and down, the nearest cell by column
// in the nearest row on that side that has cells (the triangle across the
// horizontal edge when there is one; on a tie, the one on the left). The cell
// itself when no cell lies that way, 0 for a cell outside the grid.
short casedanssens(const clagrivora& grille, short cell, sensdeplacement sens);
