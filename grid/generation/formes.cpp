// Shape families and the conversion between the tool's lattice points and
// the game's lattice paths.
#include "grid/generation/formes.h"

#include <sstream>

#include "lattice/clavochemin.h"

namespace grillegen {

namespace {

std::vector<solver::latpoint> bras(int n) {
    static const solver::latpoint directions[] = {{1, 0},  {0, 1},  {-1, 1},
                                                  {-1, 0}, {0, -1}, {1, -1}};
    std::vector<solver::latpoint> out{{0, 0}};
    for (const solver::latpoint d : directions) {
        for (int k = 1; k <= n; ++k) out.push_back({d.a * k, d.b * k});
    }
    return out;
}

} // namespace

bool centresdelaforme(const std::string& description, std::vector<solver::latpoint>& centres) {
    centres.clear();
    std::istringstream mots(description);
    std::string famille;
    mots >> famille;
    if (famille == "centres") {
        std::string chemin;
        while (mots >> chemin) centres.push_back(pointduchemin(chemin.c_str()));
        return !centres.empty();
    }
    int n = 0;
    int h = 0;
    if (!(mots >> n) || n < 1 || n > 40) return false;
    if (famille == "compact") {
        centres = solver::compact_centres(n);
    } else if (famille == "ring") {
        centres = solver::ring_centres(n);
    } else if (famille == "strip") {
        if (!(mots >> h) || h < 1 || h > 40) return false;
        for (int b = 0; b < h; ++b) {
            for (int a = 0; a < n; ++a) centres.push_back({a, b});
        }
    } else if (famille == "triangle") {
        for (int b = 0; b < n; ++b) {
            for (int a = 0; a + b < n; ++a) centres.push_back({a, b});
        }
    } else if (famille == "arms") {
        centres = bras(n);
    }
    return !centres.empty();
}

std::string descriptiondescentres(const std::vector<std::string>& hexagones) {
    std::string d = "centres";
    for (const std::string& h : hexagones) d += " " + (h.empty() ? std::string("AD") : h);
    return d;
}

std::string chemindupoint(solver::latpoint p) {
    std::string chemin(static_cast<size_t>(p.a < 0 ? -p.a : p.a), p.a < 0 ? 'D' : 'A');
    chemin.append(static_cast<size_t>(p.b < 0 ? -p.b : p.b), p.b < 0 ? 'E' : 'B');
    return chemin;
}

solver::latpoint pointduchemin(const char* path) {
    clavochemin c;
    c.setchemin(path);
    // Steps A, B, C, D, E, F as (a, b) vectors.
    static const int va[] = {1, 0, -1, -1, 0, 1};
    static const int vb[] = {0, 1, 1, 0, -1, -1};
    solver::latpoint p;
    for (short i = 0; i < 6; ++i) {
        p.a += va[i] * c.getnbpas(i);
        p.b += vb[i] * c.getnbpas(i);
    }
    return p;
}

} // namespace grillegen
