// Vector bases: hexagonal, rectangular and n-vector tables, and the pixel
// offset of a path in them.
#include "render/geometry/clagravec.h"

#include "render/geometry/sysangle.h"

#include <cmath>

namespace {

constexpr double deuxpi = 6.283185307179586;

// v rounded half away from zero, clamped to 16 bits.
short arrondi(double v) {
    const double r = std::round(v);
    if (r >= 32767.0) return 32767;
    if (r <= -32768.0) return -32768;
    return static_cast<short>(r);
}

} // namespace

clagravec::clagravec() {
    setbase(6, 20);
}

void clagravec::clear() {
    freetab();
    nombre = 0;
    demi = 0;
    pourhexa = 0;
    rectangulaire = 0;
    memedirections = 0;
    angle = 0;
}

void clagravec::freetab() {
    std::vector<clagravecteur>().swap(tab);
}

void clagravec::allouetab(short n, short size) {
    freetab();
    nombre = n < 0 ? short{0} : n;
    demi = static_cast<short>(nombre / 2);
    taille = size;
    tab.resize(static_cast<size_t>(nombre));
}

void clagravec::setbase(short n, short size) {
    allouetab(n, size);
    rectangulaire = 0;
    chemin.getdirections().settaille(size);
    gracalcul();
}

void clagravec::setbaserec(short n, short size) {
    allouetab(n, size);
    rectangulaire = 1;
    gracalcul();
}

void clagravec::setangle(short deg) {
    angle = deg;
    chemin.getdirections().setangle(deg);
    gracalcul();
}

void clagravec::forhexa() {
    pourhexa = 1;
}

void clagravec::gracalcul() {
    const int n = static_cast<int>(tab.size());
    const float s = taille;
    if (rectangulaire != 0) {
        // The rectangular form is not the direction set, whatever it was before.
        memedirections = 0;
        const float avant[6][2] = {{2 * s, 0}, {s, s}, {-s, s}, {-2 * s, 0}, {-s, -s}, {s, -s}};
        sysangle tour;
        tour.setadeg(angle);
        for (int q = 0; q < n && q < 6; ++q) {
            tour.setxy(avant[q][0], avant[q][1]);
            tab[q].x = tour.getx();
            tab[q].y = tour.gety();
        }
        return;
    }
    if (n == 6) {
        const clavodirections& dirs = chemin.getdirections();
        for (short q = 0; q < 6; ++q) {
            tab[q].x = dirs.reulatx(q);
            tab[q].y = dirs.reulaty(q);
            tab[q].nom[0] = static_cast<char>('A' + q);
            tab[q].nom[1] = 0;
        }
        memedirections = 1;
        return;
    }
    memedirections = 0;
    for (int q = 0; q < n; ++q) {
        const double t = (static_cast<double>(q) / n + angle / 360.0) * deuxpi;
        tab[q].x = arrondi(s * std::cos(t));
        tab[q].y = arrondi(s * std::sin(t));
        const int lettre = 'A' + q;
        tab[q].nom[0] = lettre <= 255 ? static_cast<char>(lettre) : char{0};
        tab[q].nom[1] = 0;
    }
}

const clagravecteur* clagravec::entree(int i) const {
    return i >= 0 && i < static_cast<int>(tab.size()) ? &tab[i] : nullptr;
}

short clagravec::getvecx(short i) const {
    const clagravecteur* e = entree(i);
    return e != nullptr ? e->x : short{0};
}

short clagravec::getvecy(short i) const {
    const clagravecteur* e = entree(i);
    return e != nullptr ? e->y : short{0};
}

const char* clagravec::getnomvec(short i) const {
    const clagravecteur* e = entree(i);
    return e != nullptr ? e->nom : "";
}

short clagravec::posichemin(const char* path, bool enx) {
    if (memedirections != 0) return enx ? chemin.valducheminx(path) : chemin.valducheminy(path);
    if (path == nullptr) return 0;
    short somme = 0;
    for (const char* c = path; *c != 0 && *c != ':'; ++c) {
        if (*c == '0' || *c == ' ' || *c == '\t') continue;
        const clagravecteur* e = entree(static_cast<unsigned char>(*c) - 'A');
        if (e != nullptr) somme = static_cast<short>(somme + (enx ? e->x : e->y));
    }
    return somme;
}

short clagravec::posicheminx(const char* path) {
    return posichemin(path, true);
}

short clagravec::posicheminy(const char* path) {
    return posichemin(path, false);
}

short tailletiers(short size) {
    const short tiers = static_cast<short>(size / 3);
    return size - 3 * tiers == 2 ? static_cast<short>(tiers + 1) : tiers;
}
