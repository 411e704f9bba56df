// One-dimension view onto a caller's array of 16-bit values.
#include "grid/shortabunedim.h"

void shortabunedim::setontab(short lo, short hi, short* array) {
    bas = lo;
    haut = hi;
    const int n = int{hi} - int{lo} + 1;
    if (array == nullptr || n <= 0 || n > 32767) {
        tab = nullptr;
        nombre = 0;
        return;
    }
    tab = array;
    nombre = static_cast<short>(n);
}

void shortabunedim::setontab(short n, short* array) {
    setontab(0, static_cast<short>(n - 1), array);
}

void shortabunedim::setraztab(short n, short* array) {
    setontab(n, array);
    raz();
}

void shortabunedim::raz() {
    for (short i = 0; i < nombre; ++i) tab[i] = 0;
}

void shortabunedim::add(short v) {
    for (short i = 0; i < nombre; ++i) {
        if (tab[i] == vide) {
            tab[i] = v;
            return;
        }
    }
}

void shortabunedim::addone(short v) {
    for (short i = 0; i < nombre; ++i)
        if (tab[i] == v) return;
    add(v);
}
