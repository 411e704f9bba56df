// clagrivora: the cell and hexagon tables, row and column numbers, pixel
// centres and the given values.
#include "grid/clagrivora.h"

#include "foundation/depile.h"

#include <algorithm>

void clagrivora::fautunetabledeshexas() {
    if (ftabhexas) return;
    fautbasexhaustive();
    tabhexas.assign(static_cast<size_t>(nbhexatotal) + 1, grivohexa{});
    fcoord = 0;
    ftabhexas = 1;
}

void clagrivora::killtabledeshexas() {
    tabhexas = std::vector<grivohexa>();
    ftabhexas = 0;
    fcoord = 0;
}

void clagrivora::casetoutclear(short cell) {
    grivocase* c = cellule(cell);
    if (!c) return;
    *c = grivocase{};
    c->valuposs = 63;
    if (ftabvoisi) {
        short* slots = &tabvoisi[static_cast<size_t>(cell) * 15];
        slots[12] = slots[13] = slots[14] = 0;
    }
}

void clagrivora::fautunetabledescases() {
    if (ftabcases) return;
    fautbasexhaustive();
    tabcases.assign(static_cast<size_t>(nbcases) + 1, grivocase{});
    for (short i = 1; i <= nbcases; ++i) casetoutclear(i);
    for (short i = 1; i <= nbcases; ++i) tabcases[static_cast<size_t>(i)].valuposs = 0;
    calnulibase();
    for (short i = 1; i <= nbcases; ++i) tabcases[static_cast<size_t>(i)].puser = 0;
    fcoord = 0;
    fvalfix = 0;
    ftabcases = 1;
}

void clagrivora::killtabledescases() {
    tabcases = std::vector<grivocase>();
    ftabcases = 0;
    fcoord = 0;
    fvalfix = 0;
}

short clagrivora::positaconv(char axis, const char* name) {
    short x = 0;
    short y = 0;
    for (const char* p = name ? name : ""; *p && *p != ':'; ++p) {
        switch (*p) {
        case 'A':
        case 'a':
            x = static_cast<short>(x + 2);
            break;
        case 'B':
        case 'b':
            x = static_cast<short>(x + 1);
            y = static_cast<short>(y + 1);
            break;
        case 'C':
        case 'c':
            x = static_cast<short>(x - 1);
            y = static_cast<short>(y + 1);
            break;
        case 'D':
        case 'd':
            x = static_cast<short>(x - 2);
            break;
        case 'E':
        case 'e':
            x = static_cast<short>(x - 1);
            y = static_cast<short>(y - 1);
            break;
        case 'F':
        case 'f':
            x = static_cast<short>(x + 1);
            y = static_cast<short>(y - 1);
            break;
        default:
            break;
        }
    }
    if (axis == 'X' || axis == 'x') return x;
    if (axis == 'Y' || axis == 'y') return y;
    return 0;
}

void clagrivora::calnulibase() {
    nbrangees = nbcolonnes = 0;
    if (tabcases.size() <= 1) return;
    short colmin = 32767;
    short rangmin = 32767;
    for (short i = 1; i < static_cast<short>(tabcases.size()); ++i) {
        const char* name = livotri.adr(i);
        grivocase& c = tabcases[static_cast<size_t>(i)];
        c.colonne = static_cast<short>(positaconv('X', name) + 1);
        c.rangee = static_cast<short>(1 - positaconv('Y', name) + (triaplat(name) ? 0 : 1));
        colmin = std::min(colmin, c.colonne);
        rangmin = std::min(rangmin, c.rangee);
    }
    for (short i = 1; i < static_cast<short>(tabcases.size()); ++i) {
        grivocase& c = tabcases[static_cast<size_t>(i)];
        c.colonne = static_cast<short>(c.colonne - colmin + 1);
        c.rangee = static_cast<short>(c.rangee - rangmin + 1);
        c.colonnecopie = c.colonne;
        nbcolonnes = std::max(nbcolonnes, c.colonne);
        nbrangees = std::max(nbrangees, c.rangee);
    }
}

void clagrivora::fautcoordentableaux() {
    if (fcoord) return;
    fautunetabledeshexas();
    fautunetabledescases();
    metcoordentableaux();
    fcoord = 1;
}

void clagrivora::calcupositionsdouteux() {
    fcoord = 0;
}

void clagrivora::metcoordentableaux() {
    for (short i = 1; i < static_cast<short>(tabcases.size()); ++i) {
        grivocase& c = tabcases[static_cast<size_t>(i)];
        giveposicase(livotri.adr(i), c.cacentrix, c.cacentry);
    }
    for (short h = 1; h < static_cast<short>(tabhexas.size()); ++h) {
        const char* path = h <= nbhexacompletes
                               ? livohexa.adr(h)
                               : livopartie.adr(static_cast<short>(h - nbhexacompletes));
        grivohexa& r = tabhexas[static_cast<size_t>(h)];
        giveposipoint(path ? path : "", r.hexacentrix, r.hexacentry);
    }
}

void clagrivora::fautvalfixentables() {
    if (fvalfix) return;
    fautunetabledescases();
    mettrevalfixentables();
}

void clagrivora::mettrevalfixentables() {
    for (grivocase& c : tabcases) {
        c.valdef = 0;
        c.nidef = 0;
        c.fixe = 0;
    }
    gstring cle;
    gstring valeur;
    for (short i = 1; i <= livalcafixes.liste.effectif(); ++i) {
        livalcafixes.getdeux(cle, valeur, i);
        grivocase* c = cellule(numerodelacase(cle.adr()));
        if (!c) continue;
        c->valdef = depilint(valeur.adr());
        c->nidef = depilint(valeur.adr());
        c->fixe = 1;
    }
    fvalfix = 1;
    appliquerniveau();
}
