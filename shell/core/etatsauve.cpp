// restaureplateau: the chosen level, then the saved state, checked against
// the rule.
#include "shell/core/etatsauve.h"

#include "grid/clagrivora.h"

#include "foundation/textcompare.h"

namespace {

bool caracteresdetat(const char* text) {
    for (const char* p = text; *p; ++p) {
        const char c = carmaju(*p);
        if (!((c >= 'A' && c <= 'H') || c == 'K' || (c >= '0' && c <= '7'))) return false;
    }
    return true;
}

// Whether two neighbouring cells hold the same value.
bool regleenfreinte(clagrivora& grid) {
    grid.fautunetablevoisiquinze();
    for (short c = 1; c <= grid.getnbcases(); ++c) {
        const short v = grid.getcaseval(c);
        if (v <= 0) continue;
        for (short k = 0; k < 12; ++k) {
            const short voisine = grid.casevoisine(c, k);
            if (voisine > 0 && grid.getcaseval(voisine) == v) return true;
        }
    }
    return false;
}

void rejette(clagrivora& grid) {
    grid.retourafixe();
    grid.razallpuser();
    lisaisiesattente.clear();
}

} // namespace

bool restaureplateau(clagrivora& grid, short level, const char* text) {
    if (level >= 1 && level <= 7) {
        grid.fixenivoulu(clagrivora::sixtocent(level));
        grid.fautappliquerniveau();
    }
    const char* t = text ? text : "";
    if (!caracteresdetat(t)) {
        rejette(grid);
        return false;
    }
    const bool accepte = grid.setactudatabis(t);
    if (!accepte || regleenfreinte(grid)) {
        rejette(grid);
        return false;
    }
    return true;
}
