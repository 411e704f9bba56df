// The generator: a random complete filling of a shape and nested sets of givens for the seven
// difficulty levels, each with exactly one solution, graded by the reasoning and effort it needs.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "grid/solver/shape.h"
#include "grid/solver/valuemask.h"

namespace solver {

inline constexpr int level_count = 7;

// The threshold of a level: 75, 80, 85, 90, 95, 100, 120 for levels 1..7 (75 for any other level).
short level_threshold(int level);

// The level whose threshold a game level applies on a shape with a correction (0..3): level 7
// stays 7, any other level L becomes min(6, L + correction).
int effective_level(int level, int correction);

struct generated_puzzle {
    cellvalues solution;      // the filling, one value per cell; empty when the shape has none
    std::vector<short> codes; // per cell: the highest threshold at which it is shown, 0 if never
    int correction = 0;       // the shape's correction the levels were made for
    // Level 7 shows fewer givens than level 6. When it does not, no cell has code 120 and
    // level 7 shows the givens of level 6.
    bool has_level_seven = false;
    // Per game level l (1..7, after the correction): the cells shown, the hardest tier needed
    // and the effort (effort_score) of the reasoning.
    std::array<int, level_count + 1> givens{};
    std::array<int, level_count + 1> hardest_tier{};
    std::array<long, level_count + 1> effort{};
};

// Makes a puzzle on `s` from `seed` for a shape with the given correction; the same arguments
// give the same puzzle on every platform. Givens are removed from a random filling in a random
// order, first while single candidates solve the puzzle, then hidden singles, intersections,
// subsets, then while the solution stays unique. Game levels 1 and 2 stand in the first phase
// (single candidates only); the harder levels share the rest, level 7 at its end. When the shape
// allows it, the game levels that apply different thresholds show strictly fewer givens from
// one to the next, their effort never falls, and level 7 takes at least a quarter more effort
// than level 6 (earlier cuts for levels 3 to 6 are tried until this holds).
// A non-null `stop` is read during the random filling and between removal steps: once it is set
// the work ends soon and the puzzle returned has an empty solution; while it stays clear the
// result is the same as without it.
generated_puzzle generate(const shape& s, std::uint32_t seed, int correction = 0,
                          const std::atomic<bool>* stop = nullptr);

// The givens shown at a game level (1..7) of a puzzle: the values of the cells whose code reaches
// the threshold of the level's effective level; level 7 of a puzzle without level 7 shows the
// givens of level 6.
cellvalues givens_at(const generated_puzzle& p, int level);

} // namespace solver
