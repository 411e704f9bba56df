// Rotation of a point by an angle, exact for quarter turns.
#include "render/geometry/sysangle.h"

#include <cmath>

namespace {

constexpr float pi = 3.141592653589793f;

// f truncated toward zero to 16 bits, clamped to the 16-bit range; 0 for NaN.
short shorttronque(float f) {
    if (std::isnan(f)) return 0;
    if (f >= 32767.0f) return 32767;
    if (f <= -32768.0f) return -32768;
    return static_cast<short>(f);
}

} // namespace

void sysangle::setadeg(float deg) {
    degres = deg;
    radians = deg * pi / 180.0f;
    exact = 0;
    quart = 0;
    float q = std::trunc(deg + 0.25f);
    if (!std::isfinite(q)) return;
    q = std::fmod(q, 360.0f);
    if (q < 0) q += 360.0f;
    const short entier = static_cast<short>(q);
    if (entier % 90 == 0) {
        exact = 1;
        quart = entier;
    }
}

void sysangle::setadix(float tenths) {
    degres = tenths / 10.0f;
    radians = degres * pi / 180.0f;
    exact = 0;
    quart = 0;
}

void sysangle::setarad(float rad) {
    radians = rad;
    exact = 0;
    quart = 0;
}

void sysangle::setxy(float px, float py) {
    x = px;
    y = py;
}

float sysangle::getxf() const {
    if (exact != 0) {
        switch (quart) {
        case 90:
            return -y;
        case 180:
            return -x;
        case 270:
            return y;
        default:
            return x;
        }
    }
    return x * std::cos(radians) - y * std::sin(radians);
}

float sysangle::getyf() const {
    if (exact != 0) {
        switch (quart) {
        case 90:
            return x;
        case 180:
            return -y;
        case 270:
            return -x;
        default:
            return y;
        }
    }
    return x * std::sin(radians) + y * std::cos(radians);
}

short sysangle::getx() const {
    return shorttronque(getxf());
}

short sysangle::gety() const {
    return shorttronque(getyf());
}
