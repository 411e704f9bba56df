// Pixel vectors of the six lattice directions.
#include "lattice/clavodirections.h"

#include <climits>
#include <cmath>
#include <numbers>

namespace {

short wrap16(long long v) {
    return static_cast<short>(v);
}

short modsix(short i) {
    return static_cast<short>(((i % 6) + 6) % 6);
}

} // namespace

clavodirections::clavodirections() : pix{}, valide(0), taille(30), angle(0) {
    calcupix();
}

void clavodirections::settaille(short size) {
    taille = size;
    calcupix();
}

void clavodirections::setangle(short degrees) {
    angle = degrees;
    calcupix();
}

void clavodirections::settaillangle(short size, short degrees) {
    taille = size;
    angle = degrees;
    calcupix();
}

void clavodirections::calcupix() {
    if (taille % 2 != 0)
        taille = taille == SHRT_MAX ? SHRT_MAX - 1 : static_cast<short>(taille + 1);
    const double radian = 2.0 * std::numbers::pi / 360.0;
    const double r = taille;
    const double theta = angle * radian;
    const double thetab = (angle + 60) * radian;
    // std::lround rounds halves away from zero; |r| < 32768 keeps each in range.
    const long xa = std::lround(r * std::cos(theta));
    const long ya = std::lround(r * std::sin(theta));
    const long xb = std::lround(r * std::cos(thetab));
    const long yb = std::lround(r * std::sin(thetab));
    const long xs[3] = {xa, xb, xb - xa};
    const long ys[3] = {ya, yb, yb - ya};
    for (int i = 0; i < 3; ++i) {
        pix[i] = wrap16(xs[i]);
        pix[i + 3] = wrap16(-xs[i]);
        pix[6 + i] = wrap16(ys[i]);
        pix[6 + i + 3] = wrap16(-ys[i]);
    }
    // Triangle centres: type 0 (":AF") is (A + F) / 3, type 1 (":AB") is (A + B) / 3.
    pix[12] = wrap16((pix[0] + pix[5]) / 3);
    pix[13] = wrap16((pix[0] + pix[1]) / 3);
    pix[14] = wrap16((pix[6] + pix[11]) / 3);
    pix[15] = wrap16((pix[6] + pix[7]) / 3);
    valide = 1;
}

short clavodirections::reulatx(short i) const {
    return pix[modsix(i)];
}

short clavodirections::reulaty(short i) const {
    return pix[6 + modsix(i)];
}

short clavodirections::relatcentx(short t) const {
    return pix[t == 0 ? 12 : 13];
}

short clavodirections::relatcenty(short t) const {
    return pix[t == 0 ? 14 : 15];
}

short clavodirections::giveabposx(short a, short b) const {
    return wrap16(static_cast<long long>(a) * pix[0] + static_cast<long long>(b) * pix[1]);
}

short clavodirections::giveabposy(short a, short b) const {
    return wrap16(static_cast<long long>(a) * pix[6] + static_cast<long long>(b) * pix[7]);
}

short clavodirections::giveabcx(short a, short b, short c) const {
    return wrap16(static_cast<long long>(a) * pix[0] + static_cast<long long>(b) * pix[1] +
                  static_cast<long long>(c) * pix[2]);
}

short clavodirections::giveabcy(short a, short b, short c) const {
    return wrap16(static_cast<long long>(a) * pix[6] + static_cast<long long>(b) * pix[7] +
                  static_cast<long long>(c) * pix[8]);
}
