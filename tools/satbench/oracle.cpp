// CaDiCaL in process: solutions counted by excluding each one found, fillings from random phases,
// minimal puzzles with the givens as assumptions of a single incremental solver.
#include "tools/satbench/oracle.h"

#include <algorithm>
#include <numeric>

#include <cadical.hpp>

#include "tools/satbench/cnf.h"

namespace satbench {

namespace {

constexpr int satisfiable = 10;
constexpr int unsatisfiable = 20;

// The clauses of `f` given to a solver that prints nothing.
void add_clauses(CaDiCaL::Solver& sat, const cnf& f) {
    sat.set("quiet", 1);
    for (const auto& clause : f.clauses) {
        for (int literal : clause) sat.add(literal);
        sat.add(0);
    }
}

solver::cellvalues model(CaDiCaL::Solver& sat, int cells) {
    solver::cellvalues filling(cells, 0);
    for (int c = 0; c < cells; ++c) {
        for (int v = 1; v <= 6; ++v) {
            if (sat.val(variable(c, v)) > 0) filling[c] = static_cast<std::uint8_t>(v);
        }
    }
    return filling;
}

} // namespace

sat_count sat_count_solutions(const solver::shape& s, const solver::cellvalues& givens, int limit) {
    const cnf f = encode(s, givens);
    CaDiCaL::Solver sat;
    add_clauses(sat, f);
    sat_count out;
    while (out.solutions < std::max(limit, 1) && sat.solve() == satisfiable) {
        const solver::cellvalues filling = model(sat, s.cell_count());
        if (out.solutions++ == 0) out.first = filling;
        const std::vector<int> excluded = blocking_clause(filling, givens);
        if (excluded.empty()) break; // every cell given: no other filling
        for (int literal : excluded) sat.add(literal);
        sat.add(0);
    }
    return out;
}

solver::cellvalues sat_filling(const solver::shape& s, std::mt19937& rng) {
    CaDiCaL::Solver sat;
    sat.set("lucky", 0); // its first tries would ignore the phases
    add_clauses(sat, encode(s, {}));
    for (int x = 1; x <= 6 * s.cell_count(); ++x) sat.phase(rng() % 2 == 0 ? x : -x);
    if (sat.solve() != satisfiable) return {};
    return model(sat, s.cell_count());
}

sat_puzzle sat_minimal_puzzle(const solver::shape& s, const solver::cellvalues& solution,
                              std::mt19937& rng) {
    CaDiCaL::Solver sat;
    add_clauses(sat, encode(s, {}));
    // Some cell differs from the solution: with the givens assumed, unsatisfiable exactly when
    // the solution is the only one.
    for (int c = 0; c < s.cell_count(); ++c) sat.add(-variable(c, solution[c]));
    sat.add(0);

    sat_puzzle out{solution, 0};
    solver::cellvalues& givens = out.givens;
    std::vector<int> order(s.cell_count());
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), rng);
    for (int removed : order) {
        for (int c = 0; c < s.cell_count(); ++c) {
            if (c != removed && givens[c] != 0) sat.assume(variable(c, givens[c]));
        }
        sat.limit("conflicts", removal_conflicts);
        const int answer = sat.solve();
        if (answer == unsatisfiable) givens[removed] = 0;
        out.unproven += answer != unsatisfiable && answer != satisfiable ? 1 : 0;
    }
    return out;
}

} // namespace satbench
