// Puzzle shapes built from hexagons of the triangular lattice, in the tool's own integer
// coordinates, for tests and generation until the game's lattice code names the cells.
//
// Coordinates. A lattice point (a, b) is the point a·A + b·B from the origin, where A is one step
// at 0° and B one step at 60°; the six directions are A (1,0), B (0,1), C (-1,1), D (-1,0),
// E (0,-1) and F (1,-1). The number of steps between the origin and (a, b) is
// max(|a|, |b|, |a + b|). A cell (triangle) is named by one corner P and a type: type 1 is the
// triangle (P, P+A, P+B), type 0 the triangle (P, P+A, P+F); every triangle has exactly one such
// name. A hexagon is named by its centre and covers the six triangles around that point.
#pragma once

#include <compare>
#include <vector>

#include "grid/solver/shape.h"

namespace solver {

struct latpoint {
    int a = 0;
    int b = 0;
    auto operator<=>(const latpoint&) const = default;
};

struct latcell {
    latpoint corner;
    int type = 0; // 1: (P, P+A, P+B); 0: (P, P+A, P+F)
    auto operator<=>(const latcell&) const = default;
};

// A shape together with the triangle of each cell number.
struct hexshape {
    shape puzzle;
    std::vector<latcell> cells; // cells[i] is cell number i
};

// The shape made of the hexagons centred at `centres`: its cells are the triangles of those
// hexagons, numbered in increasing (b, a, type) order of their names; its groups are, for every
// corner point of every cell, the cells of the shape around that point.
hexshape build_hexshape(const std::vector<latpoint>& centres);

// The centres within `radius` steps of the origin: 1, 7, 19, 37 hexagons for radius 0..3.
std::vector<latpoint> compact_centres(int radius);

// The centres exactly `radius` steps from the origin (a ring of 6·radius hexagons, radius >= 1).
std::vector<latpoint> ring_centres(int radius);

// The six triangles around a point.
std::vector<latcell> triangles_around(latpoint p);

} // namespace solver
