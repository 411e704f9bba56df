// The player's aids drawn on the grid page: the cells of the current value
// highlighted, the cells of a refused entry's conflict flashed, the keyboard
// cursor's outline.
#include "render/clagripage.h"

#include <algorithm>

namespace {

// Fill cell with the device's brush, outlined with its pen.
void remplircase(clagrivora& gri, cladevout& d, short cell) {
    vopoint v[4];
    POINT p[4];
    const short n = gri.givecasepoints(cell, v);
    for (short i = 0; i < n; ++i) p[i] = POINT{v[i].x, v[i].y};
    if (n > 0) d.devepolygopix(0, 0, p, n);
}

} // namespace

void clagripage::dessinesurlignes(const contextedessin& ctx) {
    clagrivora& gri = modele();
    cladevout& d = dev();
    if (ctx.valeursurlignee == 0 && ctx.casesconflit.empty()) return;
    d.setgeocrayonpix(std::max<short>(1, static_cast<short>(taillepixel / 40)), ctx.cjeutourcase);
    if (ctx.valeursurlignee != 0) {
        d.setcreabrosse(ctx.coulsurligne);
        for (short c = 1; c <= gri.getnbcases(); ++c)
            if (gri.getcaseval(c) == ctx.valeursurlignee) remplircase(gri, d, c);
    }
    if (!ctx.casesconflit.empty()) {
        d.setcreabrosse(ctx.coulconflit);
        for (const short c : ctx.casesconflit)
            if (c >= 1 && c <= gri.getnbcases()) remplircase(gri, d, c);
    }
}

void clagripage::dessinecurseur(const contextedessin& ctx) {
    clagrivora& gri = modele();
    if (ctx.casecurseur < 1 || ctx.casecurseur > gri.getnbcases()) return;
    cladevout& d = dev();
    vopoint v[4];
    const short n = gri.givecasepoints(ctx.casecurseur, v);
    if (n < 2) return;
    // Inside the cell, so that the contour does not hide it.
    const short cx = gri.getcacentrix(ctx.casecurseur);
    const short cy = gri.getcacentry(ctx.casecurseur);
    const short w = std::max<short>(2, static_cast<short>(taillepixel / 16));
    d.setgeocrayonpix(w, ctx.coulcurseur);
    POINT p[4];
    for (short i = 0; i < n; ++i)
        p[i] = POINT{cx + (v[i].x - cx) * 5 / 6, cy + (v[i].y - cy) * 5 / 6};
    for (short i = 0; i + 1 < n; ++i)
        d.devepplignepix(static_cast<short>(p[i].x), static_cast<short>(p[i].y),
                         static_cast<short>(p[i + 1].x), static_cast<short>(p[i + 1].y));
}
