// The application's modes: what the main window shows.
#pragma once

// The numeric values are those the chronometer rule and the shell compare.
enum class modeappli : short {
    aucun = 0,      // before the first mode is set
    sansgrille = 1, // no grid: the shell is idle
    jeu = 4,        // playing a grid
    regles = 5,     // rules pages
};
