// A compact conflict-driven clause-learning SAT solver: two watched literals (binary clauses kept
// apart), first-UIP learning with clause minimisation, variable activities (VSIDS) with phase
// saving, restarts when the latest learnt clauses span more decision levels than the average, and
// periodic reduction of the learnt clauses by literal block distance (the number of levels).
#pragma once

#include <span>
#include <vector>

namespace solver {

// A literal of variable x (from 0) is 2·x when x holds and 2·x + 1 when it does not.
constexpr int positive(int variable) {
    return 2 * variable;
}
constexpr int negative(int variable) {
    return 2 * variable + 1;
}

class cdcl {
public:
    explicit cdcl(int variables);

    // Adds a clause; only between searches. False once the clauses are known to be unsatisfiable.
    bool add_clause(std::span<const int> literals);

    enum class answer { satisfiable, unsatisfiable, unknown };

    // Searches for an assignment that satisfies every clause. A positive `max_decisions` bounds
    // the decisions made over the solver's life; past it the answer is unknown. The same clauses
    // added in the same order give the same search on every platform (there is no randomness).
    answer solve(long max_decisions = 0);

    // Whether variable x holds in the assignment the last satisfiable answer found.
    bool holds(int variable) const { return model_[variable] != 0; }

    // Adds the clause that excludes the last assignment found (the negation of the decisions that
    // led to it, which imply the rest). False when no other assignment can exist.
    bool block_model();

    // Decisions made so far, over every search.
    long decisions() const { return decisions_; }

private:
    struct reason {
        int clause = -1; // start of the clause in the arena, or -1
        int other = -1;  // with clause -1: the other literal of a binary clause, or -1 (none)
    };
    struct watcher {
        int clause;
        int blocker; // a literal of the clause; when it holds the clause need not be visited
    };

    signed char value(int literal) const { return values_[literal]; }
    void assign(int literal, reason why);
    bool propagate(); // false on a conflict, which it leaves in conflict_
    void analyse(std::vector<int>& learnt, int& back_level, int& lbd);
    bool redundant(int literal, unsigned levels);
    void backtrack(int level);
    int decision_level() const { return static_cast<int>(levels_start_.size()); }
    void attach(int clause);
    int add_learnt(const std::vector<int>& learnt, int lbd);
    void reduce();
    void bump(int variable);
    int pick_branch();
    void heap_up(int i);
    void heap_down(int i);
    void heap_insert(int variable);
    int reason_literals(int variable, int (&pair)[2], const int*& begin) const;

    int variables_;
    bool ok_ = true;
    std::vector<signed char> values_; // per literal: 1 holds, -1 fails, 0 unassigned
    std::vector<int> level_;
    std::vector<reason> reasons_;
    std::vector<int> trail_;
    std::vector<int> levels_start_; // trail position where each decision level starts
    std::size_t queue_head_ = 0;

    // Clauses of three literals or more: [size, learnt, lbd, literals...] from their start.
    std::vector<int> arena_;
    std::vector<int> learnts_;                  // starts of the learnt clauses in the arena
    std::vector<std::vector<int>> binaries_;    // per literal: the other literal of each binary
    std::vector<std::vector<watcher>> watches_; // per literal: the clauses watching it
    int conflict_[2] = {-1, -1};                // a conflicting binary clause, or
    int conflict_clause_ = -1;                  // the start of a conflicting longer clause

    std::vector<double> activity_;
    double bump_step_ = 1;
    std::vector<int> heap_;          // variables by decreasing activity
    std::vector<int> heap_position_; // per variable: its place in the heap, or -1
    std::vector<signed char> phase_; // per variable: the value it last held (1) or not (0)

    std::vector<char> seen_;
    std::vector<int> analysed_;
    std::vector<int> stack_;
    std::vector<int> scratch_; // the clause add_clause() is adding
    std::vector<signed char> model_;
    long decisions_ = 0;
    long conflicts_ = 0;
    long next_reduce_;
    long reductions_ = 0;
    double recent_lbd_ = 0; // moving average of the block distance of the latest learnt clauses
    long lbd_sum_ = 0;      // of every learnt clause
};

} // namespace solver
