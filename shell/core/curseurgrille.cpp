// The keyboard cursor's moves over the rows and columns of the cells.
#include "shell/core/curseurgrille.h"

#include <cstdlib>

short casedanssens(const clagrivora& grille, short cell, sensdeplacement sens) {
    const short n = grille.getnbcases();
    if (cell < 1 || cell > n) return 0;
    const int rangee = grille.getrangee(cell);
    const int colonne = grille.getcolonne(cell);
    const bool horizontal = sens == sensdeplacement::gauche || sens == sensdeplacement::droite;
    const int pas = sens == sensdeplacement::gauche || sens == sensdeplacement::haut ? -1 : 1;
    short meilleure = cell;
    int meilleurrang = 0;
    int meilleurcol = 0;
    for (short c = 1; c <= n; ++c) {
        if (c == cell) continue;
        const int dr = (grille.getrangee(c) - rangee) * pas;
        const int dc = grille.getcolonne(c) - colonne;
        if (horizontal) {
            if (dr != 0 || dc * pas <= 0) continue;
            if (meilleure == cell || dc * pas < meilleurcol) {
                meilleure = c;
                meilleurcol = dc * pas;
            }
            continue;
        }
        if (dr <= 0) continue;
        // The nearest row first, then the nearest column, then the left one.
        const int ecart = std::abs(dc);
        const bool mieux =
            meilleure == cell || dr < meilleurrang ||
            (dr == meilleurrang && (ecart < std::abs(meilleurcol) ||
                                    (ecart == std::abs(meilleurcol) && dc < meilleurcol)));
        if (mieux) {
            meilleure = c;
            meilleurrang = dr;
            meilleurcol = dc;
        }
    }
    return meilleure;
}
