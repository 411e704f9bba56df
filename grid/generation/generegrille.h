// Making a grid from a shape and a seed: the generated puzzle and its grouped
// definition texts, which the grid model loads like a catalogue grid's.
#pragma once

#include <cstddef>
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

// What the generator needs of a shape: the grid's cells and groups, and the
// shape's level correction.
struct formeagenerer {
    solver::shape forme{0, {}};
    int correction = 0;
};

// The most hexagons a shape made in the game may have: about four times the
// largest the picker offers ("compact 3", 37 hexagons); such a grid is made
// in well under a second. A larger shape (one written by hand in the
// parameter file, such as "compact 40") is refused: making it would take
// minutes.
inline constexpr std::size_t hexagonesmax = 150;

// Whether the description (see centresdelaforme) names a shape of 1 to
// hexagonesmax hexagons.
bool formegenerable(const std::string& forme);

// The shape of the description ready for the generator; false for a bad
// description or one that is not formegenerable.
bool prepareforme(const std::string& forme, formeagenerer& out);

// The grid of the description with a puzzle generated on its prepared shape:
// out takes the puzzle, the grouped texts and the counts. False for a bad
// description (as prepareforme) or a puzzle without a filling (a stopped
// generation).
bool textesdelagrille(const std::string& forme, const solver::generated_puzzle& puzzle,
                      grillegeneree& out);

// Generate a puzzle on the grid of the shape from the seed: the same shape
// and seed give the same texts. False for a bad shape or a shape without any
// filling. The preparation and the texts use the grid model; only
// solver::generate runs between them, so that it may run on another thread.
bool generegrille(const std::string& forme, std::uint32_t graine, grillegeneree& out);

} // namespace grillegen
