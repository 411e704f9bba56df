// The backtracking search: depth-first over candidate masks, propagating single candidates,
// values with one place left in a complete group, and values a complete group confines to its
// overlap with another group. The branching cell has the fewest candidates for the weight of its
// groups, a group weighing one more for every dead end met in it (dom/wdeg): the search turns to
// the region that fails instead of wandering through independent choices elsewhere, which is
// what gave plain fewest-candidates search its heavy tail. Random fillings also restart on a
// Luby schedule, keeping the weights.
#include "grid/solver/backtrack.h"

#include <algorithm>
#include <array>
#include <atomic>

namespace solver {

namespace {

// Set in a cell's byte once its single value has been removed from its neighbours.
constexpr std::uint8_t propagated = 64;

class search {
public:
    search(const shape& s, int limit, std::mt19937* rng, long budget, std::vector<long>& weights,
           const std::atomic<bool>* stop = nullptr)
        : s_(s), limit_(limit), rng_(rng), budget_(budget), stop_(stop), weights_(weights),
          dirty_(s.group_count(), false), complete_(s.group_count()), levels_(s.cell_count() + 1) {
        for (int g = 0; g < s.group_count(); ++g) complete_[g] = s.complete(g) ? 1 : 0;
    }

    // Explores the masks of one node; `changed` is the cell the branch fixed, or -1 at the root.
    void run(std::vector<std::uint8_t>& masks, int depth, int changed);

    int solutions = 0;
    cellvalues first;
    bool out_of_budget = false; // the budget ran out, or the stop flag was set
    bool stopped = false;       // the stop flag was set
    long nodes = 0;

private:
    bool propagate(std::vector<std::uint8_t>& masks, int changed);
    void set_mask(std::vector<std::uint8_t>& masks, int c, unsigned mask);
    void mark_groups(int c);
    bool fail(int g) {
        ++weights_[g];
        return false;
    }
    bool check_group(std::vector<std::uint8_t>& masks, int g);
    int branch_cell(const std::vector<std::uint8_t>& masks);

    const shape& s_;
    int limit_;
    std::mt19937* rng_;
    long budget_;
    const std::atomic<bool>* stop_; // looked at every 16 nodes
    // Per group: 1 plus the dead ends found in it, kept from one restart to the next.
    std::vector<long>& weights_;
    std::vector<int> queue_;     // cells left with one value, not yet propagated
    std::vector<bool> dirty_;    // complete groups whose masks changed since last checked
    std::vector<char> complete_; // 1 for a complete group
    std::vector<int> dirtylist_;
    // The masks of each search depth; every level fixes one more cell, so the depth never
    // exceeds the number of cells and the table never grows under a caller's reference.
    std::vector<std::vector<std::uint8_t>> levels_;
};

void search::mark_groups(int c) {
    for (int g : s_.groups_of(c)) {
        if (!dirty_[g] && complete_[g]) {
            dirty_[g] = true;
            dirtylist_.push_back(g);
        }
    }
}

void search::set_mask(std::vector<std::uint8_t>& masks, int c, unsigned mask) {
    masks[c] = static_cast<std::uint8_t>(mask);
    if (single_value(mask)) queue_.push_back(c);
    mark_groups(c);
}

// The deductions a complete group allows on its own: a value with one place left goes there, and
// a value whose open places all lie in another group leaves the rest of that other group.
bool search::check_group(std::vector<std::uint8_t>& masks, int g) {
    const auto cells = s_.group_cells(g);
    unsigned once = 0;
    unsigned twice = 0;
    for (int c : cells) {
        const unsigned m = masks[c] & all_values;
        twice |= once & m;
        once |= m;
    }
    if (once != all_values) return fail(g);
    const unsigned unique = once & ~twice;
    for (int c : cells) {
        const unsigned here = masks[c] & unique;
        if (here == 0 || (masks[c] & propagated) != 0) continue;
        if (!single_value(here)) return fail(g);
        if ((masks[c] & all_values) != here) set_mask(masks, c, here);
    }

    std::array<unsigned, 6> places{};
    for (int i = 0; i < 6; ++i) {
        if ((masks[cells[i]] & propagated) != 0) continue;
        for (unsigned m = masks[cells[i]]; m != 0; m &= m - 1)
            places[lowest_value(m) - 1] |= 1u << i;
    }
    for (int v = 1; v <= 6; ++v) {
        if (value_count(places[v - 1]) < 2) continue;
        for (const overlap& o : s_.overlaps(g)) {
            if ((places[v - 1] & ~o.positions) != 0) continue;
            for (int c : o.outside) {
                if ((masks[c] & value_bit(v)) == 0) continue;
                const unsigned rest = masks[c] & ~value_bit(v);
                if ((masks[c] & propagated) != 0 || rest == 0) return fail(o.other);
                set_mask(masks, c, rest);
            }
        }
    }
    return true;
}

// Propagates fixed values to their neighbours and checks the complete groups whose masks changed,
// until nothing changes; false when the masks admit no solution.
bool search::propagate(std::vector<std::uint8_t>& masks, int changed) {
    queue_.clear();
    for (int g : dirtylist_) dirty_[g] = false;
    dirtylist_.clear();
    if (changed >= 0) {
        queue_.push_back(changed);
        mark_groups(changed);
    } else {
        for (int c = 0; c < s_.cell_count(); ++c) {
            if ((masks[c] & propagated) == 0 && single_value(masks[c])) queue_.push_back(c);
            mark_groups(c);
        }
    }
    for (;;) {
        while (!queue_.empty()) {
            const int c = queue_.back();
            queue_.pop_back();
            if ((masks[c] & propagated) != 0) continue;
            const unsigned bit = masks[c];
            masks[c] = static_cast<std::uint8_t>(bit | propagated);
            for (int n : s_.neighbours(c)) {
                if ((masks[n] & bit) == 0) continue;
                const unsigned rest = masks[n] & ~bit;
                if ((masks[n] & propagated) != 0 || rest == 0) {
                    for (int g : s_.groups_of(n)) fail(g);
                    return false;
                }
                set_mask(masks, n, rest);
            }
        }
        if (dirtylist_.empty()) return true;
        const int g = dirtylist_.back();
        dirtylist_.pop_back();
        dirty_[g] = false;
        if (!check_group(masks, g)) return false;
    }
}

// The open cell with the fewest candidates for the weight of its groups (the dead ends met there,
// so the search turns to where it fails), ties broken at random. -1 when every cell is fixed.
int search::branch_cell(const std::vector<std::uint8_t>& masks) {
    int best = -1;
    long bestcount = 7;
    long bestweight = 0;
    unsigned ties = 0;
    for (int c = 0; c < s_.cell_count(); ++c) {
        if ((masks[c] & propagated) != 0) continue;
        const long count = value_count(masks[c]);
        long weight = 0;
        for (int g : s_.groups_of(c)) weight += weights_[g];
        const long lhs = count * bestweight;
        const long rhs = bestcount * weight;
        if (best < 0 || lhs < rhs) {
            best = c;
            bestcount = count;
            bestweight = weight;
            ties = 1;
        } else if (lhs == rhs && rng_ != nullptr && (*rng_)() % ++ties == 0) {
            best = c;
        }
    }
    return best;
}

void search::run(std::vector<std::uint8_t>& masks, int depth, int changed) {
    if (budget_ > 0 && nodes >= budget_) {
        out_of_budget = true;
        return;
    }
    if (stop_ != nullptr && nodes % 16 == 0 && stop_->load(std::memory_order_relaxed)) {
        stopped = out_of_budget = true;
        return;
    }
    ++nodes;
    if (!propagate(masks, changed)) return;

    const int best = branch_cell(masks);
    if (best < 0) {
        if (solutions++ == 0) {
            first.resize(masks.size());
            for (std::size_t c = 0; c < masks.size(); ++c) {
                first[c] = static_cast<std::uint8_t>(lowest_value(masks[c] & all_values));
            }
        }
        return;
    }

    std::array<int, 6> values{};
    int count = 0;
    for (int v = 1; v <= 6; ++v) {
        if ((masks[best] & value_bit(v)) != 0) values[count++] = v;
    }
    if (rng_ != nullptr) {
        for (int i = count - 1; i > 0; --i) std::swap(values[i], values[(*rng_)() % (i + 1)]);
    }
    for (int i = 0; i < count; ++i) {
        auto& next = levels_[depth];
        next = masks;
        next[best] = value_bit(values[i]);
        run(next, depth + 1, best);
        if (solutions >= limit_ || out_of_budget) return;
    }
}

std::vector<std::uint8_t> initial_masks(const shape& s, const cellvalues& givens) {
    std::vector<std::uint8_t> masks(s.cell_count(), all_values);
    for (int c = 0; c < s.cell_count() && c < static_cast<int>(givens.size()); ++c) {
        if (givens[c] >= 1 && givens[c] <= 6) masks[c] = value_bit(givens[c]);
    }
    return masks;
}

// The Luby sequence 1, 1, 2, 1, 1, 2, 4, 1, 1, 2, ... (i from 1).
long luby(long i) {
    long size = 1;
    while (size < i + 1) size = 2 * size + 1;
    for (;;) {
        if (i == size) return (size + 1) / 2;
        size /= 2;
        if (i > size) i -= size;
    }
}

} // namespace

solve_result backtrack_solve(const shape& s, const cellvalues& givens, int limit, long max_nodes) {
    std::mt19937 rng(1);
    std::vector<long> weights(s.group_count(), 1);
    search run(s, std::max(limit, 1), &rng, std::max(max_nodes, 0L), weights);
    auto masks = initial_masks(s, givens);
    run.run(masks, 0, -1);
    if (run.out_of_budget) return {0, {}, false, run.nodes};
    return {run.solutions, std::move(run.first), true, run.nodes};
}

cellvalues random_filling(const shape& s, std::mt19937& rng, const std::atomic<bool>* stop) {
    // Run i may visit luby(i) times a unit of nodes before the next starts afresh.
    const long unit = 16 + s.cell_count() / 4;
    std::vector<long> weights(s.group_count(), 1);
    for (long i = 1;; ++i) {
        search run(s, 1, &rng, luby(i) * unit, weights, stop);
        auto masks = initial_masks(s, {});
        run.run(masks, 0, -1);
        if (run.stopped) return {};
        if (!run.out_of_budget) return std::move(run.first);
    }
}

} // namespace solver
