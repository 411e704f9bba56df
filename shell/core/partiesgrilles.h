// What the shell keeps in memory of each grid the player leaves during a run,
// besides its state of play text: its undo history and its three point
// markers, so that coming back to the grid shows it as it was left.
#pragma once

#include "shell/core/defairefaire.h"

#include "foundation/lichavo.h"

#include <array>
#include <map>

class partiesgrilles {
public:
    using marqueurs = std::array<short, 3>; // lattice points: newest, previous, oldest

    // Keep grid i's undo history (its entries are moved out: history is left
    // empty, at position 0) and its markers, replacing what was kept of i.
    void garde(short i, defairefaire& history, const marqueurs& points);
    // When something is kept of grid i: history and points receive it, it is
    // forgotten, and true is returned. Otherwise both are left alone.
    bool reprend(short i, defairefaire& history, marqueurs& points);
    // Forget what is kept of grid i.
    void oublie(short i) { parties.erase(i); }
    // Forget everything kept.
    void vide() { parties.clear(); }

private:
    struct partie {
        lichavo pile;
        short position = 0;
        marqueurs points{};
    };
    std::map<short, partie> parties;
};
