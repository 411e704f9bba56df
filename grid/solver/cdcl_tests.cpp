// Tests of the clause-learning SAT solver: model counts agree with enumeration on random formulas,
// a pigeonhole formula (many conflicts, restarts and reductions) is refuted, and a decision bound
// stops a search that a later call completes.
#include "grid/solver/cdcl.h"

#include <random>

#include <gtest/gtest.h>

using namespace solver;

namespace {

using formula = std::vector<std::vector<int>>;

bool satisfied_by(const formula& f, unsigned assignment) {
    for (const auto& clause : f) {
        bool any = false;
        for (int l : clause) any = any || (((assignment >> (l >> 1)) & 1u) != 0) == ((l & 1) == 0);
        if (!any) return false;
    }
    return true;
}

// Counts the models by excluding each one found; checks every model against the clauses.
int count_models(const formula& f, int variables) {
    cdcl sat(variables);
    for (const auto& clause : f) sat.add_clause(clause);
    int models = 0;
    while (sat.solve() == cdcl::answer::satisfiable) {
        unsigned assignment = 0;
        for (int x = 0; x < variables; ++x) assignment |= (sat.holds(x) ? 1u : 0u) << x;
        EXPECT_TRUE(satisfied_by(f, assignment)) << "model " << models;
        ++models;
        if (!sat.block_model()) break;
    }
    return models;
}

// n + 1 pigeons in n holes, each pigeon in a hole, no two in the same hole.
formula pigeonhole(int holes) {
    const auto in = [&](int pigeon, int hole) { return pigeon * holes + hole; };
    formula f;
    for (int p = 0; p <= holes; ++p) {
        std::vector<int> somewhere;
        for (int h = 0; h < holes; ++h) somewhere.push_back(positive(in(p, h)));
        f.push_back(somewhere);
    }
    for (int h = 0; h < holes; ++h) {
        for (int p = 0; p <= holes; ++p) {
            for (int q = p + 1; q <= holes; ++q)
                f.push_back({negative(in(p, h)), negative(in(q, h))});
        }
    }
    return f;
}

} // namespace

TEST(Cdcl, ModelCountsOfRandomFormulasMatchEnumeration) {
    std::mt19937 rng(2026);
    int unsatisfiable = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const int variables = 3 + static_cast<int>(rng() % 12);
        // Around the ratio where random 3-clause formulas turn unsatisfiable, with some clauses
        // of one, two and four literals (and repeated or opposite literals now and then).
        const int clauses = static_cast<int>(rng() % (5 * variables)) + 1;
        formula f;
        for (int i = 0; i < clauses; ++i) {
            constexpr int sizes[] = {1, 2, 3, 3, 3, 3, 3, 3, 4, 4};
            const int size = sizes[rng() % 10];
            std::vector<int> clause;
            for (int k = 0; k < size; ++k)
                clause.push_back(static_cast<int>(rng() % (2 * variables)));
            f.push_back(clause);
        }
        int expected = 0;
        for (unsigned a = 0; a < (1u << variables); ++a) expected += satisfied_by(f, a) ? 1 : 0;
        unsatisfiable += expected == 0 ? 1 : 0;
        EXPECT_EQ(count_models(f, variables), expected) << "trial " << trial;
    }
    EXPECT_GT(unsatisfiable, 40) << "the trials mix both answers";
    EXPECT_LT(unsatisfiable, 360) << "the trials mix both answers";
}

TEST(Cdcl, RefutesEightPigeonsInSevenHoles) {
    const formula f = pigeonhole(7);
    cdcl sat(7 * 8);
    for (const auto& clause : f) sat.add_clause(clause);
    EXPECT_EQ(sat.solve(), cdcl::answer::unsatisfiable);
    EXPECT_GT(sat.decisions(), 2000) << "enough conflicts for restarts and reductions";
    EXPECT_EQ(sat.solve(), cdcl::answer::unsatisfiable) << "the answer stays";
}

TEST(Cdcl, DecisionBoundStopsTheSearchAndALaterCallFinishesIt) {
    const formula f = pigeonhole(6);
    cdcl sat(6 * 7);
    for (const auto& clause : f) sat.add_clause(clause);
    EXPECT_EQ(sat.solve(10), cdcl::answer::unknown);
    EXPECT_EQ(sat.decisions(), 10);
    EXPECT_EQ(sat.solve(), cdcl::answer::unsatisfiable);
}

TEST(Cdcl, EmptyClauseAndOppositeUnitsAreUnsatisfiable) {
    cdcl empty(1);
    EXPECT_FALSE(empty.add_clause(std::vector<int>{}));
    EXPECT_EQ(empty.solve(), cdcl::answer::unsatisfiable);

    cdcl opposite(1);
    EXPECT_TRUE(opposite.add_clause(std::vector{positive(0)}));
    EXPECT_FALSE(opposite.add_clause(std::vector{negative(0)}));
    EXPECT_EQ(opposite.solve(), cdcl::answer::unsatisfiable);
}
