// valeurdeclasst: how crowded the most crowded point of a list of paths is.
#include "lattice/clavochemin.h"

#include "foundation/lichavo.h"

#include <algorithm>
#include <array>
#include <set>

namespace {

using pascanon = std::array<short, 6>;

pascanon canonof(clavochemin& chemin) {
    chemin.bonchemin();
    pascanon p{};
    for (short i = 0; i < 6; ++i) p[static_cast<size_t>(i)] = chemin.getnbpas(i);
    return p;
}

} // namespace

short clavochemin::valeurdeclasst(lichavo* list) const {
    // Paths compare by their canonical counts, so compact and expanded
    // spellings of a point are the same point.
    std::set<pascanon> points;
    clavochemin chemin;
    const short n = list->effectif();
    for (short i = 1; i <= n; ++i) {
        chemin.setchemin(list->adr(i));
        points.insert(canonof(chemin));
    }
    int m = 0;
    for (short i = 1; i <= n; ++i) {
        int voisins = 0;
        for (char d = 'A'; d <= 'F'; ++d) {
            const char pas[2] = {d, 0};
            chemin.setchemin(list->adr(i));
            chemin.ajoutechemin(pas);
            if (points.count(canonof(chemin)) != 0) ++voisins;
        }
        m = std::max(m, voisins);
    }
    return static_cast<short>(std::min(3, 6 - m));
}
