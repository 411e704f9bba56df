// The play layout, the scroll bounds and the scroll arrows' geometry.
#include "shell/regionsdisposition.h"

#include <algorithm>
#include <cmath>

namespace {

short s16(int v) {
    return static_cast<short>(v);
}

} // namespace

dispositionjeu calcudisposition(const etenduegrille& e, short dx, short dy, short gauche,
                                short haut, short ecranw, short ecranh,
                                const dispositionjeu& avant) {
    dispositionjeu d;
    d.Hr = avant.Hr;
    d.e = e;
    d.X0 = s16(dispositionjeu::L + e.gauche);
    d.Y0 = e.haut;
    d.W = s16(e.gauche + e.droite + 80 + 2 * dx);
    d.H = s16(e.haut + e.bas + dx + dy);
    d.Aw = s16(ecranw - gauche);
    d.Ah = s16(ecranh - haut - 30);
    d.Ox = s16(std::max(0, d.W - d.Aw));
    d.Oy = s16(std::max(0, d.H - d.Ah));
    return d;
}

void decalaccordfleches(const dispositionjeu& d, short pas, defilementjeu& s, flechesjeu& f) {
    const float p = pas > 0 ? static_cast<float>(pas) : 1.0f;
    if (d.Ox == 0) {
        s.sx = 0;
        f.ouverte[flechedroite] = f.ouverte[flechegauche] = 0;
    } else {
        const float borne = -static_cast<float>(d.Ox) / p;
        s.sx = std::max(std::min(s.sx, 0.0f), borne);
        f.ouverte[flechegauche] = s.sx < 0 ? 1 : 0;
        f.ouverte[flechedroite] = s.sx > borne ? 1 : 0;
    }
    if (d.Oy == 0) {
        s.sy = 0;
        f.ouverte[flechehaut] = f.ouverte[flechebas] = 0;
    } else {
        const float borne = static_cast<float>(d.Oy) / p;
        s.sy = std::min(std::max(s.sy, 0.0f), borne);
        f.ouverte[flechehaut] = s.sy > 0 ? 1 : 0;
        f.ouverte[flechebas] = s.sy < borne ? 1 : 0;
    }
}

void geometriefleches(const dispositionjeu& d, flechesjeu& f) {
    const short M = s16((d.W + d.H) / 40);
    const short N = s16(M / 2);
    const short P = s16(M / 4);
    const short L = dispositionjeu::L;
    const short largeur = s16(d.e.gauche + d.e.droite);
    const short hauteur = s16(d.e.haut + d.e.bas);
    const short xr = s16(largeur + L - d.Ox - N);
    const short ym = s16((hauteur - d.Oy) / 2);
    const short xm = s16((largeur - d.Ox) / 2 + L);
    const short xl = s16(N + L);
    const short yb = s16(hauteur - N - d.Oy);
    const POINT tri[4][3] = {
        {{xr - P, ym - M}, {xr - P, ym + M}, {xr + P, ym}},
        {{xl + P, ym - M}, {xl + P, ym + M}, {xl - P, ym}},
        {{xm + M, N + P}, {xm - M, N + P}, {xm, N - P}},
        {{xm + M, yb - P}, {xm - M, yb - P}, {xm, yb + P}},
    };
    for (short k = 0; k < 4; ++k) {
        for (short i = 0; i < 3; ++i) f.poly[k][i] = tri[k][i];
        f.poly[k][3] = tri[k][0];
    }
    f.zone[flechedroite] = RECT{xr - P, ym - M, xr + P, ym + M};
    f.zone[flechegauche] = RECT{xl - P, ym - M, xl + P, ym + M};
    f.zone[flechehaut] = RECT{xm - M, N - P, xm + M, N + P};
    f.zone[flechebas] = RECT{xm - M, yb - P, xm + M, yb + P};
}

short decalpixels(float s, short pas) {
    const float v = static_cast<float>(pas) * s;
    return s16(static_cast<int>(std::trunc(v + (v < 0 ? -0.001f : 0.001f))));
}

POINT originegrille(const dispositionjeu& d, short pas, const defilementjeu& s) {
    return POINT{decalpixels(s.sx, pas) + d.X0, d.Y0 - decalpixels(s.sy, pas)};
}

short flechetouchee(const flechesjeu& f, POINT p) {
    for (short k = 0; k < 4; ++k) {
        const RECT& z = f.zone[k];
        if (f.ouverte[k] && p.x >= z.left && p.x <= z.right && p.y >= z.top && p.y <= z.bottom)
            return commandefleche[k];
    }
    return 0;
}
