// A clause encoding of a shape's puzzle for SAT solvers, in the DIMACS CNF format.
#pragma once

#include <iosfwd>
#include <vector>

#include "grid/solver/shape.h"
#include "grid/solver/valuemask.h"

namespace satbench {

// Variable of "cell c holds value v" (c from 0, v 1..6): 6·c + v, so variables run 1..6·cells.
constexpr int variable(int cell, int value) {
    return 6 * cell + value;
}

struct cnf {
    int variables = 0;
    std::vector<std::vector<int>> clauses; // literals: +x for x, -x for not x
};

// The puzzle as clauses: every cell holds one value, two cells of a group differ, every complete
// group holds every value, and each given (entry 1..6 of `givens`) is a unit clause.
cnf encode(const solver::shape& s, const solver::cellvalues& givens);

// The clause that excludes one filling: not every non-given cell keeps its value of `filling`.
std::vector<int> blocking_clause(const solver::cellvalues& filling,
                                 const solver::cellvalues& givens);

// Writes the header and the clauses in DIMACS form.
void write_dimacs(std::ostream& out, const cnf& f);

// Reads a SAT solver's answer: true for "s SATISFIABLE", and then the filling from its "v" lines
// (one value per cell of a `cells`-cell shape). False for any other answer.
bool read_answer(std::istream& in, int cells, solver::cellvalues& filling);

// Whether `filling` satisfies every clause (a literal of a variable outside the filling is false).
bool satisfies(const cnf& f, const solver::cellvalues& filling);

} // namespace satbench
