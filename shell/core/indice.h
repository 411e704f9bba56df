// The help of the game in progress, without any window: the next hint on the
// board of a grid in play explained in the player's language, the player's
// entries that differ from the grid's solution, the candidates of every cell.
#pragma once

#include "grid/clagrivora.h"

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
// langue (languefrancais or langueanglais of paramuser.h).
indicejeu chercheindice(clagrivora& g, short langue);

// The grid's solution, one value per cell (entry c - 1 for cell c): the
// filling that keeps every value of the grid's definition (the givens of its
// lowest level). Empty when there is no such single filling.
std::vector<short> solutiondelagrille(clagrivora& g);

// The player's entries (cells neither empty nor given) whose value differs
// from the solution (solutiondelagrille), in increasing order.
std::vector<short> entreesfausses(const clagrivora& g, const std::vector<short>& solution);

// The values (a pencil-mark mask) no cell sharing a corner with cell holds;
// 0 for a cell that is not empty.
short candidatsdelacase(const clagrivora& g, short cell);

// The text of key in langue with zukv and zukw replaced by p1 and p2.
std::string texteaide(const char* key, short langue, const std::string& p1 = {},
                      const std::string& p2 = {});
