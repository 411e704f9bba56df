// Making a grid from a shape and a seed: the generated puzzle and its grouped
// definition texts, which the grid model loads like a catalogue grid's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "grid/solver/generator.h"

namespace grillegen {

struct grillegeneree {
    solver::generated_puzzle puzzle;
    std::vector<std::string> textes; // grouped definition texts
    short nbcases = 0;
    short nbhexas = 0; // complete hexagons of the grid
};

// Generate a puzzle on the grid of the shape (see centresdelaforme) from the
// seed: the same shape and seed give the same texts. False for a bad shape or
// a shape without any filling.
bool generegrille(const std::string& forme, std::uint32_t graine, grillegeneree& out);

} // namespace grillegen
