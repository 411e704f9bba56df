// Per-cell records of a generated puzzle.
#include "grid/solver/records.h"

namespace solver {

std::vector<cell_record> cell_records(const generated_puzzle& p) {
    std::vector<cell_record> out;
    for (std::size_t c = 0; c < p.solution.size() && c < p.codes.size(); ++c) {
        out.push_back({static_cast<int>(c), p.solution[c], p.codes[c]});
    }
    return out;
}

} // namespace solver
