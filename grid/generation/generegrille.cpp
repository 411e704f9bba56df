// Making a grid from a shape and a seed.
#include "grid/generation/generegrille.h"

#include "grid/generation/formes.h"
#include "grid/generation/grilleforme.h"

namespace grillegen {

namespace {

bool centresgenerables(const std::string& forme, std::vector<solver::latpoint>& centres) {
    return centresdelaforme(forme, centres) && centres.size() <= hexagonesmax;
}

bool grilledelaforme(const std::string& forme, clagrivora& g) {
    std::vector<solver::latpoint> centres;
    if (!centresgenerables(forme, centres)) return false;
    grilledescentres(centres, g);
    return true;
}

} // namespace

bool formegenerable(const std::string& forme) {
    std::vector<solver::latpoint> centres;
    return centresgenerables(forme, centres);
}

bool prepareforme(const std::string& forme, formeagenerer& out) {
    clagrivora g;
    if (!grilledelaforme(forme, g)) return false;
    out.forme = formedelagrille(g);
    g.declassecalc();
    out.correction = g.getdeclassement();
    return true;
}

bool textesdelagrille(const std::string& forme, const solver::generated_puzzle& puzzle,
                      grillegeneree& out) {
    if (puzzle.solution.empty()) return false;
    clagrivora g;
    if (!grilledelaforme(forme, g)) return false;
    formedelagrille(g);
    g.declassecalc();
    out.puzzle = puzzle;
    lichavo textes;
    textesgroupes(g, out.puzzle, &textes);
    out.textes.clear();
    for (short i = 1; i <= textes.effectif(); ++i) out.textes.emplace_back(textes.adr(i));
    out.nbcases = g.getnbcases();
    out.nbhexas = g.getnbhexacompletes();
    return true;
}

bool generegrille(const std::string& forme, std::uint32_t graine, grillegeneree& out) {
    formeagenerer f;
    if (!prepareforme(forme, f)) return false;
    return textesdelagrille(forme, solver::generate(f.forme, graine, f.correction), out);
}

} // namespace grillegen
