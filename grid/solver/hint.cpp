// The hint search: candidates from the board, placements tried first, then one elimination at a
// time (intersection, subset, contradiction) until a placement shows.
#include "grid/solver/hint.h"

#include <algorithm>
#include <optional>

namespace solver {

namespace {

// Candidates of every cell; placed cells hold their one value.
struct candidates {
    std::vector<valuemask> masks;
    std::vector<bool> placed;
};

candidates from_board(const shape& s, const cellvalues& board) {
    candidates c{std::vector<valuemask>(s.cell_count(), all_values),
                 std::vector<bool>(s.cell_count(), false)};
    for (int i = 0; i < s.cell_count() && i < static_cast<int>(board.size()); ++i) {
        if (board[i] < 1 || board[i] > 6) continue;
        c.masks[i] = value_bit(board[i]);
        c.placed[i] = true;
    }
    for (int i = 0; i < s.cell_count(); ++i) {
        if (!c.placed[i]) continue;
        for (int n : s.neighbours(i))
            if (!c.placed[n]) c.masks[n] &= static_cast<valuemask>(~c.masks[i]);
    }
    return c;
}

// A board whose placed cells clash, or an open cell without candidates.
bool broken(const shape& s, const candidates& c) {
    for (int i = 0; i < s.cell_count(); ++i) {
        if (c.masks[i] == 0) return true;
        if (!c.placed[i]) continue;
        for (int n : s.neighbours(i))
            if (c.placed[n] && c.masks[n] == c.masks[i]) return true;
    }
    return false;
}

std::optional<hint> single(const shape& s, const candidates& c, const cellvalues& board) {
    for (int i = 0; i < s.cell_count(); ++i) {
        if (c.placed[i] || !single_value(c.masks[i])) continue;
        hint h;
        h.found = true;
        h.cell = i;
        h.value = lowest_value(c.masks[i]);
        h.technique = hint_technique::single;
        for (int v = 1; v <= 6; ++v) {
            if (v == h.value) continue;
            for (int n : s.neighbours(i))
                if (n < static_cast<int>(board.size()) && board[n] == v) {
                    h.witnesses.push_back(n);
                    break;
                }
        }
        return h;
    }
    return std::nullopt;
}

// A placed neighbour of cell holding value on the board, -1 when none.
int holder(const shape& s, const cellvalues& board, int cell, int value) {
    for (int n : s.neighbours(cell))
        if (n < static_cast<int>(board.size()) && board[n] == value) return n;
    return -1;
}

std::optional<hint> hidden_single(const shape& s, const candidates& c, const cellvalues& board) {
    for (int g = 0; g < s.group_count(); ++g) {
        if (!s.complete(g)) continue;
        const auto cells = s.group_cells(g);
        for (int v = 1; v <= 6; ++v) {
            int place = -1;
            int places = 0;
            for (int i : cells) {
                if ((c.masks[i] & value_bit(v)) == 0) continue;
                if (c.placed[i]) places = 2; // already there
                place = i;
                ++places;
            }
            if (places != 1) continue;
            hint h;
            h.found = true;
            h.cell = place;
            h.value = v;
            h.technique = hint_technique::hidden_single;
            h.group = g;
            for (int i : cells) {
                if (i == place || c.placed[i]) continue;
                const int w = holder(s, board, i, v);
                if (w >= 0 &&
                    std::find(h.witnesses.begin(), h.witnesses.end(), w) == h.witnesses.end())
                    h.witnesses.push_back(w);
            }
            return h;
        }
    }
    return std::nullopt;
}

elimination made(elimination_kind kind, int group, int other, unsigned values,
                 std::vector<int> cells) {
    elimination e;
    e.kind = kind;
    e.group = group;
    e.other = other;
    e.values = static_cast<valuemask>(values);
    e.cells = std::move(cells);
    return e;
}

// Removes values from the open cells of `from` that are not in `keep`; records who changed.
bool remove_from(candidates& c, std::span<const int> from, std::span<const int> keep,
                 valuemask values, elimination& e) {
    for (int i : from) {
        if (c.placed[i] || (c.masks[i] & values) == 0) continue;
        if (std::find(keep.begin(), keep.end(), i) != keep.end()) continue;
        c.masks[i] &= static_cast<valuemask>(~values);
        e.removed_from.push_back(i);
    }
    return !e.removed_from.empty();
}

std::optional<elimination> intersection(const shape& s, candidates& c) {
    for (int g = 0; g < s.group_count(); ++g) {
        if (!s.complete(g)) continue;
        const auto cells = s.group_cells(g);
        for (int v = 1; v <= 6; ++v) {
            unsigned places = 0;
            std::vector<int> where;
            for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
                if (c.placed[cells[i]] || (c.masks[cells[i]] & value_bit(v)) == 0) continue;
                places |= 1u << i;
                where.push_back(cells[i]);
            }
            if (where.size() < 2) continue;
            for (const overlap& o : s.overlaps(g)) {
                if ((places & ~o.positions) != 0) continue;
                elimination e =
                    made(elimination_kind::intersection, g, o.other, value_bit(v), where);
                if (remove_from(c, o.outside, {}, value_bit(v), e)) return e;
            }
        }
    }
    return std::nullopt;
}

std::optional<elimination> naked_subset(candidates& c, int g, const std::vector<int>& open) {
    const int m = static_cast<int>(open.size());
    for (int k = 2; k <= 3 && k < m; ++k) {
        for (unsigned pick = 0; pick < (1u << m); ++pick) {
            if (value_count(pick) != k) continue;
            unsigned values = 0;
            std::vector<int> cells;
            for (int i = 0; i < m; ++i)
                if ((pick >> i) & 1u) {
                    values |= c.masks[open[i]];
                    cells.push_back(open[i]);
                }
            if (value_count(values) != k) continue;
            elimination e = made(elimination_kind::naked_subset, g, -1, values, cells);
            if (remove_from(c, open, cells, e.values, e)) return e;
        }
    }
    return std::nullopt;
}

std::optional<elimination> hidden_subset(const shape& s, candidates& c, int g,
                                         const std::vector<int>& open) {
    if (!s.complete(g)) return std::nullopt;
    const int m = static_cast<int>(open.size());
    unsigned missing = 0; // the values the group still lacks
    for (int i : open) missing |= c.masks[i];
    for (int k = 2; k <= 3 && k < m; ++k) {
        for (unsigned values = 1; values <= all_values; ++values) {
            if (value_count(values) != k || (values & ~missing) != 0) continue;
            std::vector<int> cells;
            for (int i : open)
                if ((c.masks[i] & values) != 0) cells.push_back(i);
            if (static_cast<int>(cells.size()) != k) continue;
            elimination e = made(elimination_kind::hidden_subset, g, -1, values, cells);
            if (remove_from(c, cells, {}, static_cast<valuemask>(all_values & ~values), e))
                return e;
        }
    }
    return std::nullopt;
}

std::optional<elimination> subset(const shape& s, candidates& c) {
    std::vector<int> open;
    for (int g = 0; g < s.group_count(); ++g) {
        open.clear();
        for (int i : s.group_cells(g))
            if (!c.placed[i]) open.push_back(i);
        if (open.size() > 6) continue;
        if (auto e = naked_subset(c, g, open)) return e;
        if (auto e = hidden_subset(s, c, g, open)) return e;
    }
    return std::nullopt;
}

// Places singles and hidden singles until none is left; fills `e`'s contradiction and returns
// true when the board breaks on the way.
bool propagate_breaks(const shape& s, candidates& c, elimination& e) {
    for (bool progress = true; progress;) {
        progress = false;
        for (int i = 0; i < s.cell_count(); ++i) {
            if (c.masks[i] == 0) {
                e.emptied = i;
                return true;
            }
            if (c.placed[i] || !single_value(c.masks[i])) continue;
            c.placed[i] = true;
            progress = true;
            for (int n : s.neighbours(i)) {
                if (c.placed[n] && c.masks[n] == c.masks[i]) {
                    e.emptied = n;
                    return true;
                }
                if (!c.placed[n]) c.masks[n] &= static_cast<valuemask>(~c.masks[i]);
            }
        }
        if (progress) continue;
        for (int g = 0; g < s.group_count() && !progress; ++g) {
            if (!s.complete(g)) continue;
            for (int v = 1; v <= 6 && !progress; ++v) {
                int place = -1;
                int places = 0;
                for (int i : s.group_cells(g))
                    if ((c.masks[i] & value_bit(v)) != 0) {
                        place = i;
                        places += c.placed[i] ? 2 : 1;
                    }
                if (places == 0) {
                    e.starved_group = g;
                    e.starved_value = v;
                    return true;
                }
                if (places == 1) {
                    c.masks[place] = value_bit(v);
                    progress = true;
                }
            }
        }
    }
    return false;
}

std::optional<elimination> contradiction(const shape& s, candidates& c) {
    // Cells with fewer candidates first: refuting one of two places the cell at once.
    for (int count = 2; count <= 6; ++count) {
        for (int i = 0; i < s.cell_count(); ++i) {
            if (c.placed[i] || value_count(c.masks[i]) != count) continue;
            for (int v = 1; v <= 6; ++v) {
                if ((c.masks[i] & value_bit(v)) == 0) continue;
                candidates trial = c;
                trial.masks[i] = value_bit(v);
                elimination e = made(elimination_kind::contradiction, -1, -1, value_bit(v), {i});
                if (!propagate_breaks(s, trial, e)) continue;
                c.masks[i] &= static_cast<valuemask>(~value_bit(v));
                e.removed_from.push_back(i);
                return e;
            }
        }
    }
    return std::nullopt;
}

} // namespace

hint next_hint(const shape& s, const cellvalues& board) {
    candidates c = from_board(s, board);
    if (broken(s, c)) return {};
    std::vector<elimination> before;
    for (;;) {
        std::optional<hint> h = single(s, c, board);
        if (!h) h = hidden_single(s, c, board);
        if (h) {
            h->before = std::move(before);
            return *h;
        }
        std::optional<elimination> e = intersection(s, c);
        if (!e) e = subset(s, c);
        if (!e) e = contradiction(s, c);
        if (!e) return {};
        before.push_back(std::move(*e));
    }
}

} // namespace solver
