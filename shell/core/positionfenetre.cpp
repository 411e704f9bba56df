// The play window's opening position on the work area.
#include "shell/core/positionfenetre.h"

#include <algorithm>

namespace {

// The coordinate of a span of length taille starting at v, moved into
// lo..hi (or to lo when it is longer than that).
short rentre(short v, long taille, long lo, long hi) {
    return static_cast<short>(std::clamp<long>(v, lo, std::max(lo, hi - taille)));
}

} // namespace

void rentrezone(short& gauche, short& haut, long largeur, long hauteur, const zoneecran& zone) {
    gauche = rentre(gauche, largeur, zone.gauche, zone.droite);
    haut = rentre(haut, hauteur, zone.haut, zone.bas);
}
