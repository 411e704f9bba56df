// The drawing's pure helpers.
#include "render/contextedessin.h"

char boncarac(short, short v) {
    return static_cast<char>('0' + v);
}

int coulfondecase(short, short, int colour) {
    return colour;
}
