// The undo histories and point markers of the grids left during a run.
#include "shell/core/partiesgrilles.h"

void partiesgrilles::garde(short i, defairefaire& history, const marqueurs& points) {
    partie& p = parties[i];
    p.position = history.moveto(p.pile);
    p.points = points;
    history.clear();
}

bool partiesgrilles::reprend(short i, defairefaire& history, marqueurs& points) {
    const auto it = parties.find(i);
    if (it == parties.end()) return false;
    history.setfrom(it->second.position, it->second.pile);
    points = it->second.points;
    parties.erase(it);
    return true;
}
