// The counting solver: depth-first search over candidate masks with propagation of single
// candidates and of values with one place left in a complete group.
#include "tools/catalogue/solver.h"

#include <algorithm>
#include <array>

namespace catalogue {

namespace {

// Set in a cell's byte once its single value has been removed from its neighbours.
constexpr std::uint8_t propagated = 64;

class search {
public:
    search(const shape& s, int limit, std::mt19937* rng, long budget)
        : s_(s), limit_(limit), rng_(rng), budget_(budget), levels_(s.cell_count() + 1) {}

    void run(std::vector<std::uint8_t>& masks, int depth);

    int solutions = 0;
    cellvalues first;
    bool out_of_budget = false;

private:
    bool propagate(std::vector<std::uint8_t>& masks);
    bool hidden_singles(std::vector<std::uint8_t>& masks, bool& changed);
    bool intersections(std::vector<std::uint8_t>& masks, bool& changed);
    int branch_cell(const std::vector<std::uint8_t>& masks) const;

    const shape& s_;
    int limit_;
    std::mt19937* rng_;
    long budget_;
    long nodes_ = 0;
    std::vector<int> queue_;
    // The masks of each search depth; every level fixes one more cell, so the depth never
    // exceeds the number of cells and the table never grows under a caller's reference.
    std::vector<std::vector<std::uint8_t>> levels_;
};

bool search::hidden_singles(std::vector<std::uint8_t>& masks, bool& changed) {
    for (int g = 0; g < s_.group_count(); ++g) {
        if (!s_.complete(g)) continue;
        unsigned once = 0;
        unsigned twice = 0;
        for (int c : s_.group_cells(g)) {
            const unsigned m = masks[c] & all_values;
            twice |= once & m;
            once |= m;
        }
        if (once != all_values) return false;
        const unsigned unique = once & ~twice;
        if (unique == 0) continue;
        for (int c : s_.group_cells(g)) {
            const unsigned here = masks[c] & unique;
            if (here == 0 || (masks[c] & propagated) != 0) continue;
            if (!single_value(here)) return false;
            if ((masks[c] & all_values) != here) {
                masks[c] = static_cast<std::uint8_t>(here);
                queue_.push_back(c);
                changed = true;
            }
        }
    }
    return true;
}

// A value of a complete group whose open places all lie in another group leaves the rest of
// that other group.
bool search::intersections(std::vector<std::uint8_t>& masks, bool& changed) {
    for (int g = 0; g < s_.group_count(); ++g) {
        if (!s_.complete(g) || s_.overlaps(g).empty()) continue;
        const auto cells = s_.group_cells(g);
        std::array<unsigned, 6> places{};
        for (int i = 0; i < 6; ++i) {
            if ((masks[cells[i]] & propagated) != 0) continue;
            for (unsigned m = masks[cells[i]]; m != 0; m &= m - 1) {
                places[lowest_value(m) - 1] |= 1u << i;
            }
        }
        for (int v = 1; v <= 6; ++v) {
            if (value_count(places[v - 1]) < 2) continue;
            for (const overlap& o : s_.overlaps(g)) {
                if ((places[v - 1] & ~o.positions) != 0) continue;
                for (int c : s_.group_cells(o.other)) {
                    if ((masks[c] & value_bit(v)) == 0 ||
                        std::find(cells.begin(), cells.end(), c) != cells.end()) {
                        continue;
                    }
                    if ((masks[c] & propagated) != 0) return false;
                    const unsigned rest = masks[c] & ~value_bit(v);
                    if (rest == 0) return false;
                    masks[c] = static_cast<std::uint8_t>(rest);
                    if (single_value(rest)) queue_.push_back(c);
                    changed = true;
                }
            }
        }
    }
    return true;
}

bool search::propagate(std::vector<std::uint8_t>& masks) {
    queue_.clear();
    for (int c = 0; c < s_.cell_count(); ++c) {
        if ((masks[c] & propagated) == 0 && single_value(masks[c])) queue_.push_back(c);
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
                if ((masks[n] & propagated) != 0) return false;
                const unsigned rest = masks[n] & ~bit;
                if (rest == 0) return false;
                masks[n] = static_cast<std::uint8_t>(rest);
                if (single_value(rest)) queue_.push_back(n);
            }
        }
        bool changed = false;
        if (!hidden_singles(masks, changed)) return false;
        if (!changed && !intersections(masks, changed)) return false;
        if (!changed) return true;
    }
}

// The open cell with the fewest candidates and, among those, the most fixed neighbours, so that
// the search stays where the givens are and a wrong choice fails close to where it was made.
// -1 when every cell is fixed.
int search::branch_cell(const std::vector<std::uint8_t>& masks) const {
    int best = -1;
    int bestscore = 0;
    for (int c = 0; c < s_.cell_count(); ++c) {
        if ((masks[c] & propagated) != 0) continue;
        int fixed = 0;
        for (int n : s_.neighbours(c)) fixed += (masks[n] & propagated) != 0 ? 1 : 0;
        const int score = (7 - value_count(masks[c])) * 16 + fixed;
        if (score > bestscore) {
            bestscore = score;
            best = c;
        }
    }
    return best;
}

void search::run(std::vector<std::uint8_t>& masks, int depth) {
    if (budget_ > 0 && ++nodes_ > budget_) {
        out_of_budget = true;
        return;
    }
    if (!propagate(masks)) return;

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
        run(next, depth + 1);
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

} // namespace

solve_result solve(const shape& s, const cellvalues& givens, int limit, long max_nodes) {
    search run(s, std::max(limit, 1), nullptr, std::max(max_nodes, 0L));
    auto masks = initial_masks(s, givens);
    run.run(masks, 0);
    return {run.solutions, std::move(run.first), !run.out_of_budget};
}

cellvalues random_filling(const shape& s, std::mt19937& rng) {
    // A search that wanders into a dead region is restarted with twice its budget, so a hard
    // shape still ends with a complete search.
    for (long budget = 4 * static_cast<long>(s.cell_count()) + 64;; budget *= 2) {
        search run(s, 1, &rng, budget);
        auto masks = initial_masks(s, {});
        run.run(masks, 0);
        if (!run.out_of_budget) return std::move(run.first);
    }
}

} // namespace catalogue
