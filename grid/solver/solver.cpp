// The counting solver: a short backtracking search first, then the puzzle as clauses over "cell c
// holds value v" for the clause-learning search, each further solution found after excluding the
// ones before.
#include "grid/solver/solver.h"

#include <algorithm>
#include <array>

#include "grid/solver/backtrack.h"
#include "grid/solver/cdcl.h"

namespace solver {

namespace {

// The variable of "cell c holds value v".
int variable(int cell, int value) {
    return 6 * cell + value - 1;
}
int holds(int cell, int value) {
    return positive(variable(cell, value));
}
int lacks(int cell, int value) {
    return negative(variable(cell, value));
}

// Every cell holds one value, cells that share a group differ, and every complete group holds
// every value (implied by the rest, but it lets propagation find a value's last place).
void encode(cdcl& sat, const shape& s, const cellvalues& givens) {
    for (int c = 0; c < s.cell_count(); ++c) {
        std::array<int, 6> some{};
        for (int v = 1; v <= 6; ++v) some[v - 1] = holds(c, v);
        sat.add_clause(some);
        for (int v = 1; v <= 6; ++v) {
            for (int w = v + 1; w <= 6; ++w) sat.add_clause(std::array{lacks(c, v), lacks(c, w)});
        }
        for (int n : s.neighbours(c)) {
            if (n <= c) continue;
            for (int v = 1; v <= 6; ++v) sat.add_clause(std::array{lacks(c, v), lacks(n, v)});
        }
    }
    for (int g = 0; g < s.group_count(); ++g) {
        if (!s.complete(g)) continue;
        for (int v = 1; v <= 6; ++v) {
            std::vector<int> somewhere;
            for (int c : s.group_cells(g)) somewhere.push_back(holds(c, v));
            sat.add_clause(somewhere);
        }
    }
    for (int c = 0; c < s.cell_count() && c < static_cast<int>(givens.size()); ++c) {
        if (givens[c] >= 1 && givens[c] <= 6) sat.add_clause(std::array{holds(c, givens[c])});
    }
}

} // namespace

solve_result clause_solve(const shape& s, const cellvalues& givens, int limit, long max_nodes) {
    cdcl sat(6 * s.cell_count());
    encode(sat, s, givens);
    solve_result out;
    for (;;) {
        const cdcl::answer a = sat.solve(std::max(max_nodes, 0L));
        out.nodes = sat.decisions();
        if (a == cdcl::answer::unknown) return {0, {}, false, out.nodes};
        if (a == cdcl::answer::unsatisfiable) break;
        if (out.solutions++ == 0) {
            out.first.assign(s.cell_count(), 0);
            for (int c = 0; c < s.cell_count(); ++c) {
                for (int v = 1; v <= 6; ++v) {
                    if (sat.holds(variable(c, v))) out.first[c] = static_cast<std::uint8_t>(v);
                }
            }
        }
        if (out.solutions >= std::max(limit, 1) || !sat.block_model()) break;
    }
    return out;
}

solve_result solve(const shape& s, const cellvalues& givens, int limit, long max_nodes) {
    // The backtracking search settles most puzzles, and fills an empty grid, within one node per
    // cell, sooner than the clauses are even built; past that, its time may grow steeply with the
    // numbering of the cells, and the clause search takes over.
    const long first_try =
        max_nodes > 0 ? std::min<long>(max_nodes, s.cell_count()) : s.cell_count();
    const solve_result tried = backtrack_solve(s, givens, limit, first_try);
    if (tried.settled) return tried;
    solve_result out = clause_solve(s, givens, limit, max_nodes);
    out.nodes += tried.nodes;
    return out;
}

} // namespace solver
