// Puzzles with their cells renumbered: the same puzzle under another cell order, which changes
// the order every solver meets the cells and values in.
#pragma once

#include <random>
#include <vector>

#include "grid/solver/shape.h"
#include "grid/solver/valuemask.h"

namespace satbench {

// The shape with cell c renamed order[c] (order: a permutation of the cells).
solver::shape renumbered(const solver::shape& s, const std::vector<int>& order);

// The values moved with their cells: entry c of `values` becomes entry order[c].
solver::cellvalues moved(const solver::cellvalues& values, const std::vector<int>& order);

// The identity order of `cells` cells, shuffled by `rng` when it is not null.
std::vector<int> cell_order(int cells, std::mt19937* rng);

} // namespace satbench
