// The help drawn on the grid page: the hint's cells filled, the cell to look
// at, the cells that could take the value and the wrong entries (in dashes)
// framed, a corner marked.
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
    if (ctx.caseindice == 0 && ctx.casesindice.empty() && ctx.casesombrees.empty() &&
        ctx.casesretirees.empty())
        return;
    cladevout& d = dev();
    d.setgeocrayonpix(std::max<short>(1, static_cast<short>(taillepixel / 40)), ctx.cjeutourcase);
    const std::vector<short> cible{ctx.caseindice};
    const std::pair<const std::vector<short>*, int> couches[] = {
        {&ctx.casesombrees, ctx.coulindiceombre},
        {&ctx.casesindice, ctx.coulindicesurligne},
        {&ctx.casesretirees, ctx.coulindice},
        {&cible, ctx.coulindice}};
    for (const auto& [cases, couleur] : couches) {
        d.setcreabrosse(couleur);
        for (const short c : *cases)
            if (existe(gri, c)) remplir(gri, d, c);
    }
}

void clagripage::dessinecadresaide(const contextedessin& ctx) {
    clagrivora& gri = modele();
    if (ctx.caseencadree == 0 && ctx.casespossibles.empty() && ctx.casesfausses.empty() &&
        ctx.casesfaussesvues.empty() && ctx.pointindice == 0)
        return;
    cladevout& d = dev();
    const short w = std::max<short>(2, static_cast<short>(taillepixel / 14));
    // The wrong entries dashed, darker than the keyboard cursor's outline: on
    // the cursor's cell its red shows between the dashes.
    struct cadre {
        const std::vector<short>* cases;
        int couleur;
        bool tirets;
    };
    const std::vector<short> encadree{ctx.caseencadree};
    const cadre cadres[] = {{&encadree, ctx.coulindicecadre, false},
                            {&ctx.casespossibles, ctx.coulindicepossible, false},
                            {&ctx.casesfausses, ctx.coulfausse, true},
                            {&ctx.casesfaussesvues, ctx.coulfausse, true}};
    for (const cadre& k : cadres) {
        d.setgeocrayonpix(w, k.couleur);
        for (const short c : *k.cases)
            if (existe(gri, c)) encadrer(gri, d, c, k.tirets);
    }
    if (ctx.pointindice >= 1 && ctx.pointindice <= gri.getpoints().effectif()) {
        short x = 0;
        short y = 0;
        gri.giveposipoint(gri.getpoints().adr(ctx.pointindice), x, y);
        d.setgeocrayonpix(1, ctx.coulindicecadre);
        d.setcreabrosse(ctx.coulindicecadre);
        d.devecerclepix(x, y, std::max<short>(3, static_cast<short>(taillepixel / 10)));
    }
}
