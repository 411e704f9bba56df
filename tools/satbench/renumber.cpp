// Renumbered puzzles.
#include "tools/satbench/renumber.h"

#include <algorithm>
#include <numeric>

namespace satbench {

solver::shape renumbered(const solver::shape& s, const std::vector<int>& order) {
    std::vector<std::vector<int>> groups;
    for (int g = 0; g < s.group_count(); ++g) {
        std::vector<int> cells;
        for (int c : s.group_cells(g)) cells.push_back(order[c]);
        groups.push_back(cells);
    }
    return solver::shape(s.cell_count(), groups);
}

solver::cellvalues moved(const solver::cellvalues& values, const std::vector<int>& order) {
    solver::cellvalues out(values.size(), 0);
    for (std::size_t c = 0; c < values.size() && c < order.size(); ++c) out[order[c]] = values[c];
    return out;
}

std::vector<int> cell_order(int cells, std::mt19937* rng) {
    std::vector<int> order(cells);
    std::iota(order.begin(), order.end(), 0);
    if (rng != nullptr) std::shuffle(order.begin(), order.end(), *rng);
    return order;
}

} // namespace satbench
