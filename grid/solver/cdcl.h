// A compact conflict-driven clause-learning SAT solver: two watched literals for long clauses,
// binary clauses kept apart, first-UIP learning with the learnt clauses shrunk (the literals of a
// level replaced by one that implies them) and minimised, variable activities (VSIDS) with phase
// saving, restarts when the latest learnt clauses span more decision levels
// than the average (keeping the decisions the next one would make again), and periodic reduction
// of the learnt clauses by literal block distance (the number of levels) and recent use.
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

    // Decisions and conflicts so far, over every search.
    long decisions() const { return decisions_; }
    long conflicts() const { return conflicts_; }

private:
    enum class why : unsigned char { decision, binary, clause };
    struct reason {
        why kind = why::decision;
        int at = 0; // binary: the other literal of the clause (false); clause: its arena start
    };
    struct watcher {
        int clause;
        int blocker; // a literal of the clause; when it holds the clause need not be visited
    };

    signed char value(int literal) const { return values_[literal]; }
    void assign(int literal, reason r);
    bool propagate(); // false on a conflict, which it leaves in conflict_
    void analyse(std::vector<int>& learnt, int& back_level, int& lbd);
    void reason_used(const reason& r);
    void bump_reasons(const std::vector<int>& learnt);
    bool redundant(int literal, unsigned levels);
    void shrink(std::vector<int>& learnt);
    int level_implication(const std::vector<int>& learnt, std::size_t from, std::size_t to,
                          int level);
    void backtrack(int level);
    void restart();
    int decision_level() const { return static_cast<int>(levels_start_.size()); }
    void attach(int clause);
    void add_learnt(const std::vector<int>& learnt, int lbd);
    void reduce();
    void bump(int variable);
    int next_variable();
    int pick_branch();
    void heap_up(int i);
    void heap_down(int i);
    void heap_insert(int variable);
    int literals_of(const reason& r, int implied, int (&pair)[2], const int*& begin) const;
    int block_distance(const int* literals, int size);

    int variables_;
    bool ok_ = true;
    std::vector<signed char> values_; // per literal: 1 holds, -1 fails, 0 unassigned
    std::vector<int> level_;
    std::vector<reason> reasons_;
    std::vector<int> trail_;
    std::vector<int> levels_start_; // trail position where each decision level starts
    std::size_t queue_head_ = 0;    // trail literals before it are propagated

    // Clauses of three literals or more: [size, flags, lbd, literals...] from their start.
    std::vector<int> arena_;
    std::vector<int> learnts_;                  // starts of the learnt clauses in the arena
    std::vector<std::vector<int>> binaries_;    // per literal: the other literal of each binary
    std::vector<std::vector<watcher>> watches_; // per literal: the clauses watching it

    reason conflict_;
    int conflict_literal_ =
        -1; // with a conflicting binary clause: its literal besides conflict_.at

    std::vector<double> activity_;
    double bump_step_ = 1;
    std::vector<int> heap_;          // variables by decreasing activity
    std::vector<int> heap_position_; // per variable: its place in the heap, or -1
    std::vector<signed char> phase_; // per variable: the value it last held (1) or not (0)

    std::vector<char> seen_;
    std::vector<char> shrinking_; // the variables level_implication() is resolving
    std::vector<int> analysed_;
    std::vector<int> stack_;
    std::vector<int> scratch_;    // the clause add_clause() is adding
    std::vector<unsigned> stamp_; // per level: the last block_distance() call that met it
    unsigned stamp_now_ = 0;
    std::vector<signed char> model_;
    long decisions_ = 0;
    long conflicts_ = 0;
    double decay_; // of the activities at each conflict
    long next_reduce_;
    long reductions_ = 0;
    long since_restart_ = 0;
    double recent_lbd_ = 0; // moving average of the block distance of the latest learnt clauses
    long lbd_sum_ = 0;      // of every learnt clause
};

} // namespace solver
