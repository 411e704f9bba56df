// Expansion of grouped definition texts into definition lines.
#include "lattice/catalogue/grillegroupe.h"

#include "foundation/depile.h"
#include "foundation/gstring.h"
#include "foundation/lichavo.h"

void developgroupe(const char* text, lichavo* lines) {
    gstring reste(text);
    gstring mot;
    gstring suffixe;
    while (reste.notempty()) {
        depilemot(mot, reste.adr());
        if (mot.isempty() || mot.cara(1) == '#') continue;
        if (mot.cara(1) == '%') {
            if (mot.uqual("%0")) {
                suffixe.clear();
            } else {
                suffixe.gset(mot);
            }
            continue;
        }
        lines->padd(mot.adr(), suffixe.adr());
    }
}
