// The clause-learning SAT solver: propagation, conflict analysis, branching, restarts and the
// reduction of learnt clauses.
#include "grid/solver/cdcl.h"

#include <algorithm>
#include <utility>

namespace solver {

namespace {

// Arena layout of a clause of three literals or more.
constexpr int size_at = 0;
constexpr int learnt_at = 1;
constexpr int lbd_at = 2;
constexpr int header = 3;
constexpr int deleted = 2; // in the learnt field of a clause that reduce() drops

constexpr double activity_decay = 0.95;
constexpr long reduce_first = 2000; // conflicts before the first reduction of learnt clauses
constexpr long reduce_step = 300;   // each reduction waits this many conflicts more

// Restarts when the clauses learnt lately are worse (higher block distance) than the average.
constexpr double recent_window = 32;   // conflicts the recent average follows
constexpr double restart_margin = 0.8; // restart when 0.8 times the recent average exceeds all's
constexpr long min_restart_gap = 50;   // conflicts between two restarts at least

} // namespace

cdcl::cdcl(int variables)
    : variables_(variables), values_(2 * variables, 0), level_(variables, 0), reasons_(variables),
      binaries_(2 * variables), watches_(2 * variables), activity_(variables, 0),
      heap_position_(variables, -1), phase_(variables, 1), seen_(variables, 0),
      model_(variables, 0), next_reduce_(reduce_first) {
    for (int x = 0; x < variables; ++x) heap_insert(x);
}

void cdcl::assign(int literal, reason why) {
    const int x = literal >> 1;
    values_[literal] = 1;
    values_[literal ^ 1] = -1;
    level_[x] = decision_level();
    reasons_[x] = why;
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
                conflict_[0] = falsified;
                conflict_[1] = other;
                conflict_clause_ = -1;
                return false;
            }
            assign(other, {-1, falsified});
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
                conflict_clause_ = w.clause;
                return false;
            }
            assign(first, {w.clause, -1});
        }
        ws.resize(j);
    }
    return true;
}

// The literals of the clause that implied `variable`'s value (the implied literal among them).
// Returns their number and points `begin` at them.
int cdcl::reason_literals(int variable, int (&pair)[2], const int*& begin) const {
    const reason& r = reasons_[variable];
    if (r.clause >= 0) {
        begin = &arena_[r.clause + header];
        return arena_[r.clause + size_at];
    }
    pair[0] = values_[positive(variable)] == 1 ? positive(variable) : negative(variable);
    pair[1] = r.other;
    begin = pair;
    return 2;
}

// A literal of a learnt clause is redundant when the literals its value follows from, and
// theirs in turn, lead back only to literals of the clause or of level 0; `levels` holds a bit
// (level mod 32) for each level of the clause, to give up early on literals of other levels.
// Literals proven redundant stay marked in seen_ (and listed in analysed_), the others are
// unmarked again.
bool cdcl::redundant(int literal, unsigned levels) {
    stack_.assign(1, literal >> 1);
    const std::size_t marked = analysed_.size();
    while (!stack_.empty()) {
        const int x = stack_.back();
        stack_.pop_back();
        int pair[2];
        const int* l = nullptr;
        const int n = reason_literals(x, pair, l);
        for (int k = 0; k < n; ++k) {
            const int y = l[k] >> 1;
            if (y == x || seen_[y] || level_[y] == 0) continue;
            const bool implied = reasons_[y].clause >= 0 || reasons_[y].other >= 0;
            if (!implied || (levels & (1u << (level_[y] & 31))) == 0) {
                for (std::size_t i = marked; i < analysed_.size(); ++i) seen_[analysed_[i]] = 0;
                analysed_.resize(marked);
                return false;
            }
            seen_[y] = 1;
            stack_.push_back(y);
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
    int pair[2] = {conflict_[0], conflict_[1]};
    const int* l = conflict_clause_ >= 0 ? &arena_[conflict_clause_ + header] : pair;
    int n = conflict_clause_ >= 0 ? arena_[conflict_clause_ + size_at] : 2;
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
        n = reason_literals(p >> 1, pair, l);
    }
    learnt[0] = p ^ 1;

    unsigned levels = 0;
    for (std::size_t i = 1; i < learnt.size(); ++i) levels |= 1u << (level_[learnt[i] >> 1] & 31);
    std::size_t kept = 1;
    for (std::size_t i = 1; i < learnt.size(); ++i) {
        const int x = learnt[i] >> 1;
        const bool implied = reasons_[x].clause >= 0 || reasons_[x].other >= 0;
        if (!implied || !redundant(learnt[i], levels)) learnt[kept++] = learnt[i];
    }
    learnt.resize(kept);
    for (int y : analysed_) seen_[y] = 0;

    // Literal block distance: the number of decision levels among the clause's literals.
    stack_.clear();
    for (int q : learnt) stack_.push_back(level_[q >> 1]);
    std::sort(stack_.begin(), stack_.end());
    lbd = static_cast<int>(std::unique(stack_.begin(), stack_.end()) - stack_.begin());

    back_level = 0;
    for (std::size_t i = 1; i < learnt.size(); ++i) {
        const int lv = level_[learnt[i] >> 1];
        if (lv > back_level) {
            back_level = lv;
            std::swap(learnt[1], learnt[i]);
        }
    }
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
    queue_head_ = keep;
}

// Stores a learnt clause of two literals or more, asserts its first literal and returns its
// start in the arena (-1 for a binary clause).
int cdcl::add_learnt(const std::vector<int>& learnt, int lbd) {
    if (learnt.size() == 2) {
        binaries_[learnt[0]].push_back(learnt[1]);
        binaries_[learnt[1]].push_back(learnt[0]);
        assign(learnt[0], {-1, learnt[1]});
        return -1;
    }
    const int start = static_cast<int>(arena_.size());
    arena_.push_back(static_cast<int>(learnt.size()));
    arena_.push_back(1);
    arena_.push_back(lbd);
    arena_.insert(arena_.end(), learnt.begin(), learnt.end());
    attach(start);
    learnts_.push_back(start);
    assign(learnt[0], {start, -1});
    return start;
}

// At level 0: drops the clauses level 0 satisfies and the less useful half of the learnt ones
// (those of literal block distance above 2, the highest distances first), then compacts the
// arena and watches again.
void cdcl::reduce() {
    std::vector<int> order;
    for (int c : learnts_) {
        if (arena_[c + lbd_at] > 2) order.push_back(c);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return arena_[a + lbd_at] > arena_[b + lbd_at] ||
               (arena_[a + lbd_at] == arena_[b + lbd_at] && arena_[a] > arena_[b]);
    });
    for (std::size_t i = 0; i < order.size() / 2; ++i) arena_[order[i] + learnt_at] = deleted;

    std::vector<int> packed;
    packed.reserve(arena_.size());
    learnts_.clear();
    for (auto& ws : watches_) ws.clear();
    for (std::size_t c = 0; c < arena_.size();) {
        const int size = arena_[c + size_at];
        const int next = static_cast<int>(c) + header + size;
        const int* l = &arena_[c + header];
        bool satisfied = arena_[c + learnt_at] == deleted;
        for (int k = 0; k < size && !satisfied; ++k) satisfied = value(l[k]) == 1;
        if (!satisfied) {
            const int start = static_cast<int>(packed.size());
            packed.push_back(0);
            packed.push_back(arena_[c + learnt_at]);
            packed.push_back(arena_[c + lbd_at]);
            for (int k = 0; k < size; ++k) {
                if (value(l[k]) == 0) packed.push_back(l[k]);
            }
            packed[start + size_at] = static_cast<int>(packed.size()) - start - header;
            if (packed[start + learnt_at] != 0) learnts_.push_back(start);
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

// The unassigned variable of highest activity, as its saved phase; -1 when all are assigned.
int cdcl::pick_branch() {
    while (!heap_.empty()) {
        const int x = heap_[0];
        heap_position_[x] = -1;
        heap_[0] = heap_.back();
        heap_.pop_back();
        if (!heap_.empty()) {
            heap_position_[heap_[0]] = 0;
            heap_down(0);
        }
        if (values_[positive(x)] == 0) return phase_[x] != 0 ? positive(x) : negative(x);
    }
    return -1;
}

cdcl::answer cdcl::solve(long max_decisions) {
    if (!ok_) return answer::unsatisfiable;
    std::vector<int> learnt;
    long since_restart = 0;
    for (;;) {
        if (!propagate()) {
            ++conflicts_;
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
            bump_step_ /= activity_decay;
            ++since_restart;
            recent_lbd_ += (lbd - recent_lbd_) / recent_window;
            lbd_sum_ += lbd;
            continue;
        }
        const bool restart = since_restart >= min_restart_gap &&
                             recent_lbd_ * restart_margin >
                                 static_cast<double>(lbd_sum_) / static_cast<double>(conflicts_);
        if (restart || conflicts_ >= next_reduce_) {
            backtrack(0);
            since_restart = 0;
            if (conflicts_ >= next_reduce_) {
                next_reduce_ = conflicts_ + reduce_first + reduce_step * ++reductions_;
                reduce();
            }
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
