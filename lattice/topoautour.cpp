// The ring of cells around a grid, split into the outside ring and enclosed
// holes.
#include "lattice/topolistes.h"

#include "lattice/topobase.h"
#include "lattice/topointerne.h"

#include "foundation/lichavo.h"

#include <deque>
#include <string>

using namespace topo;

void topocasesautourgri(lichavo* enclosed, lichavo* outside, const lichavo* cells,
                        const lichavo* hexagons) {
    const ensemble presents(lire(cells));
    noms anneau;
    for (const std::string& h : lire(hexagons)) {
        const std::string c = centre(h);
        for (const std::string& item : lesmotifs().dixhuit) {
            std::string x = placecase(c, item);
            if (!presents.has(x)) anneau.push_back(std::move(x));
        }
    }
    trier(anneau, true);

    // Ring cells still enclosed, by name; anneau keeps their order.
    ensemble dedans(anneau);
    noms dehors;
    std::deque<std::string> afaire;
    for (const char* secteur : {"AB", "BC", "CD", "DE", "EF", "FA"}) {
        // From the last to the first; among equals the highest index wins.
        int meilleur = -1;
        const std::string* extreme = nullptr;
        for (size_t i = anneau.size(); i > 0; --i) {
            const std::string& x = anneau[i - 1];
            if (!dedans.has(x)) continue;
            const int d = distanseg(x.substr(0, x.find(':')), secteur);
            if (d > meilleur) {
                meilleur = d;
                extreme = &x;
            }
        }
        if (extreme == nullptr) break;
        dedans.remove(*extreme);
        dehors.push_back(*extreme);
        afaire.push_back(*extreme);
    }
    // Flood fill through shared edges, staying on ring cells.
    while (!afaire.empty()) {
        const std::string x = std::move(afaire.front());
        afaire.pop_front();
        for (std::string& v : troisvoisins(x)) {
            if (!dedans.remove(v)) continue;
            dehors.push_back(v);
            afaire.push_back(std::move(v));
        }
    }
    noms restent;
    for (std::string& x : anneau) {
        if (dedans.has(x)) restent.push_back(std::move(x));
    }
    trier(dehors, true);
    ecrire(enclosed, restent);
    ecrire(outside, dehors);
}
