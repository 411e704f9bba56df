// The clause encoding of a shape's puzzle and the reading of a SAT solver's answer.
#include "tools/satbench/cnf.h"

#include <istream>
#include <ostream>
#include <sstream>
#include <string>

namespace satbench {

cnf encode(const solver::shape& s, const solver::cellvalues& givens) {
    cnf f;
    f.variables = 6 * s.cell_count();
    for (int c = 0; c < s.cell_count(); ++c) {
        std::vector<int> some;
        for (int v = 1; v <= 6; ++v) some.push_back(variable(c, v));
        f.clauses.push_back(some);
        for (int v = 1; v <= 6; ++v) {
            for (int w = v + 1; w <= 6; ++w)
                f.clauses.push_back({-variable(c, v), -variable(c, w)});
        }
        for (int n : s.neighbours(c)) {
            if (n <= c) continue;
            for (int v = 1; v <= 6; ++v) f.clauses.push_back({-variable(c, v), -variable(n, v)});
        }
        if (c < static_cast<int>(givens.size()) && givens[c] >= 1 && givens[c] <= 6) {
            f.clauses.push_back({variable(c, givens[c])});
        }
    }
    for (int g = 0; g < s.group_count(); ++g) {
        if (!s.complete(g)) continue;
        for (int v = 1; v <= 6; ++v) {
            std::vector<int> somewhere;
            for (int c : s.group_cells(g)) somewhere.push_back(variable(c, v));
            f.clauses.push_back(somewhere);
        }
    }
    return f;
}

std::vector<int> blocking_clause(const solver::cellvalues& filling,
                                 const solver::cellvalues& givens) {
    std::vector<int> clause;
    for (int c = 0; c < static_cast<int>(filling.size()); ++c) {
        const bool given = c < static_cast<int>(givens.size()) && givens[c] != 0;
        if (!given && filling[c] >= 1 && filling[c] <= 6)
            clause.push_back(-variable(c, filling[c]));
    }
    return clause;
}

void write_dimacs(std::ostream& out, const cnf& f) {
    out << "p cnf " << f.variables << " " << f.clauses.size() << "\n";
    for (const auto& clause : f.clauses) {
        for (int literal : clause) out << literal << " ";
        out << "0\n";
    }
}

bool read_answer(std::istream& in, int cells, solver::cellvalues& filling) {
    filling.assign(cells, 0);
    bool satisfiable = false;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("s ", 0) == 0) satisfiable = line == "s SATISFIABLE";
        if (line.rfind("v ", 0) != 0) continue;
        std::istringstream words(line.substr(2));
        int literal = 0;
        while (words >> literal) {
            if (literal <= 0 || literal > 6 * cells) continue;
            filling[(literal - 1) / 6] = static_cast<std::uint8_t>((literal - 1) % 6 + 1);
        }
    }
    return satisfiable;
}

bool satisfies(const cnf& f, const solver::cellvalues& filling) {
    const auto truth = [&](int literal) {
        const int x = literal > 0 ? literal : -literal;
        const int c = (x - 1) / 6;
        const bool holds = c < static_cast<int>(filling.size()) && filling[c] == (x - 1) % 6 + 1;
        return literal > 0 ? holds : !holds;
    };
    for (const auto& clause : f.clauses) {
        bool any = false;
        for (int literal : clause) any = any || truth(literal);
        if (!any) return false;
    }
    return true;
}

} // namespace satbench
