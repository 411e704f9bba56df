// clagrivora: difficulty levels, their thresholds, the correction from the
// grid's shape, applying a level to the board, and the level labels.
#include "grid/clagrivora.h"

#include "foundation/numtext.h"

#include <algorithm>

short clagrivora::sixtocent(short level) {
    switch (level) {
    case 2:
        return 80;
    case 3:
        return 85;
    case 4:
        return 90;
    case 5:
        return 95;
    case 6:
        return 100;
    case 7:
        return 120;
    default:
        return 75;
    }
}

short clagrivora::centosix(short code) {
    switch (code) {
    case 80:
        return 2;
    case 85:
        return 3;
    case 90:
        return 4;
    case 95:
        return 5;
    case 100:
        return 6;
    case 120:
        return 7;
    default:
        return 1;
    }
}

short clagrivora::fixenivoulu(short code) {
    seuilvoulu = (code == 120 && !yaniveausept()) ? short(100) : code;
    niveaucalcule = 0;
    return seuilvoulu;
}

void clagrivora::declassecalc() {
    fautbasexhaustive();
    if (fdeclasse) return;
    declassement = valeurdeclasst(&livohexa);
    fdeclasse = 1;
}

void clagrivora::bonsniveaux(short level) {
    niveauvoulu = level;
    declassecalc();
    if (level == 7) {
        niveaueffectif = niveaunominal = yaniveausept() ? short(7) : short(6);
    } else {
        niveaueffectif = std::min<short>(6, static_cast<short>(level + declassement));
        niveaunominal = level;
    }
    seuilvoulu = sixtocent(niveauvoulu);
    seuilapplique = sixtocent(niveaueffectif);
    niveaucalcule = 1;
}

bool clagrivora::yaleuboniveau() {
    if (!niveaucalcule) {
        if (seuilvoulu <= 74) seuilvoulu = 100;
        bonsniveaux(centosix(seuilvoulu));
    }
    return seuilapplique == seuilenplace;
}

void clagrivora::fautappliquerniveau() {
    if (!faitvalfixes) {
        fvalfix = 0;
        return;
    }
    fautvalfixentables();
    if (!yaleuboniveau()) appliquerniveau();
}

void clagrivora::appliquerniveau() {
    if (!faitvalfixes) return;
    if (!fvalfix) {
        // Placing the given values applies the level.
        fautvalfixentables();
        return;
    }
    for (short c = 1; c < static_cast<short>(tabcases.size()); ++c) {
        grivocase& r = tabcases[static_cast<size_t>(c)];
        if (r.nidef < seuilapplique) {
            r.caseval = 0;
            r.fixe = 0;
        } else {
            r.caseval = r.valdef;
            r.fixe = 1;
        }
    }
    seuilenplace = seuilapplique;
}

bool clagrivora::yaniveausept() {
    if (!ftabcases) return false;
    bool cent = false;
    bool centvingt = false;
    for (const grivocase& r : tabcases) {
        if (r.nidef == 100) cent = true;
        if (r.nidef == 120) centvingt = true;
    }
    if (cent && centvingt) return true;
    if (centvingt)
        for (grivocase& r : tabcases) r.nidef = std::min<short>(r.nidef, 100);
    return false;
}

void clagrivora::texteniv(short level, gstring* number, gstring* french, gstring* english) {
    static const char* const francais[] = {"1-tr\xE8s facile", "2-facile",    "3-moyen",
                                           "4-moyen haut",     "5-difficile", "6-tr\xE8s difficile",
                                           "7-diabolique"};
    static const char* const anglais[] = {"1-very easy",        "2-easy",      "3-medium",
                                          "4-fairly difficult", "5-difficult", "6-very difficult",
                                          "7-diabolic"};
    const bool connu = level >= 1 && level <= 7;
    if (number) number->set(vi(level));
    if (french) french->set(connu ? francais[level - 1] : "xxx");
    if (english) english->set(connu ? anglais[level - 1] : "xxx");
}

short clagrivora::libniveaubis(gstring* text, short which, bool flag) {
    short level = centosix(seuilapplique);
    switch (which) {
    case 10:
    case 11:
        level = niveaunominal;
        break;
    case 13:
    case 14:
        if (level != 7) level = static_cast<short>(level - declassement);
        break;
    case 15:
        level = niveauvoulu;
        break;
    default:
        break;
    }
    gstring number;
    gstring french;
    gstring english;
    texteniv(level, &number, &french, &english);
    if (text) {
        if (!flag)
            text->gset(number);
        else
            text->gset(which == 10 || which == 13 ? english : french);
    }
    return level;
}
