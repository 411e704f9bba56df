// Opposite cells of the grid's hexagons: opposite pairs and opposite halves.
#include "lattice/topolistes.h"

#include "lattice/topobase.h"
#include "lattice/topointerne.h"

#include "foundation/lichavo.h"

#include <string>

using namespace topo;

void topocrealicasoppo(lichavo* pairs, lichavo* completepairs, const lichavo* cells,
                       const lichavo* hexagons) {
    const ensemble presents(lire(cells));
    const noms hexas = lire(hexagons);
    noms centres;
    for (const std::string& h : hexas) centres.push_back(centre(h));
    const ensemble esthexa(centres);
    const noms& groupes = lesmotifs().oppos;
    pairs->clear();
    completepairs->clear();
    for (size_t i = 0; i < centres.size(); ++i) {
        const std::string& h = centres[i];
        for (size_t g = 0; g + 6 <= groupes.size(); g += 6) {
            const std::string x = placecase(h, groupes[g]);
            const std::string y = placecase(h, groupes[g + 1]);
            if (!presents.has(x) || !presents.has(y)) continue;
            const std::string ligne = x + "," + y + ",  hx=" + std::to_string(i + 1);
            pairs->padd(ligne.c_str());
            bool complet = true;
            for (size_t k = 2; k < 6; ++k)
                complet = complet && esthexa.has(placepoint(h, groupes[g + k]));
            if (complet) completepairs->padd(ligne.c_str());
        }
    }
}

void topocrealistoppodemi(lichavo* lines, const lichavo* cells, const lichavo* hexagons) {
    const ensemble presents(lire(cells));
    noms v;
    for (const std::string& texte : lire(hexagons)) {
        const std::string h = centre(texte);
        for (const noms& tour : lesmotifs().demi) {
            const std::string dehors = placecase(h, tour[0]);
            if (!presents.has(dehors)) continue;
            std::string ligne = dehors + ",";
            for (size_t k = 1; k < tour.size(); ++k) ligne += placecase(h, tour[k]) + ",";
            v.push_back(std::move(ligne));
        }
    }
    trier(v, false);
    ecrire(lines, v);
}
