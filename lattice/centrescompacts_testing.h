// Benchmark and test helper: the hexagon centres of a compact hexagonal shape.
#pragma once

#include "foundation/lichavo.h"
#include "lattice/clavochemin.h"

#include <cstdlib>
#include <set>
#include <string>
#include <utility>

// Appends to `hexas` the `nombre` lattice points nearest the origin (by canonical path length,
// then by name), each as its canonical expanded path preceded by `prefixe` ("" for a hexagon
// list, "X" for definition lines). `nombre` must stay below the 469 points within 12 steps.
inline void centrescompacts(lichavo* hexas, int nombre, const char* prefixe) {
    std::set<std::pair<size_t, std::string>> points;
    for (int a = -12; a <= 12; ++a) {
        for (int b = -12; b <= 12; ++b) {
            std::string path(static_cast<size_t>(std::abs(a)), a < 0 ? 'D' : 'A');
            path.append(static_cast<size_t>(std::abs(b)), b < 0 ? 'E' : 'B');
            clavochemin c;
            c.setchemin(path.c_str());
            const std::string canon = c.decompacte();
            points.emplace(canon.size(), canon);
        }
    }
    int n = 0;
    for (const auto& p : points) {
        if (n++ == nombre) break;
        hexas->padd(prefixe, p.second.c_str());
    }
}
