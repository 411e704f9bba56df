// What the main window's paint draws, computed before it: where the grid
// lies in the client area (the layout), and the button column's decoration
// and the value selector as the game now is. The grid's own view is the
// drawing context (render/contextedessin.h) filled at the same time.
#pragma once

#include <array>
#include <string>

struct miseenpage {
    short originex = 0; // client pixel of the grid's local origin
    short originey = 0;
    short largeur = 968; // client size
    short hauteur = 782;
};

// The column's texts and the selector's digits.
struct vuejeu {
    short etoiley = 0;  // the "*" beside the grid in play's button, 0 for none
    std::string niveau; // "Niv.3", "Lvl 3"
    char valeur = '1';  // the current value's digit
    short valeurcourante = 1;
    std::array<short, 3> points{}; // the lattice-point markers: newest, previous, oldest
    // Per value 1..6 (entry 0 unused): greyed (none left to place, or no
    // place left), and the count shown beside it (-1 for none).
    std::array<bool, 7> complete{};
    std::array<short, 7> restes{-1, -1, -1, -1, -1, -1, -1};
};
