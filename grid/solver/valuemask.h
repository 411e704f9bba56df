// Value masks of the solver library: bit v - 1 is set when value v (1..6) is possible.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace solver {

using valuemask = std::uint8_t;

// One value per cell, indexed by cell number: 0 for an empty cell, else 1..6.
using cellvalues = std::vector<std::uint8_t>;

inline constexpr valuemask all_values = 63;

constexpr valuemask value_bit(int value) {
    return static_cast<valuemask>(1u << (value - 1));
}

// The number of values in a mask (a table lookup: the portable popcount is a library call).
constexpr int value_count(unsigned mask) {
    constexpr auto table = [] {
        std::array<std::uint8_t, 256> t{};
        for (unsigned m = 0; m < 256; ++m) t[m] = static_cast<std::uint8_t>(std::popcount(m));
        return t;
    }();
    return mask < 256 ? table[mask] : std::popcount(mask);
}

constexpr bool single_value(unsigned mask) {
    return std::has_single_bit(mask);
}

// The smallest value of a non-empty mask.
constexpr int lowest_value(unsigned mask) {
    return std::countr_zero(mask) + 1;
}

} // namespace solver
