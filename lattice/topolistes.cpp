// Topology lists: completed cells, points, complete and partial hexagons,
// hexagon pairs and neighbour lines.
#include "lattice/topolistes.h"

#include "lattice/topobase.h"
#include "lattice/topointerne.h"
#include "lattice/vonormalise.h"

#include "foundation/lichavo.h"
#include "foundation/textcompare.h"

#include <string>

using namespace topo;

namespace {

noms centres(const lichavo* hexagons) {
    noms v = lire(hexagons);
    for (std::string& h : v) h = centre(h);
    return v;
}

noms coins(const noms& cells) {
    noms points;
    for (const std::string& c : cells) {
        for (std::string& p : troispoints(c)) points.push_back(std::move(p));
    }
    trier(points, true);
    return points;
}

std::string ligne(const std::string& cell, noms voisins) {
    trier(voisins, true);
    std::string s = cell + ",  ";
    for (const std::string& v : voisins) s += v + ",";
    return s;
}

} // namespace

void topocompletecases(lichavo* cells, const lichavo* hexagons) {
    noms v = lire(cells);
    ensemble present(v);
    for (const std::string& h : centres(hexagons)) {
        for (std::string& c : sixcases(h)) {
            if (present.add(c)) v.push_back(std::move(c));
        }
    }
    trier(v, true);
    ecrire(cells, v);
}

void topocalculipoint(lichavo* points, const lichavo* cells) {
    ecrire(points, coins(lire(cells)));
}

void topoajoutcompartiels(lichavo* complete, lichavo* partial, const lichavo* cells) {
    const noms v = lire(cells);
    const ensemble presents(v);
    ensemble deja(centres(complete));
    noms partiels;
    for (const std::string& p : coins(v)) {
        int n = 0;
        for (const std::string& c : sixcases(p)) n += presents.has(c) ? 1 : 0;
        if (n == 6 && deja.add(p)) complete->padd(p.c_str());
        if (n >= 3 && n <= 5) partiels.push_back(p);
    }
    ecrire(partial, partiels);
}

void topolisthexasvoisins(lichavo* pairs, const lichavo* hexagons, const lichavo* partial) {
    globinitvoragotopo();
    const noms hexas = centres(hexagons);
    const ensemble esthexa(hexas);
    const ensemble estpartiel(centres(partial));
    noms v;
    for (const std::string& h : hexas) {
        for (int d = 0; d < 6; ++d) {
            const std::string n = placepoint(h, std::string(1, static_cast<char>('A' + d)));
            if (esthexa.has(n) && d < 3) {
                v.push_back("cc:" + h + "," + n);
            } else if (estpartiel.has(n) && topotravengsp == 0) {
                v.push_back("cp:" + h + "," + n);
            }
        }
    }
    trier(v, false);
    ecrire(pairs, v);
}

void topofuturvoisidouze(lichavo* normal, lichavo* alternate, const lichavo* cells,
                         const lichavo* hexagons) {
    const noms v = lire(cells);
    const ensemble presents(v);
    const ensemble esthexa(centres(hexagons));
    noms normaux;
    noms autres;
    for (const std::string& c : v) {
        const std::string soi = normecase(c);
        noms voisins;
        noms voisinsbis;
        for (const std::string& p : troispoints(c)) {
            const bool hexa = esthexa.has(p);
            for (std::string& x : sixcases(p)) {
                if (strugal(x.c_str(), soi.c_str())) continue;
                if (hexa) voisinsbis.push_back(x);
                if (presents.has(x)) voisins.push_back(std::move(x));
            }
        }
        normaux.push_back(ligne(c, std::move(voisins)));
        autres.push_back(ligne(c, std::move(voisinsbis)));
    }
    ecrire(normal, normaux);
    ecrire(alternate, autres);
}
