// The grid model seen by the solver: its abstract shape, its givens at a
// threshold and its grouped definition texts.
#pragma once

#include <vector>

#include "grid/clagrivora.h"
#include "grid/solver/generator.h"
#include "grid/solver/hexshape.h"
#include "grid/solver/shape.h"
#include "grid/solver/valuemask.h"

#include "foundation/lichavo.h"

namespace grillegen {

// The shape of a grid: cell c (1..nbcases) of the grid is cell c - 1 of the
// shape, and every lattice point of the grid gives the group of the grid's
// cells that have it as a corner. Builds the grid's cell table and points.
solver::shape formedelagrille(clagrivora& g);

// The givens of a grid at a threshold: per shape cell, the given value of the
// grid's cell when its code reaches the threshold, else 0. Puts the given
// values in the grid's cell table.
solver::cellvalues donneesauseuil(clagrivora& g, short seuil);

// Build a grid whose hexagons are centred at the centres ("X" lines).
void grilledescentres(const std::vector<solver::latpoint>& centres, clagrivora& g);

// The grouped definition texts of a puzzle generated on a grid's shape:
// first the hexagons ("X" lines), then for each difficulty code from 120 down
// to 75 the cells of that code under a "%code" word, in the short line form
// (value letter "P".."U", state "K": a given shown as the cell's value).
// Each text stays below about 80 characters.
void textesgroupes(clagrivora& g, const solver::generated_puzzle& p, lichavo* textes);

// The definition lines of a complete filling (value letters, state "J").
void textessolution(clagrivora& g, const solver::cellvalues& valeurs, lichavo* textes);

} // namespace grillegen
