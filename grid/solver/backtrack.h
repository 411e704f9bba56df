// The backtracking search over candidate masks: the grader's search by trial, whose node count
// measures a puzzle's effort, and random complete fillings for the generator.
#pragma once

#include <atomic>
#include <random>

#include "grid/solver/shape.h"
#include "grid/solver/solver.h"
#include "grid/solver/valuemask.h"

namespace solver {

// Counts the fillings of `s` that keep `givens` (as solve() reads them) up to `limit` (at least
// 1) by depth-first search; `nodes` is the number of search nodes it visited. A positive
// `max_nodes` bounds it as it bounds solve(). Its tie-breaking
// choices come from a fixed seed, so the same call gives the same nodes on every platform. Its
// time may grow steeply on large shapes: count with solve() unless the node count is the point.
solve_result backtrack_solve(const shape& s, const cellvalues& givens, int limit = 2,
                             long max_nodes = 0);

// A complete valid filling of `s` chosen by randomised backtracking driven by `rng`; empty when
// the shape has none, or once `stop` is set (looked at every few hundred search nodes, so that a
// large shape stops within milliseconds). The same generator state gives the same filling on
// every platform.
cellvalues random_filling(const shape& s, std::mt19937& rng,
                          const std::atomic<bool>* stop = nullptr);

} // namespace solver
