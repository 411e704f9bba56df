// How many cells hold each value in a grid's solution.
#pragma once

#include "grid/clagrivora.h"

#include <array>
#include <optional>

// For the grid that grilleload reads as nom: entry v (1..6) is the number of
// cells holding v in the grid's solution (entry 0 unused). The solution is
// found from every given value the definition has, whatever the level. Empty
// when the grid does not load, has no solution, or the search is cut short.
std::optional<std::array<short, 7>> totauxsolution(const char* nom);
// The same for a grid already loaded; its cell table is rebuilt, so g is
// best a copy of the grid in play.
std::optional<std::array<short, 7>> totauxsolution(clagrivora& g);
