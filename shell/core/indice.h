// The help of the game in progress, without any window: the next hint on the
// board of a grid in play explained in the player's language, the player's
// entries that differ from the grid's solution, the candidates of every cell.
#pragma once

#include "grid/clagrivora.h"
#include "grid/solver/shape.h"

#include <string>
#include <vector>

// One stage of a hint as the player sees it: a sentence and what it names
// on the grid. Cells are the grid's numbers (1-based).
struct etapeindice {
    std::string texte;            // one deduction's stage, Windows-1252
    short cible = 0;              // "the orange triangle": the cell the value goes in
    short encadree = 0;           // "the framed triangle": the cell to look at, or supposed
    std::vector<short> ombrees;   // "the shaded hexagon": its cells
    std::vector<short> tiennent;  // "the blue triangles": cells holding the value
    std::vector<short> possibles; // "green-framed": cells that could still take it
    std::vector<short> retirees;  // "the orange triangles": cells losing candidates
    short coin = 0;               // "the marked corner": index in the grid's points, 0 none
};

// A hint: its deductions in the order made (the eliminations, then the
// placement), three stages each: where to look (the hexagon, corner or
// triangle, nothing more), why (the cells that justify it), what follows
// (the value, or the candidates removed).
struct indicejeu {
    bool trouve = false;             // a placement was found (else texte says none applies)
    short cible = 0;                 // the cell to fill
    short valeur = 0;                // its value
    std::vector<etapeindice> etapes; // empty when not found
    std::string texte;               // when not found: why
};

// What the help shows the player until the next move, click or key: a text
// in a bubble and cells marked on the grid (a hint's stage, or the entries
// that differ from the solution).
struct aidemontree {
    etapeindice etape;
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
