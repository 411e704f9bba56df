// satbench: times the counting solver and a SAT solver side by side on the same puzzles (compact
// grids, strips and rings, each also with its cells renumbered at random) and on filling an empty
// grid. Run by hand: satbench [--sat COMMAND] [--runs N] [--quick] [--only SHAPE]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "grid/solver/backtrack.h"
#include "grid/solver/hexshape.h"
#include "grid/solver/solver.h"
#include "tools/satbench/cnf.h"
#include "tools/satbench/renumber.h"

namespace {

using clock_type = std::chrono::steady_clock;

struct family {
    std::string name;
    std::vector<solver::latpoint> centres;
};

std::vector<solver::latpoint> strip(int width, int height) {
    std::vector<solver::latpoint> out;
    for (int b = 0; b < height; ++b) {
        for (int a = 0; a < width; ++a) out.push_back({a, b});
    }
    return out;
}

std::vector<family> families(bool quick) {
    std::vector<family> out;
    for (int r : quick ? std::vector<int>{4, 6} : std::vector<int>{4, 6, 8, 10, 14}) {
        out.push_back({"compact " + std::to_string(r), solver::compact_centres(r)});
    }
    for (auto [w, h] : quick ? std::vector<std::pair<int, int>>{{20, 3}}
                             : std::vector<std::pair<int, int>>{{20, 3}, {60, 4}, {100, 6}}) {
        out.push_back({"strip " + std::to_string(w) + " " + std::to_string(h), strip(w, h)});
    }
    for (int r : quick ? std::vector<int>{6} : std::vector<int>{6, 12, 20}) {
        out.push_back({"ring " + std::to_string(r), solver::ring_centres(r)});
    }
    return out;
}

// A puzzle with one solution: a random filling whose givens are removed in a random order while
// the solution stays unique (a removal the solver cannot settle in 20000 nodes is refused).
solver::cellvalues minimal_puzzle(const solver::shape& s, std::mt19937& rng) {
    solver::cellvalues givens = solver::random_filling(s, rng);
    std::vector<int> order(s.cell_count());
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), rng);
    for (int c : order) {
        const auto value = givens[c];
        givens[c] = 0;
        const auto r = solver::solve(s, givens, 2, 20000);
        if (!r.settled || r.solutions != 1) givens[c] = value;
    }
    return givens;
}

double seconds_since(clock_type::time_point start) {
    return std::chrono::duration<double>(clock_type::now() - start).count();
}

struct sat_run {
    double seconds = 0;
    bool satisfiable = false;
    solver::cellvalues filling;
};

sat_run run_sat(const std::string& command, const satbench::cnf& f, int cells) {
    // Files of this run only, so that two benchmarks may run at once.
    static const std::string tag =
        std::to_string(clock_type::now().time_since_epoch().count() % 1000000007);
    const auto dir = std::filesystem::temp_directory_path();
    const auto input = (dir / ("satbench" + tag + ".cnf")).string();
    const auto output = (dir / ("satbench" + tag + ".out")).string();
    {
        std::ofstream out(input);
        satbench::write_dimacs(out, f);
    }
    sat_run r;
    const auto start = clock_type::now();
    const std::string line = command + " " + input + " > " + output + " 2>&1";
    if (std::system(line.c_str()) == -1) return r;
    r.seconds = seconds_since(start);
    {
        std::ifstream in(output);
        r.satisfiable = satbench::read_answer(in, cells, r.filling);
    }
    std::filesystem::remove(input);
    std::filesystem::remove(output);
    return r;
}

// The SAT solver's time to find the solution and to prove there is no other (a second run with
// that solution excluded); negative when the answers disagree with a unique solution.
double sat_unique(const std::string& command, const solver::shape& s,
                  const solver::cellvalues& givens) {
    satbench::cnf f = satbench::encode(s, givens);
    const sat_run first = run_sat(command, f, s.cell_count());
    if (!first.satisfiable || !satbench::satisfies(f, first.filling)) return -1;
    f.clauses.push_back(satbench::blocking_clause(first.filling, givens));
    const sat_run second = run_sat(command, f, s.cell_count());
    return second.satisfiable ? -1 : first.seconds + second.seconds;
}

struct stats {
    double median = 0;
    double worst = 0;
};

stats summary(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

std::string ms(double seconds) {
    std::ostringstream o;
    o << std::fixed << std::setprecision(seconds < 0.01 ? 2 : 1) << seconds * 1000;
    return o.str();
}

} // namespace

int main(int argc, char** argv) {
    std::string command = "cadical -q";
    int runs = 10;
    bool quick = false;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--sat" && i + 1 < argc) {
            command = argv[++i];
        } else if (a == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (a == "--quick") {
            quick = true;
        } else if (a == "--only" && i + 1 < argc) {
            only = argv[++i];
        } else {
            std::cerr << "usage: satbench [--sat COMMAND] [--runs N] [--quick] [--only SHAPE]\n";
            return 2;
        }
    }
    std::cout << "times in ms, original numbering and " << runs
              << " random renumberings; SAT: " << command
              << " (two runs: solve, then prove no other solution)\n"
              << "| shape | cells | givens | solver median | solver worst | SAT median | SAT worst "
                 "| worst ratio |\n|---|---|---|---|---|---|---|---|\n";
    bool ok = true;
    std::mt19937 rng;
    const auto all = families(quick);
    for (std::size_t f = 0; f < all.size(); ++f) {
        const family& fam = all[f];
        if (!only.empty() && fam.name != only) continue;
        rng.seed(2026 + static_cast<std::uint32_t>(f)); // each shape's puzzle on its own
        const solver::hexshape h = solver::build_hexshape(fam.centres);
        const solver::cellvalues puzzle = minimal_puzzle(h.puzzle, rng);
        const int givens = static_cast<int>(
            std::count_if(puzzle.begin(), puzzle.end(), [](std::uint8_t v) { return v != 0; }));
        std::vector<double> ours;
        std::vector<double> theirs;
        double ratio = 0;
        for (int run = 0; run <= runs; ++run) {
            std::vector<int> order(h.puzzle.cell_count());
            std::iota(order.begin(), order.end(), 0);
            if (run > 0) std::shuffle(order.begin(), order.end(), rng);
            const solver::shape s = satbench::renumbered(h.puzzle, order);
            const solver::cellvalues g = satbench::moved(puzzle, order);
            const auto start = clock_type::now();
            const auto r = solver::solve(s, g, 2);
            ours.push_back(seconds_since(start));
            const double sat = sat_unique(command, s, g);
            if (r.solutions != 1 || sat < 0) ok = false;
            theirs.push_back(sat);
            ratio = std::max(ratio, ours.back() / std::max(sat, 1e-6));
        }
        const stats o = summary(ours);
        const stats t = summary(theirs);
        std::cout << "| " << fam.name << " | " << h.puzzle.cell_count() << " | " << givens << " | "
                  << ms(o.median) << " | " << ms(o.worst) << " | " << ms(t.median) << " | "
                  << ms(t.worst) << " | " << std::setprecision(2) << ratio << " |" << std::endl;
    }

    const solver::hexshape big = solver::build_hexshape(solver::compact_centres(quick ? 6 : 14));
    std::vector<double> fills;
    std::vector<double> satfills;
    for (int run = 0; run <= runs; ++run) {
        std::vector<int> order(big.puzzle.cell_count());
        std::iota(order.begin(), order.end(), 0);
        if (run > 0) std::shuffle(order.begin(), order.end(), rng);
        const solver::shape s = satbench::renumbered(big.puzzle, order);
        const auto start = clock_type::now();
        const auto r = solver::solve(s, {}, 1);
        fills.push_back(seconds_since(start));
        if (r.solutions != 1) ok = false;
        const sat_run sat = run_sat(command, satbench::encode(s, {}), s.cell_count());
        satfills.push_back(sat.seconds);
        if (!sat.satisfiable) ok = false;
    }
    const stats f = summary(fills);
    const stats sf = summary(satfills);
    std::cout << "empty grid of " << big.puzzle.cell_count() << " cells filled: solver median "
              << ms(f.median) << ", worst " << ms(f.worst) << "; SAT median " << ms(sf.median)
              << ", worst " << ms(sf.worst) << "\n";
    if (!ok) std::cout << "ANSWERS DISAGREE\n";
    return ok ? 0 : 1;
}
