// Colour helpers: light and dark tints, greys by percentage.
#include "render/couleurs.h"

int clair(int c) {
    return c | 0x999999;
}

int fonce(int c) {
    return c & 0x777777;
}

int nuancegris(short p) {
    const int v = (100 - p) * 255 / 100;
    return v | (v << 8) | (v << 16);
}
