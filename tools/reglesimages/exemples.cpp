// The rules pictures' grids: values left, solution, hexagon cells, a grid in
// progress.
#include "tools/reglesimages/exemples.h"

#include <cmath>

short libres(const clagripage& g, short c) {
    short m = 63;
    for (short k = 0; k < 12; ++k) {
        const short n = g.modele().casevoisine(c, k);
        if (n > 0 && g.modele().getcaseval(n) > 0)
            m = static_cast<short>(m & ~(1 << (g.modele().getcaseval(n) - 1)));
    }
    return m;
}

bool solution(clagripage& g) {
    short meilleure = 0;
    int moins = 7;
    short masque = 0;
    for (short c = 1; c <= g.modele().getnbcases(); ++c) {
        if (!g.modele().casestvide(c)) continue;
        const short m = libres(g, c);
        int n = 0;
        for (short v = 0; v < 6; ++v) n += (m >> v) & 1;
        if (n == 0) return false;
        if (n < moins) {
            moins = n;
            meilleure = c;
            masque = m;
        }
    }
    if (meilleure == 0) return true;
    for (short v = 1; v <= 6; ++v) {
        if ((masque & (1 << (v - 1))) == 0) continue;
        g.modele().setcaseval(meilleure, v);
        if (solution(g)) return true;
    }
    g.modele().setcaseval(meilleure, 0);
    return false;
}

std::vector<short> casesdelhexagone(const clagripage& g, short h) {
    std::vector<short> cases;
    const double rayon = 0.8 * g.modele().gettaillepix();
    for (short c = 1; c <= g.modele().getnbcases(); ++c) {
        const double dx = g.modele().getcacentrix(c) - g.modele().gethexacentrix(h);
        const double dy = g.modele().getcacentry(c) - g.modele().gethexacentry(h);
        if (std::hypot(dx, dy) < rayon) cases.push_back(c);
    }
    return cases;
}

short partieencours(clagripage& g) {
    short choisi = 0;
    int plusdonnees = -1;
    for (short h = 1; h <= g.modele().getnbhexacompletes(); ++h) {
        int donnees = 0;
        int vides = 0;
        for (short c : casesdelhexagone(g, h)) {
            if (g.modele().casestvide(c)) ++vides;
            if (g.modele().casestfixe(c)) ++donnees;
        }
        if (vides >= 2 && donnees > plusdonnees) {
            plusdonnees = donnees;
            choisi = h;
        }
    }
    if (choisi == 0) return 0;
    std::vector<short> valeurs(static_cast<size_t>(g.modele().getnbcases()) + 1, 0);
    for (short c = 1; c <= g.modele().getnbcases(); ++c) valeurs[c] = g.modele().getcaseval(c);
    if (!solution(g)) return 0;
    const std::vector<short> cases = casesdelhexagone(g, choisi);
    for (short c = 1; c <= g.modele().getnbcases(); ++c) {
        bool garde = false;
        for (short k : cases) garde = garde || k == c;
        if (!garde) g.modele().setcaseval(c, valeurs[c]);
    }
    return choisi;
}
