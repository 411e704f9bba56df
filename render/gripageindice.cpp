// The help drawn on the grid page: the hint's cells filled, the cell to look
// at, the cells that could take the value and the wrong entries framed, a
// corner marked.
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

// The cell's outline drawn inside it (at 4/5 of the way to its corners).
void encadrer(clagrivora& gri, cladevout& d, short cell) {
    vopoint v[4];
    const short n = gri.givecasepoints(cell, v);
    const short cx = gri.getcacentrix(cell);
    const short cy = gri.getcacentry(cell);
    for (short i = 0; i + 1 < n; ++i)
        d.devepplignepix(static_cast<short>(cx + (v[i].x - cx) * 4 / 5),
                         static_cast<short>(cy + (v[i].y - cy) * 4 / 5),
                         static_cast<short>(cx + (v[i + 1].x - cx) * 4 / 5),
                         static_cast<short>(cy + (v[i + 1].y - cy) * 4 / 5));
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
    const std::vector<short> encadree{ctx.caseencadree};
    const std::pair<const std::vector<short>*, int> cadres[] = {
        {&encadree, ctx.coulindicecadre},
        {&ctx.casespossibles, ctx.coulindicepossible},
        {&ctx.casesfausses, ctx.coulfausse},
        {&ctx.casesfaussesvues, ctx.coulfausse}};
    for (const auto& [cases, couleur] : cadres) {
        d.setgeocrayonpix(w, couleur);
        for (const short c : *cases)
            if (existe(gri, c)) encadrer(gri, d, c);
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
