// Grading by reasoning: which tiers of technique solve a puzzle when the easiest tier that makes
// progress is always used first, and the effort this takes.
#pragma once

#include <array>

#include "grid/solver/shape.h"
#include "grid/solver/valuemask.h"

namespace solver {

// The tiers of technique, easiest first.
enum tier : int {
    tier_single = 1,        // a cell with one possible value
    tier_hidden_single = 2, // a value with one place left in a complete group
    tier_intersection = 3, // a value of a complete group confined to its overlap with another group
    tier_subset = 4,       // naked or hidden pairs and triples within a group
    tier_trial = 5,        // a search by trial and backtracking
};

inline constexpr int tier_count = 5;

struct reasoning {
    bool solved = false;        // every cell was filled
    int hardest_tier = 0;       // highest tier used; 0 when every cell was given
    std::array<int, 6> steps{}; // steps[t]: deductions made by tier t (steps[0] stays 0)
    long search_nodes = 0;      // nodes of the tier-5 search; 0 when there was none
    cellvalues values;          // the value fixed in each cell, 0 where the reasoning stopped
};

// Applies tiers 1..max_tier to `givens` (one entry per cell, 0 for empty), always the easiest tier
// that makes progress. Tiers 1 to 4 only deduce, so a puzzle they solve has exactly one solution.
// Tier 5, when the others are stuck, is one search by the counting solver (which does not know
// the solution) from the values placed so far: it finishes the puzzle when that search finds
// exactly one solution, and counts as one step whose size is the search's nodes.
reasoning reason(const shape& s, const cellvalues& givens, int max_tier);

// The effort a reasoning took: each step weighs 1, 3, 9 or 27 by its tier (1 to 4), and the
// search of tier 5 weighs 100 plus 20 per node. Grows with every cell the player must find and
// with the hardness of the techniques, so that fewer givens on the same grid mostly mean more.
long effort_score(const reasoning& r);

struct grade_result {
    int solutions = 0;   // 0, 1, or 2 for two or more
    cellvalues solution; // the solution when there is exactly one
    reasoning grade;     // the tiers needed, when there is exactly one solution
};

// Counts the solutions of `givens` up to two and, when there is exactly one, grades the puzzle.
grade_result grade(const shape& s, const cellvalues& givens);

} // namespace solver
