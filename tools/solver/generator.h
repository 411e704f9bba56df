// The generator: a random complete filling of a shape and nested sets of givens for the seven
// difficulty levels, each with exactly one solution and a ceiling on the reasoning it needs.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "tools/solver/shape.h"
#include "tools/solver/valuemask.h"

namespace solver {

inline constexpr int level_count = 7;

// The threshold of a level: 75, 80, 85, 90, 95, 100, 120 for levels 1..7 (75 for any other level).
short level_threshold(int level);

// The hardest tier a level may need: 1 (single candidates) for levels 1 and 2, 2 for level 3,
// 3 for level 4, 5 (trial) for levels 5, 6 and 7, which only promise one solution.
int level_tier_ceiling(int level);

struct generated_puzzle {
    cellvalues solution;      // the filling, one value per cell; empty when the shape has none
    std::vector<short> codes; // per cell: the highest threshold at which it is shown, 0 if never
    // Level 7 shows fewer givens than level 6. When it does not, no cell has code 120 and
    // level 7 shows the givens of level 6.
    bool has_level_seven = false;
    std::array<int, level_count + 1> givens{};       // givens[l]: cells shown at level l
    std::array<int, level_count + 1> hardest_tier{}; // hardest_tier[l]: the tier level l needs
};

// Makes a puzzle on `s` from `seed`; the same seed gives the same puzzle on every platform.
generated_puzzle generate(const shape& s, std::uint32_t seed);

// The givens shown at a level (1..7): the values of the cells whose code reaches its threshold;
// level 7 of a puzzle without level 7 shows the givens of level 6.
cellvalues givens_at(const generated_puzzle& p, int level);

} // namespace solver
