// Start-up of the combinatorics module.
#include "grid/vocalculinit.h"

#include "grid/combitables.h"
#include "lattice/topobase.h"

void globinitvocalcul() {
    static bool fait = false;
    if (fait) return;
    globinitvoragotopo();
    votabrapidite();
    votabordre();
    fait = true;
}
