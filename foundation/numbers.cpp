// Small arithmetic helpers on 16-bit values.
#include "foundation/numbers.h"

#include <algorithm>
#include <cstdlib>

short bndsrot(short v, short lo, short hi) {
    if (hi < lo) return lo;
    int range = hi - lo + 1;
    int off = (v - lo) % range;
    if (off < 0) off += range;
    return static_cast<short>(lo + off);
}

short bndslim(short v, short lo, short hi) {
    if (hi < lo) return lo;
    return std::clamp(v, lo, hi);
}

bool dansinter(short v, short lo, short hi) {
    return lo <= v && v <= hi;
}

short maxint(short a, short b) {
    return std::max(a, b);
}
short maxint(short a, short b, short c) {
    return std::max({a, b, c});
}
short minint(short a, short b) {
    return std::min(a, b);
}
short minint(short a, short b, short c) {
    return std::min({a, b, c});
}

short pseudodistance(short x1, short y1, short x2, short y2) {
    int d = std::abs(x1 - x2) + std::abs(y1 - y2);
    return static_cast<short>(std::min(d, 32767));
}

bool non(char v) {
    return v == 0;
}
bool non(short v) {
    return v == 0;
}
bool non(int v) {
    return v == 0;
}
bool azero(char v) {
    return v == 0;
}
bool azero(short v) {
    return v == 0;
}
bool azero(int v) {
    return v == 0;
}
bool nonzero(char v) {
    return v != 0;
}
bool nonzero(short v) {
    return v != 0;
}
bool nonzero(int v) {
    return v != 0;
}
