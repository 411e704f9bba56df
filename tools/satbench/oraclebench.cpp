// oraclebench: the counting solver timed against CaDiCaL in process, both counting up to two
// solutions of the same clauses under the same cell numbering, on minimal puzzles that CaDiCaL
// alone makes (its filling, givens removed while it proves uniqueness) on shapes of 150 to 1350
// cells, each under its own numbering and ten random renumberings; then the catalogue's grids at
// level 7, and the generator's making of large level-7 grids. Run by hand:
// oraclebench [--runs N] [--only SHAPE] [--seeds N] [--no-minimal] [--no-catalogue]
//             [--no-generation]
// Times are the thread's processor time, which other programs running beside it disturb little.
#include <time.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iomanip>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "grid/generation/formes.h"
#include "grid/generation/grilleforme.h"
#include "grid/solver/hexshape.h"
#include "grid/solver/solver.h"
#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"
#include "tools/satbench/oracle.h"
#include "tools/satbench/renumber.h"

namespace {

const char usage[] = "usage: oraclebench [--runs N] [--only SHAPE] [--seeds N] [--no-minimal] "
                     "[--no-catalogue] [--no-generation]\n";

// The shapes of the minimal puzzles, 150 to 1350 cells.
const char* const shapes[] = {"compact 4",  "compact 6",   "compact 10",  "compact 14",
                              "strip 20 3", "strip 15 10", "strip 30 20", "ring 12",
                              "ring 20",    "triangle 20", "triangle 30", "arms 30"};

// The processor time of this thread, in seconds.
double now() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// The time of one call, averaged over repeated calls when one is too short to measure alone.
double timed(const std::function<void()>& call) {
    const double start = now();
    int calls = 0;
    double elapsed = 0;
    do {
        call();
        ++calls;
        elapsed = now() - start;
    } while (elapsed < 0.005);
    return elapsed / calls;
}

std::string ms(double seconds) {
    std::ostringstream o;
    o << std::fixed << std::setprecision(seconds < 0.01 ? 2 : 1) << seconds * 1000;
    return o.str();
}

std::string fixed(double x, int digits) {
    std::ostringstream o;
    o << std::fixed << std::setprecision(digits) << x;
    return o.str();
}

// Times of a set of instances, ours and CaDiCaL's, with the ratio of each instance.
struct timings {
    std::vector<double> ours;
    std::vector<double> theirs;
    std::vector<double> ratios;
    bool agree = true;

    void add(double o, double t) {
        ours.push_back(o);
        theirs.push_back(t);
        ratios.push_back(o / std::max(t, 1e-9));
    }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double worst(const std::vector<double>& v) {
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

// The puzzle under its own numbering and `runs` random renumberings: both solvers count to two,
// and both must find `solution` alone.
void time_puzzle(const solver::shape& s, const solver::cellvalues& givens,
                 const solver::cellvalues& solution, int runs, std::mt19937& rng, timings& t) {
    for (int run = 0; run <= runs; ++run) {
        const std::vector<int> order =
            satbench::cell_order(s.cell_count(), run > 0 ? &rng : nullptr);
        const solver::shape r = satbench::renumbered(s, order);
        const solver::cellvalues g = satbench::moved(givens, order);
        const solver::cellvalues expected = satbench::moved(solution, order);
        solver::solve_result ours;
        satbench::sat_count theirs;
        const double o = timed([&] { ours = solver::solve(r, g, 2); });
        const double c = timed([&] { theirs = satbench::sat_count_solutions(r, g, 2); });
        t.add(o, c);
        t.agree = t.agree && ours.solutions == 1 && theirs.solutions == 1 &&
                  ours.first == expected && theirs.first == expected;
    }
}

void row(const std::string& name, int cells, const std::string& givens, const timings& t) {
    std::cout << "| " << name << " | " << cells << " | " << givens << " | " << ms(median(t.ours))
              << " | " << ms(worst(t.ours)) << " | " << ms(median(t.theirs)) << " | "
              << ms(worst(t.theirs)) << " | " << fixed(median(t.ratios), 2) << " | "
              << fixed(worst(t.ratios), 2) << (t.agree ? "" : " DISAGREE") << " |" << std::endl;
}

const char header[] = "| shape | cells | givens | solver median | solver worst | CaDiCaL median | "
                      "CaDiCaL worst | median ratio | worst ratio |\n"
                      "|---|---|---|---|---|---|---|---|---|\n";

bool minimal_puzzles(int runs, const std::string& only) {
    std::cout << "minimal puzzles made by CaDiCaL; times in ms to count to two, own numbering and "
              << runs << " renumberings; ratio: solver / CaDiCaL\n"
              << header;
    bool ok = true;
    for (std::size_t i = 0; i < std::size(shapes); ++i) {
        if (!only.empty() && only != shapes[i]) continue;
        std::vector<solver::latpoint> centres;
        grillegen::centresdelaforme(shapes[i], centres);
        const solver::hexshape h = solver::build_hexshape(centres);
        std::mt19937 rng(2026 + static_cast<std::uint32_t>(i)); // each shape on its own
        const double start = now();
        const solver::cellvalues solution = satbench::sat_filling(h.puzzle, rng);
        const satbench::sat_puzzle made = satbench::sat_minimal_puzzle(h.puzzle, solution, rng);
        const solver::cellvalues& puzzle = made.givens;
        std::cerr << shapes[i] << ": puzzle made in " << fixed(now() - start, 1) << " s, "
                  << made.unproven << " removals unsettled\n";
        const auto givens = std::count_if(puzzle.begin(), puzzle.end(), [](auto v) { return v; });
        timings t;
        time_puzzle(h.puzzle, puzzle, solution, runs, rng, t);
        row(shapes[i], h.puzzle.cell_count(), std::to_string(givens), t);
        ok = ok && t.agree;
    }
    return ok;
}

// Level 7 of every catalogue grid (its fewest givens).
bool catalogue(int runs) {
    std::cout << "\nthe catalogue at level 7, own numbering and " << runs << " renumberings each\n"
              << header;
    timings all;
    std::mt19937 rng(7);
    gstring name;
    for (short i = 1; i <= nbgrillescatalogue(); ++i) {
        nomgrillecatalogue(i, &name);
        clagrivora g;
        if (!grilleload(0, &g, name.adr())) return false;
        const solver::shape s = grillegen::formedelagrille(g);
        const solver::cellvalues givens = grillegen::donneesauseuil(g, solver::level_threshold(7));
        const solver::cellvalues solution = satbench::sat_count_solutions(s, givens).first;
        timings t;
        time_puzzle(s, givens, solution, runs, rng, t);
        const auto shown = std::count_if(givens.begin(), givens.end(), [](auto v) { return v; });
        row(name.adr(), s.cell_count(), std::to_string(shown), t);
        for (std::size_t k = 0; k < t.ours.size(); ++k) all.add(t.ours[k], t.theirs[k]);
        all.agree = all.agree && t.agree;
    }
    row("all", 0, "", all);
    return all.agree;
}

// The generator's making of a grid with its seven levels, as the game's (whose new grids stop at
// a smaller size) and voracat's, then its level-7 puzzle timed as above.
bool generation(int runs, int seeds) {
    std::cout << "\nnew grids as the generator makes them (seeds 1 to " << seeds
              << "), then their level 7 timed as above\n"
              << "| shape | seed | cells | generation s | level-7 givens | solver median | "
                 "solver worst | CaDiCaL median | CaDiCaL worst | median ratio | worst ratio |\n"
                 "|---|---|---|---|---|---|---|---|---|---|---|\n";
    bool ok = true;
    std::mt19937 rng(11);
    for (const char* name : {"compact 10", "strip 30 20"}) {
        std::vector<solver::latpoint> centres;
        grillegen::centresdelaforme(name, centres);
        clagrivora g;
        grillegen::grilledescentres(centres, g);
        const solver::shape forme = grillegen::formedelagrille(g);
        g.declassecalc();
        for (int seed = 1; seed <= seeds; ++seed) {
            const double start = now();
            const solver::generated_puzzle made =
                solver::generate(forme, static_cast<std::uint32_t>(seed), g.getdeclassement());
            const double made_in = now() - start;
            if (!made.has_level_seven) {
                std::cout << "| " << name << " | " << seed << " | no level 7 |\n";
                ok = false;
                continue;
            }
            const solver::cellvalues givens = solver::givens_at(made, 7);
            timings t;
            time_puzzle(forme, givens, made.solution, runs, rng, t);
            const std::string cells = std::to_string(forme.cell_count());
            std::cout << "| " << name << " | " << seed << " | " << cells << " | "
                      << fixed(made_in, 2) << " | " << made.givens[7] << " | " << ms(median(t.ours))
                      << " | " << ms(worst(t.ours)) << " | " << ms(median(t.theirs)) << " | "
                      << ms(worst(t.theirs)) << " | " << fixed(median(t.ratios), 2) << " | "
                      << fixed(worst(t.ratios), 2) << (t.agree ? "" : " DISAGREE") << " |"
                      << std::endl;
            ok = ok && t.agree;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 10;
    int seeds = 2;
    std::string only;
    bool with_minimal = true;
    bool with_catalogue = true;
    bool with_generation = true;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--runs" && i + 1 < argc) {
            runs = std::max(0, std::atoi(argv[++i]));
        } else if (a == "--seeds" && i + 1 < argc) {
            seeds = std::max(1, std::atoi(argv[++i]));
        } else if (a == "--only" && i + 1 < argc) {
            only = argv[++i];
        } else if (a == "--no-minimal") {
            with_minimal = false;
        } else if (a == "--no-catalogue") {
            with_catalogue = false;
        } else if (a == "--no-generation") {
            with_generation = false;
        } else {
            std::cerr << usage;
            return 2;
        }
    }
    globinitvocalcul();
    bool ok = !with_minimal || minimal_puzzles(runs, only);
    if (with_catalogue && only.empty()) ok = catalogue(runs) && ok;
    if (with_generation && only.empty()) ok = generation(runs, seeds) && ok;
    if (!ok) std::cout << "ANSWERS DISAGREE\n";
    return ok ? 0 : 1;
}
