// The counting solver: how many fillings of a shape agree with given values, up to a limit, and
// random complete fillings for the generator.
#pragma once

#include <cstdint>
#include <random>

#include "tools/solver/shape.h"
#include "tools/solver/valuemask.h"

namespace solver {

struct solve_result {
    int solutions = 0;   // solutions found, never more than the limit asked for
    cellvalues first;    // the first solution found; empty when there is none
    bool settled = true; // false when the search stopped at its node limit before it was done
    long nodes = 0;      // search nodes visited, over every restart
};

// Counts the fillings of `s` that keep the values of `givens` (one entry per cell, 0 for an empty
// cell; an entry above 6 counts as empty), stopping as soon as `limit` (at least 1) are found.
// A positive `max_nodes` bounds the search; when it is reached the search is not settled and
// reports no solution. The search restarts with other choices on a schedule; its random choices
// come from a fixed seed, so the same call gives the same result on every platform.
solve_result solve(const shape& s, const cellvalues& givens, int limit = 2, long max_nodes = 0);

// A complete valid filling of `s` chosen by randomised backtracking driven by `rng`; empty when
// the shape has none. The same generator state gives the same filling on every platform.
cellvalues random_filling(const shape& s, std::mt19937& rng);

} // namespace solver
