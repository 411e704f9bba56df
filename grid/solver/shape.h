// The abstract puzzle shape: cells numbered 0..n-1 and the groups of cells that must hold
// different values (the cells of the grid around one lattice point).
#pragma once

#include <span>
#include <vector>

namespace solver {

// A complete group (six cells) that shares two or more cells with another group.
struct overlap {
    int other;          // the other group's number
    unsigned positions; // bit i set when cell i of the complete group belongs to the other group
    std::vector<int> outside; // the other group's cells that are not in the complete group
};

class shape {
public:
    // Builds a shape of `cells` cells from its groups (lists of cell numbers). Cell numbers out of
    // 0..cells-1 and repeated cells are dropped from a group; groups left with fewer than two
    // cells, and groups whose cells all belong to another group, are dropped as they add no
    // constraint. A group holds at most six cells when the shape can be filled.
    shape(int cells, const std::vector<std::vector<int>>& groups);

    int cell_count() const { return static_cast<int>(cellgroups_.size()); }
    int group_count() const { return static_cast<int>(groupstart_.size()) - 1; }

    // The cells of group g, in increasing order.
    std::span<const int> group_cells(int g) const;

    // A complete group has six cells and so holds every value exactly once.
    bool complete(int g) const { return group_cells(g).size() == 6; }

    // The groups that contain a cell (at most three in a lattice grid).
    std::span<const int> groups_of(int cell) const;

    // The cells that share a group with a cell, the cell itself excluded.
    std::span<const int> neighbours(int cell) const;

    // For a complete group: the other groups that share two or more of its cells.
    std::span<const overlap> overlaps(int g) const;

private:
    std::vector<int> groupcells_;
    std::vector<int> groupstart_;
    std::vector<std::vector<int>> cellgroups_;
    std::vector<std::vector<int>> neighbours_;
    std::vector<std::vector<overlap>> overlaps_;
};

} // namespace solver
