// The help drawn on the grid page: the hint's cells filled, a supposed cell
// framed and the wrong entries framed in dashes.
#include "render/clagripage.h"

#include <algorithm>

namespace {

bool existe(const clagrivora& gri, short cell) {
    return cell >= 1 && cell <= gri.getnbcases();
}

void remplir(clagrivora& gri, cladevout& d, short cell) {
    vopoint v[4];
    POINT p[4];
    const short n = gri.givecasepoints(cell, v);
    for (short i = 0; i < n; ++i) p[i] = POINT{v[i].x, v[i].y};
    if (n > 0) d.devepolygopix(0, 0, p, n);
}

// The cell's outline drawn inside it (at 4/5 of the way to its corners),
// whole or, with tirets, as three dashes an edge (the dashes in its fifths
// 1, 3 and 5).
void encadrer(clagrivora& gri, cladevout& d, short cell, bool tirets) {
    vopoint v[4];
    const short n = gri.givecasepoints(cell, v);
    const int cx = gri.getcacentrix(cell);
    const int cy = gri.getcacentry(cell);
    auto point = [&](short i, int cinquiemes) {
        const int x0 = cx + (v[i].x - cx) * 4 / 5;
        const int y0 = cy + (v[i].y - cy) * 4 / 5;
        const int x1 = cx + (v[i + 1].x - cx) * 4 / 5;
        const int y1 = cy + (v[i + 1].y - cy) * 4 / 5;
        return POINT{x0 + (x1 - x0) * cinquiemes / 5, y0 + (y1 - y0) * cinquiemes / 5};
    };
    for (short i = 0; i + 1 < n; ++i)
        for (int k = 0; k < 5; k += tirets ? 2 : 5) {
            const POINT a = point(i, k);
            const POINT b = point(i, tirets ? k + 1 : 5);
            d.devepplignepix(static_cast<short>(a.x), static_cast<short>(a.y),
                             static_cast<short>(b.x), static_cast<short>(b.y));
        }
}

} // namespace

void clagripage::dessineaide(const contextedessin& ctx) {
    clagrivora& gri = modele();
    if (ctx.caseindice == 0 && ctx.casesindice.empty() && ctx.casesombrees.empty()) return;
    cladevout& d = dev();
    d.setgeocrayonpix(std::max<short>(1, static_cast<short>(taillepixel / 40)), ctx.cjeutourcase);
    const std::pair<const std::vector<short>*, int> couches[] = {
        {&ctx.casesombrees, ctx.coulindiceombre}, {&ctx.casesindice, ctx.coulindicesurligne}};
    for (const auto& [cases, couleur] : couches) {
        d.setcreabrosse(couleur);
        for (const short c : *cases)
            if (existe(gri, c)) remplir(gri, d, c);
    }
    if (existe(gri, ctx.caseindice)) {
        d.setcreabrosse(ctx.coulindice);
        remplir(gri, d, ctx.caseindice);
    }
}

void clagripage::dessinecadresaide(const contextedessin& ctx) {
    clagrivora& gri = modele();
    if (ctx.caseencadree == 0 && ctx.casesfausses.empty()) return;
    cladevout& d = dev();
    const short w = std::max<short>(2, static_cast<short>(taillepixel / 14));
    if (existe(gri, ctx.caseencadree)) {
        d.setgeocrayonpix(w, ctx.coulindicecadre);
        encadrer(gri, d, ctx.caseencadree, false);
    }
    // Dashed, darker than the keyboard cursor's outline: on the cursor's cell
    // its red shows between the dashes.
    d.setgeocrayonpix(w, ctx.coulfausse);
    for (const short c : ctx.casesfausses)
        if (existe(gri, c)) encadrer(gri, d, c, true);
}
