// Helpers shared by the grid tests: a grid loaded from definition lines, its
// game-state text, and the cells that share a corner, found from the lattice
// alone.
#pragma once

#include "grid/clagrivora.h"
#include "lattice/topoitem.h"

#include <initializer_list>
#include <set>
#include <string>

// g becomes the grid of the definition lines (setfromgrivecdef). Runs no
// start-up: the tables the model reads build themselves on first use.
inline void chargegrille(clagrivora& g, std::initializer_list<const char*> lignes) {
    lichavo l;
    for (const char* t : lignes) l.padd(t);
    g.setfromgrivecdef(&l);
}

// chargegrille, then what loading a catalogue grid adds: the cell and
// neighbour tables, the givens of the level and the allowed values.
inline void chargegrillejouable(clagrivora& g, std::initializer_list<const char*> lignes) {
    chargegrille(g, lignes);
    g.fautunetablevoisiquinze();
    g.fautunetabledescases();
    g.fautappliquerniveau();
    g.ajustepossicase();
}

// The game-state text of g (getactudata mode 3).
inline std::string textedetat(clagrivora& g) {
    gstring t;
    g.getactudata(3, &t);
    return t.adr();
}

// The three corner points of a cell name.
inline std::set<std::string> coinsdelacase(const char* cell) {
    gstring out;
    topogivetroispointscase(&out, cell);
    lichavo l;
    l.setfromgskeep(out);
    std::set<std::string> s;
    for (short i = 1; i <= l.effectif(); ++i) s.insert(l.adr(i));
    return s;
}

// The numbers of the other cells of g sharing a corner with cell, from the
// cells' corner points (not from the neighbour table).
inline std::set<short> voisinesparlescoins(const clagrivora& g, short cell) {
    std::set<short> voisines;
    const lichavo& cases = g.getcases();
    const std::set<std::string> mes = coinsdelacase(cases.adr(cell));
    for (short d = 1; d <= g.getnbcases(); ++d) {
        if (d == cell) continue;
        for (const std::string& p : coinsdelacase(cases.adr(d))) {
            if (mes.count(p)) {
                voisines.insert(d);
                break;
            }
        }
    }
    return voisines;
}
