// The clause-learning SAT solver: propagation, conflict analysis, branching, restarts and the
// reduction of learnt clauses.
#include "grid/solver/cdcl.h"

#include <algorithm>
#include <utility>

namespace solver {

namespace {

// Arena layout of a clause of three literals or more.
constexpr int size_at = 0;
constexpr int flags_at = 1;
constexpr int lbd_at = 2;
constexpr int header = 3;
constexpr int learnt_flag = 1;
constexpr int deleted_flag = 2; // set by reduce() on the clauses it drops
constexpr int used_flag = 4;    // a learnt clause met by conflict analysis since the last reduction

// Activities decay fast at first, to follow the conflicts of the start, then more slowly.
constexpr double first_decay = 0.9;
constexpr double last_decay = 0.95;
constexpr long decay_period = 5000; // conflicts between two steps of 0.01
constexpr long reduce_first = 2000; // conflicts before the first reduction
constexpr long reduce_step = 300;   // each reduction waits this many more
constexpr int core_lbd = 2;         // learnt clauses always kept

// Restarts when the clauses learnt lately are worse (higher block distance) than the average.
constexpr double recent_window = 32;   // conflicts the recent average follows
constexpr double restart_margin = 0.8; // restart when this times the recent average exceeds all's
constexpr long min_restart_gap = 50;   // conflicts between two restarts at least
// The share of the learnt clauses that a reduction considers and drops.
constexpr double dropped_share = 0.5;

} // namespace

cdcl::cdcl(int variables)
    : variables_(variables), values_(2 * variables, 0), level_(variables, 0), reasons_(variables),
      binaries_(2 * variables), watches_(2 * variables), activity_(variables, 0),
      heap_position_(variables, -1), phase_(variables, 1), seen_(variables, 0),
      shrinking_(variables, 0), stamp_(variables + 1, 0), model_(variables, 0), decay_(first_decay),
      next_reduce_(reduce_first) {
    for (int x = 0; x < variables; ++x) heap_insert(x);
}

void cdcl::assign(int literal, reason r) {
    const int x = literal >> 1;
    values_[literal] = 1;
    values_[literal ^ 1] = -1;
    level_[x] = decision_level();
    reasons_[x] = r;
    trail_.push_back(literal);
}

bool cdcl::add_clause(std::span<const int> clause) {
    if (!ok_) return false;
    backtrack(0);
    std::vector<int>& literals = scratch_;
    literals.assign(clause.begin(), clause.end());
    std::sort(literals.begin(), literals.end());
    literals.erase(std::unique(literals.begin(), literals.end()), literals.end());
    std::size_t kept = 0;
    for (std::size_t i = 0; i < literals.size(); ++i) {
        const int l = literals[i];
        if (value(l) == 1 || (i + 1 < literals.size() && literals[i + 1] == (l ^ 1))) return true;
        if (value(l) == 0) literals[kept++] = l;
    }
    literals.resize(kept);
    if (literals.empty()) {
        ok_ = false;
    } else if (literals.size() == 1) {
        assign(literals[0], {});
        ok_ = propagate();
    } else if (literals.size() == 2) {
        binaries_[literals[0]].push_back(literals[1]);
        binaries_[literals[1]].push_back(literals[0]);
    } else {
        const int start = static_cast<int>(arena_.size());
        arena_.push_back(static_cast<int>(literals.size()));
        arena_.push_back(0);
        arena_.push_back(0);
        arena_.insert(arena_.end(), literals.begin(), literals.end());
        attach(start);
    }
    return ok_;
}

void cdcl::attach(int clause) {
    const int* l = &arena_[clause + header];
    watches_[l[0]].push_back({clause, l[1]});
    watches_[l[1]].push_back({clause, l[0]});
}

bool cdcl::propagate() {
    while (queue_head_ < trail_.size()) {
        const int falsified = trail_[queue_head_++] ^ 1;
        for (int other : binaries_[falsified]) {
            if (value(other) == 1) continue;
            if (value(other) == -1) {
                conflict_ = {why::binary, other};
                conflict_literal_ = falsified;
                return false;
            }
            assign(other, {why::binary, falsified});
        }
        std::vector<watcher>& ws = watches_[falsified];
        std::size_t i = 0;
        std::size_t j = 0;
        while (i < ws.size()) {
            const watcher w = ws[i++];
            if (value(w.blocker) == 1) {
                ws[j++] = w;
                continue;
            }
            int* l = &arena_[w.clause + header];
            const int size = arena_[w.clause + size_at];
            if (l[0] == falsified) std::swap(l[0], l[1]);
            const int first = l[0];
            if (first != w.blocker && value(first) == 1) {
                ws[j++] = {w.clause, first};
                continue;
            }
            bool moved = false;
            for (int k = 2; k < size; ++k) {
                if (value(l[k]) != -1) {
                    std::swap(l[1], l[k]);
                    watches_[l[1]].push_back({w.clause, first});
                    moved = true;
                    break;
                }
            }
            if (moved) continue;
            ws[j++] = {w.clause, first};
            if (value(first) == -1) {
                while (i < ws.size()) ws[j++] = ws[i++];
                ws.resize(j);
                conflict_ = {why::clause, w.clause};
                return false;
            }
            assign(first, {why::clause, w.clause});
        }
        ws.resize(j);
    }
    return true;
}

// The literals of the clause a reason names (`implied`, the literal it implied, among them for a
// binary clause). Returns their number and points `begin` at them.
int cdcl::literals_of(const reason& r, int implied, int (&pair)[2], const int*& begin) const {
    switch (r.kind) {
    case why::clause:
        begin = &arena_[r.at + header];
        return arena_[r.at + size_at];
    default:
        pair[0] = implied;
        pair[1] = r.at;
        begin = pair;
        return 2;
    }
}

// The number of decision levels among the literals.
int cdcl::block_distance(const int* literals, int size) {
    ++stamp_now_;
    int levels = 0;
    for (int k = 0; k < size; ++k) {
        const int lv = level_[literals[k] >> 1];
        if (stamp_[lv] != stamp_now_) {
            stamp_[lv] = stamp_now_;
            ++levels;
        }
    }
    return levels;
}

// A learnt clause met by the analysis is kept at the next reduction, with its block distance
// brought down to the one it has now when that is lower.
void cdcl::reason_used(const reason& r) {
    if (r.kind != why::clause || (arena_[r.at + flags_at] & learnt_flag) == 0) return;
    arena_[r.at + flags_at] |= used_flag;
    if (arena_[r.at + lbd_at] <= core_lbd) return;
    const int lbd = block_distance(&arena_[r.at + header], arena_[r.at + size_at]);
    if (lbd < arena_[r.at + lbd_at]) arena_[r.at + lbd_at] = lbd;
}

// A literal of a learnt clause is redundant when the literals its value follows from, and
// theirs in turn, lead back only to literals of the clause or of level 0; `levels` holds a bit
// (level mod 32) for each level of the clause, to give up early on literals of other levels.
// Literals proven redundant stay marked in seen_ (and listed in analysed_), the others are
// unmarked again.
bool cdcl::redundant(int literal, unsigned levels) {
    stack_.assign(1, literal ^ 1);
    const std::size_t marked = analysed_.size();
    while (!stack_.empty()) {
        const int implied = stack_.back();
        stack_.pop_back();
        int pair[2];
        const int* l = nullptr;
        const int n = literals_of(reasons_[implied >> 1], implied, pair, l);
        for (int k = 0; k < n; ++k) {
            const int y = l[k] >> 1;
            if (l[k] == implied || seen_[y] || level_[y] == 0) continue;
            if (reasons_[y].kind == why::decision || (levels & (1u << (level_[y] & 31))) == 0) {
                for (std::size_t i = marked; i < analysed_.size(); ++i) seen_[analysed_[i]] = 0;
                analysed_.resize(marked);
                return false;
            }
            seen_[y] = 1;
            stack_.push_back(l[k] ^ 1);
            analysed_.push_back(y);
        }
    }
    return true;
}

// First-UIP analysis of the conflict in conflict_: the learnt clause (its asserting literal first,
// a literal of the level to return to second), that level and the clause's block distance.
void cdcl::analyse(std::vector<int>& learnt, int& back_level, int& lbd) {
    learnt.assign(1, -1);
    analysed_.clear();
    int pending = 0;
    int p = -1;
    int index = static_cast<int>(trail_.size()) - 1;
    int pair[2];
    const int* l = nullptr;
    reason_used(conflict_);
    int n = literals_of(conflict_, conflict_literal_, pair, l);
    for (;;) {
        for (int k = 0; k < n; ++k) {
            const int q = l[k];
            const int y = q >> 1;
            if (q == p || seen_[y] || level_[y] == 0) continue;
            seen_[y] = 1;
            analysed_.push_back(y);
            bump(y);
            if (level_[y] >= decision_level()) {
                ++pending;
            } else {
                learnt.push_back(q);
            }
        }
        while (!seen_[trail_[index] >> 1]) --index;
        p = trail_[index--];
        seen_[p >> 1] = 0;
        if (--pending == 0) break;
        reason_used(reasons_[p >> 1]);
        n = literals_of(reasons_[p >> 1], p, pair, l);
    }
    learnt[0] = p ^ 1;
    shrink(learnt);

    unsigned levels = 0;
    for (std::size_t i = 1; i < learnt.size(); ++i) levels |= 1u << (level_[learnt[i] >> 1] & 31);
    std::size_t kept = 1;
    for (std::size_t i = 1; i < learnt.size(); ++i) {
        const bool implied = reasons_[learnt[i] >> 1].kind != why::decision;
        if (!implied || !redundant(learnt[i], levels)) learnt[kept++] = learnt[i];
    }
    learnt.resize(kept);
    for (int y : analysed_) seen_[y] = 0;
    bump_reasons(learnt);

    lbd = block_distance(learnt.data(), static_cast<int>(learnt.size()));
    back_level = 0;
    for (std::size_t i = 1; i < learnt.size(); ++i) {
        const int lv = level_[learnt[i] >> 1];
        if (lv > back_level) {
            back_level = lv;
            std::swap(learnt[1], learnt[i]);
        }
    }
}

// Bumps the variables of the reasons of the learnt clause's implied literals, besides the clause's
// own: they are the ones the next conflicts are likely to meet again.
void cdcl::bump_reasons(const std::vector<int>& learnt) {
    for (int q : learnt) seen_[q >> 1] = 1;
    stack_.clear();
    for (std::size_t i = 1; i < learnt.size(); ++i) {
        const int x = learnt[i] >> 1;
        if (reasons_[x].kind == why::decision) continue;
        int pair[2];
        const int* l = nullptr;
        const int n = literals_of(reasons_[x], learnt[i] ^ 1, pair, l);
        for (int k = 0; k < n; ++k) {
            const int y = l[k] >> 1;
            if (seen_[y] || level_[y] == 0) continue;
            seen_[y] = 1;
            stack_.push_back(y);
            bump(y);
        }
    }
    for (int q : learnt) seen_[q >> 1] = 0;
    for (int y : stack_) seen_[y] = 0;
}

// The literal of level `level` that implies the clause's literals learnt[from..to) of that
// level, found by resolving them back along the trail while the reasons met lead only to that
// level, to level 0 and to the clause's literals of other levels (seen_); -1 when they lead
// elsewhere.
int cdcl::level_implication(const std::vector<int>& learnt, std::size_t from, std::size_t to,
                            int level) {
    std::vector<int>& marked = stack_;
    marked.clear();
    for (std::size_t k = from; k < to; ++k) {
        shrinking_[learnt[k] >> 1] = 1;
        marked.push_back(learnt[k] >> 1);
    }
    int open = static_cast<int>(to - from);
    int found = -1;
    const int begin = levels_start_[level - 1];
    int t = level < decision_level() ? levels_start_[level] : static_cast<int>(trail_.size());
    while (--t >= begin) {
        const int literal = trail_[t];
        if (!shrinking_[literal >> 1]) continue;
        if (open == 1) {
            found = literal ^ 1;
            break;
        }
        --open;
        int pair[2];
        const int* l = nullptr;
        const int n = literals_of(reasons_[literal >> 1], literal, pair, l);
        bool pure = reasons_[literal >> 1].kind != why::decision;
        for (int k = 0; k < n && pure; ++k) {
            const int y = l[k] >> 1;
            if (l[k] == literal || level_[y] == 0 || shrinking_[y]) continue;
            if (level_[y] != level) {
                pure = seen_[y] != 0;
            } else {
                shrinking_[y] = 1;
                marked.push_back(y);
                ++open;
            }
        }
        if (!pure) break;
    }
    for (int y : marked) shrinking_[y] = 0;
    return found;
}

// Replaces the literals of each lower level of a learnt clause by the one literal of that level
// that implies them, where level_implication() finds it. The literal it brings in is marked in
// seen_ as the clause's; those it replaces stay marked, as they follow from it.
void cdcl::shrink(std::vector<int>& learnt) {
    std::sort(learnt.begin() + 1, learnt.end(), [&](int a, int b) {
        return level_[a >> 1] > level_[b >> 1] || (level_[a >> 1] == level_[b >> 1] && a < b);
    });
    std::size_t kept = 1;
    for (std::size_t i = 1; i < learnt.size();) {
        const int level = level_[learnt[i] >> 1];
        std::size_t end = i;
        while (end < learnt.size() && level_[learnt[end] >> 1] == level) ++end;
        const int implying = end - i >= 2 ? level_implication(learnt, i, end, level) : -1;
        if (implying >= 0) {
            learnt[kept++] = implying;
            if (!seen_[implying >> 1]) {
                seen_[implying >> 1] = 1;
                analysed_.push_back(implying >> 1);
            }
            i = end;
        } else {
            while (i < end) learnt[kept++] = learnt[i++];
        }
    }
    learnt.resize(kept);
}

void cdcl::backtrack(int level) {
    if (decision_level() <= level) return;
    const std::size_t keep = static_cast<std::size_t>(levels_start_[level]);
    for (std::size_t i = trail_.size(); i-- > keep;) {
        const int literal = trail_[i];
        const int x = literal >> 1;
        phase_[x] = (literal & 1) == 0 ? 1 : 0;
        values_[literal] = 0;
        values_[literal ^ 1] = 0;
        if (heap_position_[x] < 0) heap_insert(x);
    }
    trail_.resize(keep);
    levels_start_.resize(level);
    queue_head_ = std::min(queue_head_, keep);
}

// Starts the search again, reducing the learnt clauses when that is due. Otherwise the decisions
// of higher activity than the next one are kept: a new start would take them again.
void cdcl::restart() {
    since_restart_ = 0;
    if (conflicts_ >= next_reduce_) {
        next_reduce_ = conflicts_ + reduce_first + reduce_step * ++reductions_;
        backtrack(0);
        reduce();
        return;
    }
    const int next = next_variable();
    int level = 0;
    if (next >= 0) {
        while (level < decision_level() &&
               activity_[trail_[levels_start_[level]] >> 1] > activity_[next]) {
            ++level;
        }
    }
    backtrack(level);
}

// Stores a learnt clause of two literals or more and asserts its first literal.
void cdcl::add_learnt(const std::vector<int>& learnt, int lbd) {
    if (learnt.size() == 2) {
        binaries_[learnt[0]].push_back(learnt[1]);
        binaries_[learnt[1]].push_back(learnt[0]);
        assign(learnt[0], {why::binary, learnt[1]});
        return;
    }
    const int start = static_cast<int>(arena_.size());
    arena_.push_back(static_cast<int>(learnt.size()));
    arena_.push_back(learnt_flag);
    arena_.push_back(lbd);
    arena_.insert(arena_.end(), learnt.begin(), learnt.end());
    attach(start);
    learnts_.push_back(start);
    assign(learnt[0], {why::clause, start});
}

// At level 0: drops the clauses level 0 satisfies and half of the learnt ones that are neither
// of the lowest block distances nor met by the analysis since the last reduction (the highest
// distances and then the longest first), then compacts the arena and watches again.
void cdcl::reduce() {
    std::vector<int> order;
    for (int c : learnts_) {
        const bool used = (arena_[c + flags_at] & used_flag) != 0;
        arena_[c + flags_at] &= ~used_flag;
        if (arena_[c + lbd_at] > core_lbd && !used) order.push_back(c);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return arena_[a + lbd_at] > arena_[b + lbd_at] ||
               (arena_[a + lbd_at] == arena_[b + lbd_at] && arena_[a] > arena_[b]);
    });
    const auto drop = static_cast<std::size_t>(static_cast<double>(order.size()) * dropped_share);
    for (std::size_t i = 0; i < drop; ++i) arena_[order[i] + flags_at] |= deleted_flag;

    std::vector<int> packed;
    packed.reserve(arena_.size());
    learnts_.clear();
    for (auto& ws : watches_) ws.clear();
    for (std::size_t c = 0; c < arena_.size();) {
        const int size = arena_[c + size_at];
        const int next = static_cast<int>(c) + header + size;
        const int* l = &arena_[c + header];
        bool satisfied = (arena_[c + flags_at] & deleted_flag) != 0;
        for (int k = 0; k < size && !satisfied; ++k) satisfied = value(l[k]) == 1;
        if (!satisfied) {
            const int start = static_cast<int>(packed.size());
            packed.push_back(0);
            packed.push_back(arena_[c + flags_at]);
            packed.push_back(arena_[c + lbd_at]);
            for (int k = 0; k < size; ++k) {
                if (value(l[k]) == 0) packed.push_back(l[k]);
            }
            packed[start + size_at] = static_cast<int>(packed.size()) - start - header;
            if ((packed[start + flags_at] & learnt_flag) != 0) learnts_.push_back(start);
        }
        c = static_cast<std::size_t>(next);
    }
    arena_ = std::move(packed);
    for (std::size_t c = 0; c < arena_.size(); c += header + arena_[c + size_at]) {
        attach(static_cast<int>(c));
    }
}

void cdcl::bump(int variable) {
    if ((activity_[variable] += bump_step_) > 1e100) {
        for (double& a : activity_) a *= 1e-100;
        bump_step_ *= 1e-100;
    }
    if (heap_position_[variable] >= 0) heap_up(heap_position_[variable]);
}

void cdcl::heap_up(int i) {
    const int x = heap_[i];
    while (i > 0) {
        const int parent = (i - 1) / 2;
        if (activity_[heap_[parent]] >= activity_[x]) break;
        heap_[i] = heap_[parent];
        heap_position_[heap_[i]] = i;
        i = parent;
    }
    heap_[i] = x;
    heap_position_[x] = i;
}

void cdcl::heap_down(int i) {
    const int x = heap_[i];
    const int n = static_cast<int>(heap_.size());
    for (;;) {
        int child = 2 * i + 1;
        if (child >= n) break;
        if (child + 1 < n && activity_[heap_[child + 1]] > activity_[heap_[child]]) ++child;
        if (activity_[heap_[child]] <= activity_[x]) break;
        heap_[i] = heap_[child];
        heap_position_[heap_[i]] = i;
        i = child;
    }
    heap_[i] = x;
    heap_position_[x] = i;
}

void cdcl::heap_insert(int variable) {
    heap_position_[variable] = static_cast<int>(heap_.size());
    heap_.push_back(variable);
    heap_up(heap_position_[variable]);
}

// The unassigned variable of highest activity, left in the heap (assigned ones above it leave
// it); -1 when all are assigned.
int cdcl::next_variable() {
    while (!heap_.empty() && values_[positive(heap_[0])] != 0) {
        heap_position_[heap_[0]] = -1;
        heap_[0] = heap_.back();
        heap_.pop_back();
        if (!heap_.empty()) {
            heap_position_[heap_[0]] = 0;
            heap_down(0);
        }
    }
    return heap_.empty() ? -1 : heap_[0];
}

// The unassigned variable of highest activity, taken from the heap, as its saved phase; -1 when
// all are assigned.
int cdcl::pick_branch() {
    const int x = next_variable();
    if (x < 0) return -1;
    heap_position_[x] = -1;
    heap_[0] = heap_.back();
    heap_.pop_back();
    if (!heap_.empty()) {
        heap_position_[heap_[0]] = 0;
        heap_down(0);
    }
    return phase_[x] != 0 ? positive(x) : negative(x);
}

cdcl::answer cdcl::solve(long max_decisions) {
    if (!ok_) return answer::unsatisfiable;
    std::vector<int> learnt;
    for (;;) {
        if (!propagate()) {
            ++conflicts_;
            ++since_restart_;
            if (decision_level() == 0) {
                ok_ = false;
                return answer::unsatisfiable;
            }
            int back_level = 0;
            int lbd = 0;
            analyse(learnt, back_level, lbd);
            backtrack(back_level);
            if (learnt.size() == 1) {
                assign(learnt[0], {});
            } else {
                add_learnt(learnt, lbd);
            }
            if (conflicts_ % decay_period == 0) decay_ = std::min(last_decay, decay_ + 0.01);
            bump_step_ /= decay_;
            recent_lbd_ += (lbd - recent_lbd_) / recent_window;
            lbd_sum_ += lbd;
            continue;
        }
        const bool restart_due = since_restart_ >= min_restart_gap &&
                                 recent_lbd_ * restart_margin > static_cast<double>(lbd_sum_) /
                                                                    static_cast<double>(conflicts_);
        if (restart_due || conflicts_ >= next_reduce_) {
            restart();
            continue;
        }
        if (max_decisions > 0 && decisions_ >= max_decisions) {
            backtrack(0);
            return answer::unknown;
        }
        const int literal = pick_branch();
        if (literal < 0) {
            for (int x = 0; x < variables_; ++x) model_[x] = values_[positive(x)] == 1 ? 1 : 0;
            return answer::satisfiable;
        }
        ++decisions_;
        levels_start_.push_back(static_cast<int>(trail_.size()));
        assign(literal, {});
    }
}

bool cdcl::block_model() {
    std::vector<int> clause;
    for (int start : levels_start_) clause.push_back(trail_[start] ^ 1);
    return add_clause(clause);
}

} // namespace solver
