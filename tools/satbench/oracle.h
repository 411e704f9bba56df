// CaDiCaL in process on the puzzle clauses of cnf.h: solutions counted, random fillings and minimal
// puzzles made without the counting solver, so that they can check it and be timed against it.
#pragma once

#include <cstdint>
#include <random>

#include "grid/solver/shape.h"
#include "grid/solver/valuemask.h"

namespace satbench {

struct sat_count {
    int solutions = 0;        // solutions found, never more than the limit asked for
    solver::cellvalues first; // the first one found; empty when there is none
};

// Counts the fillings of `s` that keep `givens` (as solver::solve reads them) with CaDiCaL, each
// further one searched with those before excluded, up to `limit` (at least 1).
sat_count sat_count_solutions(const solver::shape& s, const solver::cellvalues& givens,
                              int limit = 2);

// A filling of `s` found by CaDiCaL from random initial phases drawn from `rng`; empty when the
// shape has none.
solver::cellvalues sat_filling(const solver::shape& s, std::mt19937& rng);

// The conflicts CaDiCaL may take to settle one removal for sat_minimal_puzzle.
inline constexpr int removal_conflicts = 20000;

struct sat_puzzle {
    solver::cellvalues givens;
    int unproven = 0; // removals refused because CaDiCaL did not settle them within the bound
};

// A minimal puzzle of `solution` (a filling of `s`): every cell given at first, then each cell in
// a random order loses its given when CaDiCaL proves the solution stays the only one. A removal
// it settles neither way within removal_conflicts conflicts is refused, which bounds the time on
// large shapes; every other given left is needed.
sat_puzzle sat_minimal_puzzle(const solver::shape& s, const solver::cellvalues& solution,
                              std::mt19937& rng);

} // namespace satbench
