// lichaselec: selection of a list's elements by membership in another list.
#include "foundation/lichaselec.h"

short lichaselec(short mode, lichavo& source, const lichavo& reference, lichavo* target) {
    short selected = 0;
    for (short i = source.effectif(); i >= 1; --i) {
        const char* item = source.adr(i);
        if (!item) continue;
        bool found = reference.trouvexact(item) != 0;
        if (found != ((mode & lichaselec_found) != 0)) continue;
        ++selected;
        gstring copy(item);
        if (mode & lichaselec_remove) source.kill(i);
        if (target) {
            if (mode & lichaselec_sorted)
                target->pinsertone(copy.adr());
            else
                target->padd(copy.adr());
        }
    }
    return selected;
}
