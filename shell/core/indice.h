// The help of the game in progress, without any window: the next hint on the
// board of a grid in play explained in the player's language, the player's
// entries that differ from the grid's solution, the candidates of every cell.
#pragma once

#include "grid/clagrivora.h"
#include "grid/solver/shape.h"

#include <string>
#include <vector>

// A hint as the player sees it. Cells are the grid's numbers (1-based).
struct indicejeu {
    bool trouve = false;           // a placement was found (else texte says none applies)
    short cible = 0;               // "this triangle": the cell to fill
    short valeur = 0;              // its value
    short encadree = 0;            // "the framed triangle": the supposed cell, 0 when none
    std::vector<short> surlignees; // "the highlighted triangles": the cells that justify it
    std::vector<short> ombrees;    // "this / the shaded hexagon": its cells
    std::string texte;             // one to a few sentences, Windows-1252
};

// What the help shows the player until the next move, click or key: a text
// in a bubble and cells marked on the grid (numbers as in indicejeu).
struct aidemontree {
    std::string texte;
    short cible = 0;
    short encadree = 0;
    std::vector<short> surlignees;
    std::vector<short> ombrees;
    std::vector<short> fausses; // entries marked as differing from the solution
};

// The next hint on g's board (givens and entries; pencil marks ignored) in
// langue (languefrancais or langueanglais of paramuser.h); forme is g's
// solver shape (solutiongrille.h: built once per grid).
indicejeu chercheindice(const clagrivora& g, const solver::shape& forme, short langue);

// The player's entries (cells neither empty nor given) whose value differs
// from the solution (solutiongrille.h: entry c - 1 for cell c), in increasing
// order.
std::vector<short> entreesfausses(const clagrivora& g, const std::vector<short>& solution);

// The values (a pencil-mark mask) no cell sharing a corner with cell holds;
// 0 for a cell that is not empty.
short candidatsdelacase(const clagrivora& g, short cell);

// The text of key in langue with zukv and zukw replaced by p1 and p2.
std::string texteaide(const char* key, short langue, const std::string& p1 = {},
                      const std::string& p2 = {});
