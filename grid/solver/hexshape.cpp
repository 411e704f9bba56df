// Puzzle shapes built from hexagons of the triangular lattice.
#include "grid/solver/hexshape.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace solver {

namespace {

constexpr latpoint step_a{1, 0};
constexpr latpoint step_b{0, 1};
constexpr latpoint step_c{-1, 1};
constexpr latpoint step_d{-1, 0};
constexpr latpoint step_e{0, -1};
constexpr latpoint step_f{1, -1};

latpoint plus(latpoint p, latpoint q) {
    return {p.a + q.a, p.b + q.b};
}

int distance(latpoint p) {
    return std::max({std::abs(p.a), std::abs(p.b), std::abs(p.a + p.b)});
}

std::vector<latpoint> corners(const latcell& c) {
    return {c.corner, plus(c.corner, step_a), plus(c.corner, c.type == 1 ? step_b : step_f)};
}

bool row_order(const latcell& x, const latcell& y) {
    if (x.corner.b != y.corner.b) return x.corner.b < y.corner.b;
    if (x.corner.a != y.corner.a) return x.corner.a < y.corner.a;
    return x.type < y.type;
}

} // namespace

std::vector<latcell> triangles_around(latpoint p) {
    // The triangles (P, P + d_i, P + d_i+1) for the directions A..F in turn.
    return {{p, 1},
            {plus(p, step_c), 0},
            {plus(p, step_d), 1},
            {plus(p, step_d), 0},
            {plus(p, step_e), 1},
            {p, 0}};
}

hexshape build_hexshape(const std::vector<latpoint>& centres) {
    std::vector<latcell> cells;
    for (latpoint p : centres) {
        for (const latcell& c : triangles_around(p)) cells.push_back(c);
    }
    std::sort(cells.begin(), cells.end(), row_order);
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());

    std::map<latcell, int> number;
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) number[cells[i]] = i;

    std::vector<latpoint> points;
    for (const latcell& c : cells) {
        for (latpoint p : corners(c)) points.push_back(p);
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());

    std::vector<std::vector<int>> groups;
    for (latpoint p : points) {
        std::vector<int> group;
        for (const latcell& c : triangles_around(p)) {
            const auto found = number.find(c);
            if (found != number.end()) group.push_back(found->second);
        }
        groups.push_back(std::move(group));
    }
    return {shape(static_cast<int>(cells.size()), groups), std::move(cells)};
}

std::vector<latpoint> compact_centres(int radius) {
    std::vector<latpoint> out;
    for (int b = -radius; b <= radius; ++b) {
        for (int a = -radius; a <= radius; ++a) {
            if (distance({a, b}) <= radius) out.push_back({a, b});
        }
    }
    return out;
}

std::vector<latpoint> ring_centres(int radius) {
    std::vector<latpoint> out;
    for (latpoint p : compact_centres(radius)) {
        if (distance(p) == radius) out.push_back(p);
    }
    return out;
}

} // namespace solver
