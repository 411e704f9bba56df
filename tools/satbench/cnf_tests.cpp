// Tests of the clause encoding: fillings satisfy it exactly when they are solutions, the blocking
// clause excludes one filling, and DIMACS texts are written and read back.
#include "tools/satbench/cnf.h"

#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "grid/solver/backtrack.h"
#include "grid/solver/hexshape.h"
#include "grid/solver/solver.h"

using namespace satbench;

namespace {

solver::cellvalues filling_of(const solver::shape& s, std::uint32_t seed) {
    std::mt19937 rng(seed);
    return solver::random_filling(s, rng);
}

TEST(Encode, SolutionsSatisfyItAndBrokenFillingsDoNot) {
    const auto h = solver::build_hexshape(solver::compact_centres(2));
    const auto values = filling_of(h.puzzle, 4);
    solver::cellvalues givens(values.size(), 0);
    for (std::size_t c = 0; c < values.size(); c += 5) givens[c] = values[c];
    const cnf f = encode(h.puzzle, givens);
    EXPECT_EQ(f.variables, 6 * h.puzzle.cell_count());
    EXPECT_TRUE(satisfies(f, values));

    for (int c = 0; c < h.puzzle.cell_count(); c += 7) {
        auto broken = values;
        broken[c] = values[h.puzzle.neighbours(c)[0]]; // the value of a neighbour
        EXPECT_FALSE(satisfies(f, broken)) << "cell " << c;
        broken[c] = 0; // no value at all
        EXPECT_FALSE(satisfies(f, broken)) << "cell " << c;
    }
    auto other = givens;
    other[0] = static_cast<std::uint8_t>(values[0] % 6 + 1);
    EXPECT_FALSE(satisfies(encode(h.puzzle, other), values)) << "a given that disagrees";
}

TEST(Encode, BlockingClauseExcludesOnlyThatFilling) {
    const auto h = solver::build_hexshape(solver::compact_centres(1));
    const auto a = filling_of(h.puzzle, 1);
    solver::cellvalues b;
    for (std::uint32_t seed = 2; seed < 50 && (b.empty() || b == a); ++seed) {
        b = filling_of(h.puzzle, seed);
    }
    ASSERT_NE(a, b);
    cnf f = encode(h.puzzle, {});
    f.clauses.push_back(blocking_clause(a, {}));
    EXPECT_FALSE(satisfies(f, a));
    EXPECT_TRUE(satisfies(f, b));
}

TEST(Dimacs, WrittenWithItsHeaderAndAnswersReadBack) {
    cnf f;
    f.variables = 12;
    f.clauses = {{1, -2}, {7}};
    std::ostringstream out;
    write_dimacs(out, f);
    EXPECT_EQ(out.str(), "p cnf 12 2\n1 -2 0\n7 0\n");

    solver::cellvalues filling;
    std::istringstream sat(
        "c comment\ns SATISFIABLE\nv -1 2 -3 -4 -5 -6\nv -7 -8 -9 -10 -11 12 0\n");
    EXPECT_TRUE(read_answer(sat, 2, filling));
    EXPECT_EQ(filling, (solver::cellvalues{2, 6}));
    std::istringstream unsat("s UNSATISFIABLE\n");
    EXPECT_FALSE(read_answer(unsat, 2, filling));
}

} // namespace
