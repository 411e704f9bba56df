// The counting solver checked against CaDiCaL on puzzles of several shapes under random cell
// numberings: random partial fillings (none, one or many solutions) and minimal puzzles that
// CaDiCaL makes, whole and with one given taken away, counted up to two by both. An optimised
// build (sanitized too: about 15 s there) runs every instance; a debug build a share of them.
#include "tools/satbench/oracle.h"

#include <algorithm>
#include <array>
#include <string>

#include <gtest/gtest.h>

#include "grid/generation/formes.h"
#include "grid/solver/hexshape.h"
#include "grid/solver/solver.h"
#include "tools/satbench/cnf.h"
#include "tools/satbench/renumber.h"

using namespace satbench;

namespace {

#ifdef NDEBUG
constexpr int share = 1;
#else
constexpr int share = 4;
#endif

solver::shape shape_of(const std::string& description) {
    std::vector<solver::latpoint> centres;
    EXPECT_TRUE(grillegen::centresdelaforme(description, centres)) << description;
    return solver::build_hexshape(centres).puzzle;
}

// The shape under a random numbering of its cells.
solver::shape shuffled(const solver::shape& s, std::mt19937& rng) {
    return renumbered(s, cell_order(s.cell_count(), &rng));
}

// The counts of the solver and of its clause search alone against CaDiCaL's, and their first
// solutions checked against the clauses (and equal to CaDiCaL's when there is only one). Returns
// the solver's count.
int check_count(const solver::shape& s, const solver::cellvalues& givens, const std::string& what) {
    const sat_count theirs = sat_count_solutions(s, givens, 2);
    const cnf clauses = encode(s, givens);
    int counted = 0;
    for (const bool alone : {false, true}) {
        const solver::solve_result ours =
            alone ? solver::clause_solve(s, givens, 2) : solver::solve(s, givens, 2);
        const std::string where = what + (alone ? ", clause search alone" : "");
        EXPECT_TRUE(ours.settled) << where;
        EXPECT_EQ(ours.solutions, theirs.solutions) << where;
        if (ours.solutions > 0) {
            EXPECT_TRUE(satisfies(clauses, ours.first)) << where;
        }
        if (ours.solutions == 1 && theirs.solutions == 1) {
            EXPECT_EQ(ours.first, theirs.first) << where;
        }
        if (!alone) counted = ours.solutions;
    }
    return counted;
}

} // namespace

TEST(Oracle, RandomPartialFillingsCountAlike) {
    const std::array<const char*, 6> shapes = {"compact 2", "compact 4",  "strip 12 3",
                                               "ring 4",    "triangle 8", "arms 4"};
    std::mt19937 rng(37);
    std::array<int, 3> outcomes{}; // none, one, two or more
    for (int trial = 0; trial < 240 / share; ++trial) {
        const solver::shape s = shuffled(shape_of(shapes[trial % shapes.size()]), rng);
        solver::cellvalues givens = sat_filling(s, rng);
        ASSERT_EQ(static_cast<int>(givens.size()), s.cell_count());
        // Keep from one given in six to nine in ten, now and then a wrong value among them.
        const auto keep = 10 + rng() % 45;
        for (auto& v : givens) {
            if (rng() % 60 >= keep) v = 0;
        }
        if (trial % 4 == 0)
            givens[rng() % givens.size()] = static_cast<std::uint8_t>(1 + rng() % 6);
        const int n = check_count(s, givens,
                                  std::string(shapes[trial % shapes.size()]) + ", trial " +
                                      std::to_string(trial));
        ++outcomes[std::min(n, 2)];
    }
    EXPECT_GT(outcomes[0], 0) << "some puzzles have no solution";
    EXPECT_GT(outcomes[1], 0) << "some have one";
    EXPECT_GT(outcomes[2], 0) << "some have more";
}

TEST(Oracle, MinimalPuzzlesHaveOneSolutionAndTwoWithoutAnyOfTheirGivens) {
    // Puzzles of 96 to 288 cells.
    const std::array<const char*, 6> shapes = {"compact 3", "compact 5",   "strip 20 3",
                                               "ring 8",    "triangle 12", "arms 12"};
    std::mt19937 rng(2037);
    for (std::size_t i = 0; i < shapes.size(); i += share == 1 ? 1 : 2) {
        const solver::shape s = shuffled(shape_of(shapes[i]), rng);
        const solver::cellvalues solution = sat_filling(s, rng);
        const sat_puzzle made = sat_minimal_puzzle(s, solution, rng);
        EXPECT_EQ(made.unproven, 0) << shapes[i];
        const solver::cellvalues& puzzle = made.givens;
        EXPECT_EQ(check_count(s, puzzle, shapes[i]), 1);

        // The node bound the generator works with: a settled answer is the true one.
        const solver::solve_result bounded = solver::solve(s, puzzle, 2, 20000);
        EXPECT_TRUE(!bounded.settled || bounded.solutions == 1) << shapes[i];

        std::vector<int> given;
        for (int c = 0; c < s.cell_count(); ++c) {
            if (puzzle[c] != 0) given.push_back(c);
        }
        std::shuffle(given.begin(), given.end(), rng);
        given.resize(std::min<std::size_t>(given.size(), 8 / share));
        for (int c : given) {
            solver::cellvalues fewer = puzzle;
            fewer[c] = 0;
            EXPECT_EQ(check_count(s, fewer,
                                  std::string(shapes[i]) + " without cell " + std::to_string(c)),
                      2);
        }
    }
}

TEST(Oracle, FillingsAndMinimalPuzzlesFollowTheirSeed) {
    const solver::shape s = shape_of("compact 3");
    std::mt19937 a(5);
    std::mt19937 b(5);
    std::mt19937 c(6);
    const solver::cellvalues fa = sat_filling(s, a);
    EXPECT_EQ(fa, sat_filling(s, b));
    EXPECT_NE(fa, sat_filling(s, c));
    const solver::cellvalues p = sat_minimal_puzzle(s, fa, a).givens;
    EXPECT_EQ(p, sat_minimal_puzzle(s, fa, b).givens);
    for (int cell = 0; cell < s.cell_count(); ++cell) {
        EXPECT_TRUE(p[cell] == 0 || p[cell] == fa[cell]) << "a given keeps the solution's value";
    }
    EXPECT_TRUE(sat_filling(solver::shape(7, {{0, 1, 2, 3, 4, 5, 6}}), a).empty())
        << "seven cells that must differ have no filling";
}
