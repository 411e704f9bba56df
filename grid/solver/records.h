// Per-cell records of a generated puzzle, from which the catalogue's definition lines are printed.
#pragma once

#include <vector>

#include "grid/solver/generator.h"

namespace solver {

struct cell_record {
    int cell = 0;   // the cell's number in its shape
    int value = 0;  // the cell's value in the solution, 1..6
    short code = 0; // the highest threshold at which the cell is shown; 0 when never shown
};

// One record per cell of the puzzle, in cell number order (none when generation found no filling).
std::vector<cell_record> cell_records(const generated_puzzle& p);

} // namespace solver
