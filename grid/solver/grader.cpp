// Grading by reasoning: a board of candidate masks and the deductions of each tier.
#include "grid/solver/grader.h"

#include <algorithm>

#include "grid/solver/backtrack.h"
#include "grid/solver/solver.h"

namespace solver {

namespace {

// Groups larger than this are not searched for pairs and triples (a lattice group has six cells).
constexpr int largest_subset_group = 12;

class board {
public:
    board(const shape& s, const cellvalues& givens);

    bool broken() const { return broken_; }
    int remaining() const { return remaining_; }

    int singles();
    bool hidden_single();
    bool intersection();
    bool subset();
    long trial();
    cellvalues values() const;

private:
    void place(int c);
    bool eliminate(int c, unsigned values);
    bool naked_subset(const std::vector<int>& open);
    bool hidden_subset(int g, const std::vector<int>& open);

    const shape& s_;
    std::vector<std::uint8_t> masks_;
    std::vector<bool> placed_;
    std::vector<int> pending_;
    int remaining_;
    bool broken_ = false;
};

board::board(const shape& s, const cellvalues& givens)
    : s_(s), masks_(s.cell_count(), all_values), placed_(s.cell_count(), false),
      remaining_(s.cell_count()) {
    for (int c = 0; c < s.cell_count() && c < static_cast<int>(givens.size()); ++c) {
        if (givens[c] >= 1 && givens[c] <= 6) masks_[c] = value_bit(givens[c]);
    }
    for (int c = 0; c < s.cell_count(); ++c) {
        if (single_value(masks_[c]) && c < static_cast<int>(givens.size()) && givens[c] != 0) {
            place(c);
        }
    }
}

// Fixes a cell whose mask holds one value and removes that value from its neighbours.
void board::place(int c) {
    placed_[c] = true;
    --remaining_;
    const unsigned bit = masks_[c];
    for (int n : s_.neighbours(c)) {
        if (placed_[n] && masks_[n] == bit) broken_ = true;
        eliminate(n, bit);
    }
}

// Removes values from an open cell; reports whether the cell changed.
bool board::eliminate(int c, unsigned values) {
    if (placed_[c] || (masks_[c] & values) == 0) return false;
    const unsigned rest = masks_[c] & ~values;
    masks_[c] = static_cast<std::uint8_t>(rest);
    if (rest == 0) broken_ = true;
    if (single_value(rest)) pending_.push_back(c);
    return true;
}

// Tier 1: places every open cell left with one value, and those this leaves with one value.
int board::singles() {
    int count = 0;
    while (!pending_.empty() && !broken_) {
        const int c = pending_.back();
        pending_.pop_back();
        if (placed_[c] || !single_value(masks_[c])) continue;
        place(c);
        ++count;
    }
    return count;
}

// Tier 2: a value with one place left in a complete group goes there.
bool board::hidden_single() {
    for (int g = 0; g < s_.group_count(); ++g) {
        if (!s_.complete(g)) continue;
        unsigned once = 0;
        unsigned twice = 0;
        for (int c : s_.group_cells(g)) {
            twice |= once & masks_[c];
            once |= masks_[c];
        }
        if (once != all_values) {
            broken_ = true;
            return false;
        }
        for (int c : s_.group_cells(g)) {
            const unsigned here = masks_[c] & once & ~twice;
            if (placed_[c] || here == 0) continue;
            masks_[c] = value_bit(lowest_value(here));
            place(c);
            return true;
        }
    }
    return false;
}

// Tier 3: when every place of a value in a complete group lies in the group's overlap with
// another group, the value leaves the rest of the other group.
bool board::intersection() {
    for (int g = 0; g < s_.group_count(); ++g) {
        if (!s_.complete(g)) continue;
        const auto cells = s_.group_cells(g);
        for (int v = 1; v <= 6; ++v) {
            unsigned places = 0;
            for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
                if (!placed_[cells[i]] && (masks_[cells[i]] & value_bit(v)) != 0) places |= 1u << i;
            }
            if (value_count(places) < 2) continue;
            for (const overlap& o : s_.overlaps(g)) {
                if ((places & ~o.positions) != 0) continue;
                bool changed = false;
                for (int c : s_.group_cells(o.other)) {
                    if (!std::binary_search(cells.begin(), cells.end(), c)) {
                        changed = eliminate(c, value_bit(v)) || changed;
                    }
                }
                if (changed) return true;
            }
        }
    }
    return false;
}

// k open cells of a group whose candidates make k values keep them from the group's other cells.
bool board::naked_subset(const std::vector<int>& open) {
    const int m = static_cast<int>(open.size());
    for (int k = 2; k <= 3; ++k) {
        if (m <= k) break;
        for (unsigned pick = 0; pick < (1u << m); ++pick) {
            if (value_count(pick) != k) continue;
            unsigned values = 0;
            for (int i = 0; i < m; ++i) {
                if ((pick >> i) & 1u) values |= masks_[open[i]];
            }
            if (value_count(values) != k) continue;
            bool changed = false;
            for (int i = 0; i < m; ++i) {
                if (((pick >> i) & 1u) == 0) changed = eliminate(open[i], values) || changed;
            }
            if (changed) return true;
        }
    }
    return false;
}

// k values that have their only places in k open cells of a complete group fill those cells.
bool board::hidden_subset(int g, const std::vector<int>& open) {
    if (!s_.complete(g)) return false;
    const int m = static_cast<int>(open.size());
    unsigned missing = 0;
    for (int c : open) missing |= masks_[c];
    for (int k = 2; k <= 3; ++k) {
        if (m <= k) break;
        for (unsigned values = 1; values <= all_values; ++values) {
            if (value_count(values) != k || (values & ~missing) != 0) continue;
            int places = 0;
            for (int c : open) places += (masks_[c] & values) != 0 ? 1 : 0;
            if (places != k) continue;
            bool changed = false;
            for (int c : open) {
                if ((masks_[c] & values) != 0)
                    changed = eliminate(c, ~values & all_values) || changed;
            }
            if (changed) return true;
        }
    }
    return false;
}

// Tier 4: naked pairs and triples in any group, hidden pairs and triples in complete groups.
bool board::subset() {
    std::vector<int> open;
    for (int g = 0; g < s_.group_count(); ++g) {
        open.clear();
        for (int c : s_.group_cells(g)) {
            if (!placed_[c]) open.push_back(c);
        }
        if (static_cast<int>(open.size()) > largest_subset_group) continue;
        if (naked_subset(open) || hidden_subset(g, open)) return true;
    }
    return false;
}

// Tier 5: a search from the values placed so far; when it finds exactly one solution, every open
// cell takes its value there. Returns the search's nodes.
long board::trial() {
    const cellvalues placed = values();
    const solve_result r = backtrack_solve(s_, placed, 2);
    if (r.solutions != 1) {
        broken_ = true;
        return r.nodes;
    }
    for (int c = 0; c < s_.cell_count(); ++c) {
        if (!placed_[c]) {
            masks_[c] = value_bit(r.first[c]);
            placed_[c] = true;
            --remaining_;
        }
    }
    return r.nodes;
}

cellvalues board::values() const {
    cellvalues out(s_.cell_count(), 0);
    for (int c = 0; c < s_.cell_count(); ++c) {
        if (placed_[c]) out[c] = static_cast<std::uint8_t>(lowest_value(masks_[c]));
    }
    return out;
}

} // namespace

reasoning reason(const shape& s, const cellvalues& givens, int max_tier) {
    reasoning out;
    board b(s, givens);
    while (!b.broken() && b.remaining() > 0) {
        if (max_tier >= tier_single) {
            if (const int placed = b.singles(); placed > 0) {
                out.steps[tier_single] += placed;
                continue;
            }
            if (b.broken()) break;
        }
        if (max_tier >= tier_hidden_single && b.hidden_single()) {
            ++out.steps[tier_hidden_single];
        } else if (max_tier >= tier_intersection && !b.broken() && b.intersection()) {
            ++out.steps[tier_intersection];
        } else if (max_tier >= tier_subset && !b.broken() && b.subset()) {
            ++out.steps[tier_subset];
        } else if (max_tier >= tier_trial && !b.broken()) {
            out.search_nodes += b.trial();
            ++out.steps[tier_trial];
        } else {
            break;
        }
    }
    out.solved = !b.broken() && b.remaining() == 0;
    out.values = b.values();
    for (int t = 1; t <= tier_count; ++t) {
        if (out.steps[t] > 0) out.hardest_tier = t;
    }
    return out;
}

long effort_score(const reasoning& r) {
    long score = r.steps[tier_single] + 3L * r.steps[tier_hidden_single] +
                 9L * r.steps[tier_intersection] + 27L * r.steps[tier_subset];
    if (r.steps[tier_trial] > 0) score += 100 + 20 * r.search_nodes;
    return score;
}

grade_result grade(const shape& s, const cellvalues& givens) {
    grade_result out;
    auto counted = solve(s, givens, 2);
    out.solutions = counted.solutions;
    if (out.solutions == 1) {
        out.solution = std::move(counted.first);
        out.grade = reason(s, givens, tier_trial);
    }
    return out;
}

} // namespace solver
