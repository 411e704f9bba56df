// Shapes by name: families of hexagon centres and their sizes, and the
// lattice paths that name their hexagons in definition lines.
#pragma once

#include <string>
#include <vector>

#include "grid/solver/hexshape.h"

namespace grillegen {

// The centres of a shape described as a family and its sizes, or as a list of
// centre paths, words separated by blanks:
//   "compact R"   the centres within R steps of the origin (7, 19, 37 for 1..3)
//   "ring R"      the centres exactly R steps away (a ring round a hole)
//   "strip W H"   a parallelogram of W centres along A by H along B
//   "triangle N"  the centres a >= 0, b >= 0, a + b < N
//   "arms N"      the origin and N centres along each of the six directions
//   "centres P Q ..." the centres at the lattice paths P, Q, ... ("AAB", "A2B")
// Returns false, leaving centres empty, for an unknown family or a bad size.
bool centresdelaforme(const std::string& description, std::vector<solver::latpoint>& centres);

// The description ("centres P Q ...") of the shape whose hexagon centres are
// the lattice paths of hexagones, in any path notation (the origin, whose
// path is empty, written "AD": a step there and back).
std::string descriptiondescentres(const std::vector<std::string>& hexagones);

// The expanded lattice path of a point ("AAB" for (2, 1), "" for the origin).
std::string chemindupoint(solver::latpoint p);

// The point of a lattice path in any path notation.
solver::latpoint pointduchemin(const char* path);

} // namespace grillegen
