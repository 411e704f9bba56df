// The help's marks on the grid and its bubble's place.
#include "shell/bulleaide.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

void marques(contextedessin& c, const aidemontree& h) {
    const etapeindice& e = h.etape;
    c.caseindice = e.cible;
    c.casesretirees = e.retirees;
    c.casesindice = e.tiennent;
    c.casesombrees = e.ombrees;
    c.caseencadree = e.encadree;
    c.casespossibles = e.possibles;
    c.pointindice = e.coin;
    c.casesfausses = h.fausses;
}

bool secoupent(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// r moved (not resized) into zone as far as it goes: to zone's top left
// when it is the larger.
RECT dans(RECT r, const RECT& zone) {
    const LONG dx = std::max(zone.left - r.left, std::min<LONG>(0, zone.right - r.right));
    const LONG dy = std::max(zone.top - r.top, std::min<LONG>(0, zone.bottom - r.bottom));
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

} // namespace

std::vector<RECT> casesnommees(claappli& a, const contextedessin& c) {
    std::vector<RECT> r;
    clagrivora& g = a.page.modele();
    const auto ajoute = [&](short k) {
        if (k < 1 || k > g.getnbcases()) return;
        vopoint v[4];
        const short n = g.givecasepoints(k, v);
        if (n <= 0) return;
        RECT b{std::numeric_limits<LONG>::max(), std::numeric_limits<LONG>::max(),
               std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::min()};
        for (short i = 0; i < n; ++i) {
            const LONG x = a.courante.originex + v[i].x;
            const LONG y = a.courante.originey - v[i].y;
            b = RECT{std::min(b.left, x), std::min(b.top, y), std::max(b.right, x),
                     std::max(b.bottom, y)};
        }
        r.push_back(b);
    };
    for (const std::vector<short>* l :
         {&c.casesombrees, &c.casesindice, &c.casespossibles, &c.casesretirees, &c.casesfausses})
        for (short k : *l) ajoute(k);
    ajoute(c.caseindice);
    ajoute(c.caseencadree);
    if (c.pointindice >= 1 && c.pointindice <= g.getpoints().effectif()) {
        short x = 0;
        short y = 0;
        g.giveposipoint(g.getpoints().adr(c.pointindice), x, y);
        const LONG cx = a.courante.originex + x;
        const LONG cy = a.courante.originey - y;
        r.push_back(RECT{cx - 8, cy - 8, cx + 8, cy + 8});
    }
    return r;
}

RECT placebulle(const RECT& zone, SIZE taille, const std::vector<RECT>& evitees,
                const RECT& colonne) {
    RECT tout = zone;
    if (!evitees.empty()) {
        tout = evitees.front();
        for (const RECT& e : evitees)
            tout = RECT{std::min(tout.left, e.left), std::min(tout.top, e.top),
                        std::max(tout.right, e.right), std::max(tout.bottom, e.bottom)};
    }
    const LONG w = taille.cx;
    const LONG h = taille.cy;
    constexpr LONG ecart = 6;
    const std::array<RECT, 8> essais{
        RECT{tout.left, tout.bottom + ecart, tout.left + w, tout.bottom + ecart + h},
        RECT{tout.left, tout.top - ecart - h, tout.left + w, tout.top - ecart},
        RECT{tout.right + ecart, tout.top, tout.right + ecart + w, tout.top + h},
        RECT{tout.left - ecart - w, tout.top, tout.left - ecart, tout.top + h},
        RECT{zone.right - w, zone.bottom - h, zone.right, zone.bottom},
        RECT{zone.right - w, zone.top, zone.right, zone.top + h},
        RECT{colonne.right, zone.bottom - h, colonne.right + w, zone.bottom},
        RECT{colonne.right, zone.top, colonne.right + w, zone.top + h}};
    RECT meilleure = dans(essais.front(), zone);
    int moindre = std::numeric_limits<int>::max();
    for (const RECT& essai : essais) {
        const RECT r = dans(essai, zone);
        // A named cell covered weighs more than the button column.
        int cout = secoupent(r, colonne) ? 1 : 0;
        for (const RECT& e : evitees)
            if (secoupent(r, e)) cout += 100;
        if (cout < moindre) {
            moindre = cout;
            meilleure = r;
        }
        if (cout == 0) break;
    }
    return meilleure;
}

void montreaide(claappli& a, const aidemontree& h) {
    marques(a.contexte, h);
    a.aidemontree = true;
    a.reaffigri();
    if (a.fenetre == nullptr) return;
    RECT client{};
    GetClientRect(a.fenetre, &client);
    const RECT colonne{0, 0, dispositionjeu::L, client.bottom};
    const std::vector<RECT> evitees = casesnommees(a, a.contexte);
    a.bulle.ouvre(a.fenetre, a.instance, h.etape.texte, client.right, [&](SIZE taille) {
        const RECT r = placebulle(client, taille, evitees, colonne);
        POINT p{r.left, r.top};
        ClientToScreen(a.fenetre, &p);
        return p;
    });
}

void cacheaide(claappli& a) {
    if (!a.aidemontree) return;
    a.aidemontree = false;
    a.bulle.ferme();
    marques(a.contexte, {});
    a.partie.oublieaide();
    a.reaffigri();
}
