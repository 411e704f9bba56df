// The solution of the grid in play, worked out once per grid: the solver's
// shape of the grid (shared by the counts, the hint and the check) and the
// one filling that keeps every value of the grid's definition.
#pragma once

#include "grid/clagrivora.h"
#include "grid/solver/shape.h"
#include "grid/solver/valuemask.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

struct solutiongrille {
    solver::shape forme{0, {}};
    std::vector<short> valeurs; // entry c - 1 for cell c; empty when not known
};

// Grid g's shape and its solution, found from every value the definition has
// (the givens of its lowest level, whatever the level in force). The
// solution is left empty when there is none, more than one, or the search is
// cut short (a damaged or huge definition must not hold the window). Builds
// g's cell table and points.
solutiongrille solutiondelagrille(clagrivora& g);

// The same, taking the solution the generator made on the shape of
// description (its cells numbered as grillegen builds that shape) instead of
// searching: each value is put on the cell of g with the same name. When the
// description or the names do not give every cell of g, or the filling
// contradicts g's definition, the solution is searched as above.
solutiongrille solutiondelagrille(clagrivora& g, const std::string& description,
                                  const solver::cellvalues& generee);

// Entry v (1..6) of a solution's counts: how many cells hold v (entry 0
// unused); empty for an empty solution.
std::optional<std::array<short, 7>> totauxsolution(const std::vector<short>& solution);
