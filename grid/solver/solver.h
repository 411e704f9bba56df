// The counting solver: how many fillings of a shape agree with given values, up to a limit.
#pragma once

#include <cstdint>

#include "grid/solver/shape.h"
#include "grid/solver/valuemask.h"

namespace solver {

struct solve_result {
    int solutions = 0;   // solutions found, never more than the limit asked for
    cellvalues first;    // the first solution found; empty when there is none
    bool settled = true; // false when the search stopped at its node limit before it was done
    long nodes = 0;      // search nodes visited: backtracking nodes, then clause-search decisions
};

// Counts the fillings of `s` that keep the values of `givens` (one entry per cell, 0 for an empty
// cell; an entry above 6 counts as empty), stopping as soon as `limit` (at least 1) are found.
// A positive `max_nodes` bounds the search; when it is reached the search is not settled and
// reports no solution. The search first backtracks (backtrack.h) for as many nodes as the shape
// has cells; when that does not settle the count, a clause-learning SAT search over the cells'
// values (cdcl.h) makes it, with at most `max_nodes` decisions. Neither is random in a way that
// varies: the same call gives the same result on every platform.
solve_result solve(const shape& s, const cellvalues& givens, int limit = 2, long max_nodes = 0);

// The clause-learning search alone, without the backtracking try before it: the second stage of
// solve(), with the same arguments and result (`nodes` counts its decisions), for the tests and
// measurements of that stage.
solve_result clause_solve(const shape& s, const cellvalues& givens, int limit = 2,
                          long max_nodes = 0);

} // namespace solver
