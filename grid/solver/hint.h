// Hints: from the values on a board, the easiest next placement that reasoning finds, with the
// cells and values that justify it, so that a player can follow it. Never a guess: a supposition
// is only used when singles alone then break the board.
#pragma once

#include <vector>

#include "grid/solver/shape.h"
#include "grid/solver/valuemask.h"

namespace solver {

// How the placement itself is seen, once the eliminations before it are made.
enum class hint_technique {
    single,        // the cell has one candidate left
    hidden_single, // the value has one place left in a complete group
};

// Candidates removed before the placement could be seen.
enum class elimination_kind {
    intersection,  // a value of a complete group confined to the cells it shares with another group
    naked_subset,  // k cells of a group holding k candidates between them
    hidden_subset, // k values with their only places in k cells of a complete group
    contradiction, // a value that would leave a cell without a value, or a value without a place
};

struct elimination {
    elimination_kind kind = elimination_kind::intersection;
    int group = -1;         // the group it is seen in (the supposition: -1)
    int other = -1;         // intersection: the group that loses the value
    valuemask values = 0;   // the values concerned (the supposed value for a contradiction)
    std::vector<int> cells; // the cells that justify it (the supposed cell for a contradiction)
    std::vector<int> removed_from; // the cells that lost candidates
    // A contradiction: the cell left without a value, or else the complete group left without a
    // place for `starved_value`.
    int emptied = -1;
    int starved_group = -1;
    int starved_value = 0;
};

struct hint {
    bool found = false;
    int cell = -1; // the cell to fill
    int value = 0; // its value
    hint_technique technique = hint_technique::single;
    int group = -1; // hidden single: the complete group
    // Cells holding a value on the board that rule out what the explanation names: for a single,
    // one neighbour per value it cannot take; for a hidden single, the cells holding the value
    // that keep it from the group's other open cells.
    std::vector<int> witnesses;
    std::vector<elimination> before; // in the order made; empty for the plain techniques
};

// The easiest next placement on `board` (one entry per cell: 0 empty, else 1..6), trying in this
// order after each elimination: singles, hidden singles, then intersections, subsets and
// contradictions reached by singles and hidden singles after one supposition. Not found when the
// board is full, broken, or nothing applies. Stateless.
hint next_hint(const shape& s, const cellvalues& board);

} // namespace solver
