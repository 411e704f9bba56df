// The steps of the cell size and the sizes that fit a window or a screen.
#include "shell/taillecase.h"

#include "shell/core/paramuser.h"

#include <algorithm>
#include <functional>

namespace {

short s16(long v) {
    return static_cast<short>(v);
}

// An extent measured at pas, at cell size t, rounded up, with room for the
// rounding of the lattice's coordinates (a few pixels at either size).
short aechelle(short v, short pas, short t) {
    constexpr long jeu = 3;
    const long p = std::max<short>(pas, 1);
    return s16(((v + jeu) * t + p - 1) / p + jeu);
}

etenduegrille etenduea(const gabaritfenetre& g, short t) {
    const short m = margegrille(t);
    return etenduegrille{
        s16(aechelle(g.e.gauche, g.pas, t) + m), s16(aechelle(g.e.droite, g.pas, t) + m),
        s16(aechelle(g.e.haut, g.pas, t) + m), s16(aechelle(g.e.bas, g.pas, t) + m)};
}

// The largest size from 40 to the ceiling that passes, 40 when none does.
short plusgrande(const std::function<bool(short)>& convient) {
    for (short t = taillecaseplafond; t > taillecasemin; --t)
        if (convient(t)) return t;
    return taillecasemin;
}

} // namespace

short tailleplus(short taille, short maxi) {
    if (taille < taillecasemin) return taillecasemin;
    const short suivante = s16((taille / taillecasepas + 1) * taillecasepas);
    if (suivante <= taillecasemax) return suivante;
    return std::max(taille, std::min({suivante, maxi, taillecaseplafond}));
}

short taillemoins(short taille) {
    const short precedente = s16((taille - 1) / taillecasepas * taillecasepas);
    return std::max(precedente, taillecasemin);
}

SIZE fenetrepour(const gabaritfenetre& g, short t) {
    const dispositionjeu d = calcudisposition(etenduea(g, t), g.dx, g.dy, 0, 0, 0, 0);
    const int hr = g.dy + g.basboutons + 10;
    return SIZE{d.W, std::max({static_cast<int>(g.basboutons), static_cast<int>(d.H), hr + 15})};
}

short tailleentrant(const gabaritfenetre& g, long largeur, long hauteur) {
    return plusgrande([&](short t) {
        const SIZE f = fenetrepour(g, t);
        return f.cx <= largeur && f.cy <= hauteur;
    });
}

short tailledepart(const gabaritfenetre& g, long largeur, long hauteur) {
    return plusgrande([&](short t) {
        const SIZE f = fenetrepour(g, t);
        const etenduegrille e = etenduea(g, t);
        return f.cx <= largeur && f.cy <= hauteur && 3L * (e.haut + e.bas) <= 2L * hauteur;
    });
}
