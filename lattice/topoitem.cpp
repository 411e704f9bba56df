// Topology of single items.
#include "lattice/topoitem.h"

#include "lattice/topobase.h"
#include "lattice/topointerne.h"

#include "foundation/gstring.h"
#include "foundation/lichavo.h"

#include <algorithm>
#include <climits>
#include <string>

namespace {

const char* orvide(const char* text) {
    return text == nullptr ? "" : text;
}

template <typename Names> void joint(gstring* out, const Names& noms) {
    std::string s;
    for (const std::string& nom : noms) s += nom + ",";
    out->set(s.c_str());
}

} // namespace

void topocasespotcethexa(gstring* out, const char* hexagon) {
    joint(out, topo::sixcases(topo::centre(orvide(hexagon))));
}

void topovoisinspotcethexa(gstring* out, const char* point) {
    const std::string p = topo::centre(orvide(point));
    topo::noms v;
    for (const char* d : {"A", "B", "C", "D", "E", "F"}) v.push_back(topo::placepoint(p, d));
    joint(out, v);
}

void topogivetroispointscase(gstring* out, const char* cell) {
    joint(out, topo::troispoints(orvide(cell)));
}

void topogivetroisvoisicase(gstring* out, const char* cell) {
    joint(out, topo::troisvoisins(orvide(cell)));
}

short nbrecasesreelleshexa(const char* point, const lichavo* cells) {
    const topo::noms six = topo::sixcases(topo::centre(orvide(point)));
    short n = 0;
    for (const std::string& c : six) {
        if (cells->trouvexact(c.c_str()) != 0) ++n;
    }
    return n;
}

short topodistanseg(const char* path, const char* letters) {
    return static_cast<short>(std::min(topo::distanseg(orvide(path), orvide(letters)), SHRT_MAX));
}
