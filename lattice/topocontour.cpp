// The grid's inner lines and outer contour as straight runs of unit edges.
#include "lattice/topolistes.h"

#include "lattice/topobase.h"
#include "lattice/topointerne.h"

#include "foundation/lichavo.h"

#include <array>
#include <string>
#include <unordered_map>

using namespace topo;

namespace {

// Index 0, 1, 2 for a segment of letter A, B, C (its last letter).
size_t lettre(const std::string& seg) {
    const char l = seg.empty() ? 'A' : seg.back();
    return l == 'B' ? 1 : l == 'C' ? 2 : 0;
}

// Edges listed in inner leave outer; an edge twice in outer (shared by two
// outlines) moves once to inner.
void topotraquefauxext(noms& inner, noms& outer) {
    const ensemble interieur(inner);
    std::unordered_map<std::string, int> fois;
    for (const std::string& s : outer) ++fois[s];
    noms reste;
    for (std::string& s : outer) {
        if (interieur.has(s)) continue;
        if (fois[s] >= 2) {
            inner.push_back(std::move(s));
        } else {
            reste.push_back(std::move(s));
        }
    }
    outer = std::move(reste);
    trier(inner, true);
    trier(outer, true);
}

// Merge the segments of one letter into straight runs: a segment is extended
// by the one that starts where it ends, until none does.
void topocombinetop(noms& segs) {
    std::unordered_map<std::string, size_t> depart;
    for (size_t i = 0; i < segs.size(); ++i)
        depart.emplace(segs[i].substr(0, segs[i].find(':')), i);
    std::vector<bool> vivant(segs.size(), true);
    for (size_t i = 0; i < segs.size(); ++i) {
        while (vivant[i]) {
            const size_t deux = segs[i].find(':');
            const std::string fin = placepoint(segs[i].substr(0, deux), segs[i].substr(deux + 1));
            const auto j = depart.find(fin);
            if (j == depart.end() || j->second == i || !vivant[j->second]) break;
            const std::string& suite = segs[j->second];
            segs[i] += suite.substr(suite.find(':') + 1);
            vivant[j->second] = false;
            depart.erase(j);
        }
    }
    noms runs;
    for (size_t i = 0; i < segs.size(); ++i) {
        if (vivant[i]) runs.push_back(std::move(segs[i]));
    }
    segs = std::move(runs);
}

} // namespace

void topocontourtritop(const lichavo* hexagons, lichavo* inner, lichavo* outer) {
    std::array<noms, 3> dedans;
    std::array<noms, 3> dehors;
    std::array<ensemble, 3> dejadedans;
    const noms hexas = lire(hexagons);
    for (const std::string& texte : hexas) {
        const std::string h = centre(texte);
        for (const std::string& item : lesmotifs().internes) {
            std::string s = placeseg(h, item);
            const size_t l = lettre(s);
            if (dejadedans[l].add(s)) dedans[l].push_back(std::move(s));
        }
    }
    for (const std::string& texte : hexas) {
        const std::string h = centre(texte);
        for (const std::string& item : lesmotifs().externes) {
            std::string s = placeseg(h, item);
            dehors[lettre(s)].push_back(std::move(s));
        }
    }
    noms in;
    noms out;
    for (size_t l = 0; l < 3; ++l) {
        topotraquefauxext(dedans[l], dehors[l]);
        topocombinetop(dedans[l]);
        topocombinetop(dehors[l]);
        in.insert(in.end(), dedans[l].begin(), dedans[l].end());
        out.insert(out.end(), dehors[l].begin(), dehors[l].end());
    }
    ecrire(inner, in);
    ecrire(outer, out);
}
