// The abstract puzzle shape: normalised groups and the tables derived from them.
#include "grid/solver/shape.h"

#include <algorithm>
#include <bit>

namespace solver {

namespace {

std::vector<int> cleaned(int cells, const std::vector<int>& group) {
    std::vector<int> out;
    for (int c : group) {
        if (c >= 0 && c < cells) out.push_back(c);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

bool contains_all(const std::vector<int>& big, const std::vector<int>& small) {
    return std::includes(big.begin(), big.end(), small.begin(), small.end());
}

// Keeps the groups of two or more cells that are neither repeated nor inside another group,
// in their first order.
std::vector<std::vector<int>> useful_groups(int cells, const std::vector<std::vector<int>>& raw) {
    std::vector<std::vector<int>> groups;
    for (const auto& g : raw) {
        auto c = cleaned(cells, g);
        if (c.size() >= 2) groups.push_back(std::move(c));
    }
    std::vector<std::vector<int>> bycell(cells);
    for (int g = 0; g < static_cast<int>(groups.size()); ++g) {
        for (int c : groups[g]) bycell[c].push_back(g);
    }
    std::vector<std::vector<int>> kept;
    for (int g = 0; g < static_cast<int>(groups.size()); ++g) {
        bool inside = false;
        for (int h : bycell[groups[g].front()]) {
            if (h == g || !contains_all(groups[h], groups[g])) continue;
            // Of two equal groups the first is kept.
            if (groups[h].size() > groups[g].size() || h < g) inside = true;
        }
        if (!inside) kept.push_back(groups[g]);
    }
    return kept;
}

} // namespace

shape::shape(int cells, const std::vector<std::vector<int>>& groups)
    : cellgroups_(std::max(cells, 0)), neighbours_(std::max(cells, 0)) {
    const auto kept = useful_groups(cell_count(), groups);
    groupstart_.push_back(0);
    for (const auto& g : kept) {
        for (int c : g) cellgroups_[c].push_back(group_count());
        groupcells_.insert(groupcells_.end(), g.begin(), g.end());
        groupstart_.push_back(static_cast<int>(groupcells_.size()));
    }
    for (int c = 0; c < cell_count(); ++c) {
        auto& around = neighbours_[c];
        for (int g : cellgroups_[c]) {
            for (int other : group_cells(g)) {
                if (other != c) around.push_back(other);
            }
        }
        std::sort(around.begin(), around.end());
        around.erase(std::unique(around.begin(), around.end()), around.end());
    }
    overlaps_.resize(group_count());
    for (int g = 0; g < group_count(); ++g) {
        if (!complete(g)) continue;
        const auto cellsofg = group_cells(g);
        std::vector<int> others;
        for (int c : cellsofg) {
            for (int h : cellgroups_[c]) {
                if (h != g) others.push_back(h);
            }
        }
        std::sort(others.begin(), others.end());
        others.erase(std::unique(others.begin(), others.end()), others.end());
        for (int h : others) {
            unsigned positions = 0;
            for (int i = 0; i < static_cast<int>(cellsofg.size()); ++i) {
                const auto hc = group_cells(h);
                if (std::binary_search(hc.begin(), hc.end(), cellsofg[i])) positions |= 1u << i;
            }
            if (std::popcount(positions) < 2) continue;
            std::vector<int> outside;
            for (int c : group_cells(h)) {
                if (!std::binary_search(cellsofg.begin(), cellsofg.end(), c)) outside.push_back(c);
            }
            overlaps_[g].push_back({h, positions, std::move(outside)});
        }
    }
}

std::span<const int> shape::group_cells(int g) const {
    return std::span<const int>(groupcells_)
        .subspan(groupstart_[g], groupstart_[g + 1] - groupstart_[g]);
}

std::span<const int> shape::groups_of(int cell) const {
    return cellgroups_[cell];
}

std::span<const int> shape::neighbours(int cell) const {
    return neighbours_[cell];
}

std::span<const overlap> shape::overlaps(int g) const {
    return overlaps_[g];
}

} // namespace solver
