// The records of the grid model's tables: one per cell and one per hexagon.
// Record 0 of each table exists and stays clear.
#pragma once

// One triangular cell of a grid.
struct grivocase {
    // Pixel centre at the current size and angle (y upwards).
    short cacentrix = 0;
    short cacentry = 0;
    // Row and column numbers, from 1; the copy of the column is the one the
    // numbering of player lines may change.
    short rangee = 0;
    short colonne = 0;
    short colonnecopie = 0;
    // 0 empty, 1..6 a value.
    short caseval = 0;
    // Mask of the values still possible (63 = all six).
    short valuposs = 0;
    // Mask of the player's pencil marks.
    short puser = 0;
    // 1 when the value is a given.
    unsigned char fixe = 0;
    // Given value from the definition and its difficulty code (0 when none).
    short valdef = 0;
    short nidef = 0;
};

// One hexagon of a grid, complete or partial.
struct grivohexa {
    // Cell slots and their count: cleared at creation, filled by nothing yet.
    short cases[6] = {};
    short nbcas = 0;
    // Pixel centre at the current size and angle (y upwards).
    short hexacentrix = 0;
    short hexacentry = 0;
};
