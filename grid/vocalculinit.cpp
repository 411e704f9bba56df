// Start-up of the combinatorics module.
#include "grid/vocalculinit.h"

#include "grid/combitables.h"

void globinitvocalcul() {
    static bool fait = false;
    if (fait) return;
    votabrapidite();
    votabordre();
    fait = true;
}
