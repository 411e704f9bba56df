// Lattice paths: counting path text, canonical form, printing, valuation.
#include "lattice/clavochemin.h"

#include "foundation/gstring.h"

#include <algorithm>
#include <climits>

namespace {

short wrap16(long long v) {
    return static_cast<short>(v);
}

char letter(int i) {
    return static_cast<char>('A' + i);
}

} // namespace

clavochemin::clavochemin() : nbpas{}, canonique(1), formedecompacte(0), formecompacte(0) {}

void clavochemin::changed() {
    canonique = 0;
    formedecompacte = 0;
    formecompacte = 0;
}

void clavochemin::addcount(short i, int n) {
    const int v = std::min(static_cast<int>(nbpas[i]) + n, static_cast<int>(SHRT_MAX));
    nbpas[i] = static_cast<short>(v);
}

// sign 1 counts the text as it stands, -1 counts its inverse.
void clavochemin::countinto(const char* text, int sign) {
    changed();
    if (text == nullptr) return;
    int last = -1;
    for (const char* p = text; *p != 0; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c >= 'A' && c <= 'F') {
            last = c - 'A';
            if (sign < 0) last = (last + 3) % 6;
            addcount(static_cast<short>(last), 1);
        } else if (c >= '1' && c <= '9') {
            if (last >= 0) addcount(static_cast<short>(last), c - '1');
        } else {
            break;
        }
    }
}

void clavochemin::setchemin(const char* text) {
    std::fill(std::begin(nbpas), std::end(nbpas), short{0});
    forme.clear();
    countinto(text, 1);
}

void clavochemin::comptechemin(const char* text) {
    setchemin(text);
}

void clavochemin::ajoutechemin(const char* text) {
    countinto(text, 1);
}

void clavochemin::retirechemin(const char* text) {
    countinto(text, -1);
}

void clavochemin::chinverse() {
    for (int i = 0; i < 3; ++i) std::swap(nbpas[i], nbpas[i + 3]);
    changed();
}

short clavochemin::getnbpas(short i) const {
    return i >= 0 && i < 6 ? nbpas[i] : short{0};
}

void clavochemin::bonchemin() {
    if (canonique) return;
    // Reduce in int: a direction can gather more than 32767 steps on the way.
    int c[6];
    for (int i = 0; i < 6; ++i) c[i] = nbpas[i];
    bool again = true;
    while (again) {
        again = false;
        for (int i = 0; i < 3; ++i) {
            const int m = std::min(c[i], c[i + 3]);
            if (m > 0) {
                c[i] -= m;
                c[i + 3] -= m;
                again = true;
            }
        }
        for (int i = 0; i < 6; ++i) {
            const int j = (i + 2) % 6;
            const int m = std::min(c[i], c[j]);
            if (m > 0) {
                c[i] -= m;
                c[j] -= m;
                c[(i + 1) % 6] += m;
                again = true;
            }
        }
    }
    for (int i = 0; i < 6; ++i) nbpas[i] = static_cast<short>(std::min(c[i], int{SHRT_MAX}));
    canonique = 1;
}

const std::string& clavochemin::compacte() {
    bonchemin();
    if (!formecompacte) {
        forme.clear();
        for (int i = 0; i < 6; ++i) {
            for (int c = nbpas[i]; c > 0;) {
                const int k = std::min(c, 9);
                forme += letter(i);
                if (k > 1) forme += static_cast<char>('0' + k);
                c -= k;
            }
        }
        formecompacte = 1;
        formedecompacte = 0;
    }
    return forme;
}

const std::string& clavochemin::decompacte() {
    bonchemin();
    if (!formedecompacte) {
        forme.clear();
        for (int i = 0; i < 6; ++i) forme.append(static_cast<size_t>(nbpas[i]), letter(i));
        formedecompacte = 1;
        formecompacte = 0;
    }
    return forme;
}

void clavochemin::givecompacte(gstring* g) {
    g->set(compacte().c_str());
}

void clavochemin::givedecompacte(gstring* g) {
    g->set(decompacte().c_str());
}

void clavochemin::givegrator(gstring* g) {
    givedecompacte(g);
}

short clavochemin::valcheminx() const {
    long long s = 0;
    for (short i = 0; i < 6; ++i) s += static_cast<long long>(nbpas[i]) * dirs.reulatx(i);
    return wrap16(s);
}

short clavochemin::valcheminy() const {
    long long s = 0;
    for (short i = 0; i < 6; ++i) s += static_cast<long long>(nbpas[i]) * dirs.reulaty(i);
    return wrap16(s);
}

short clavochemin::valchemincasix(short t) const {
    return wrap16(valcheminx() + dirs.relatcentx(t));
}

short clavochemin::valchemincasy(short t) const {
    return wrap16(valcheminy() + dirs.relatcenty(t));
}

short clavochemin::valducheminx(const char* text) {
    setchemin(text);
    return valcheminx();
}

short clavochemin::valducheminy(const char* text) {
    setchemin(text);
    return valcheminy();
}
