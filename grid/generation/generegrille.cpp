// Making a grid from a shape and a seed.
#include "grid/generation/generegrille.h"

#include "grid/generation/formes.h"
#include "grid/generation/grilleforme.h"

namespace grillegen {

bool generegrille(const std::string& forme, std::uint32_t graine, grillegeneree& out) {
    std::vector<solver::latpoint> centres;
    if (!centresdelaforme(forme, centres)) return false;
    clagrivora g;
    grilledescentres(centres, g);
    const solver::shape s = formedelagrille(g);
    g.declassecalc();
    out.puzzle = solver::generate(s, graine, g.getdeclassement());
    if (out.puzzle.solution.empty()) return false;
    lichavo textes;
    textesgroupes(g, out.puzzle, &textes);
    out.textes.clear();
    for (short i = 1; i <= textes.effectif(); ++i) out.textes.emplace_back(textes.adr(i));
    out.nbcases = g.getnbcases();
    out.nbhexas = g.getnbhexacompletes();
    return true;
}

} // namespace grillegen
