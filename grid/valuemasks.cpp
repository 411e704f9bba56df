// Value-mask tables and the mask functions that read them.
#include "grid/valuemasks.h"

namespace {

constexpr short nbvaleurscodees = 8; // table index 0..7
constexpr short nbmasques = 64;      // masks 0..63
constexpr short masquesix = 63;

// The process-wide mask tables: single values, the full set less one value,
// and the value count of each mask.
struct tablesmasques {
    short unevaleur[nbvaleurscodees] = {};
    short unevalinv[nbvaleurscodees] = {};
    short nombreval[nbmasques] = {};
};

tablesmasques construitmasques() {
    tablesmasques t;
    for (short v = 1; v < nbvaleurscodees; ++v) {
        t.unevaleur[v] = static_cast<short>(1 << (v - 1));
        t.unevalinv[v] = v <= 6 ? static_cast<short>(masquesix - t.unevaleur[v]) : short{0};
    }
    for (short m = 0; m < nbmasques; ++m) {
        short nb = 0;
        for (short bit = 0; bit < 6; ++bit) nb = static_cast<short>(nb + ((m >> bit) & 1));
        t.nombreval[m] = nb;
    }
    return t;
}

// The tables, built by the first look-up (thread-safe, once per process).
const tablesmasques& masques() {
    static const tablesmasques tables = construitmasques();
    return tables;
}

bool valeurcodee(short v) {
    return v >= 0 && v < nbvaleurscodees;
}

} // namespace

void votabmasques() {
    masques();
}

short possunevaleur(short v) {
    return valeurcodee(v) ? masques().unevaleur[v] : short{0};
}

short possunevalinv(short v) {
    return valeurcodee(v) ? masques().unevalinv[v] : short{0};
}

short possiblinverse(short m) {
    return static_cast<short>(masquesix - m);
}

short yavaldansposs(short v, short m) {
    return (m & possunevaleur(v)) != 0 ? 1 : 0;
}

short yavaldpo(short v, short m) {
    switch (v) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        return static_cast<short>((m >> (v - 1)) & 1);
    default:
        return 0;
    }
}

short nombrevaldansposs(short m) {
    return masques().nombreval[m & masquesix];
}

short shortet(short a, short b) {
    return static_cast<short>(a & b);
}

short shortou(short a, short b) {
    return static_cast<short>(a | b);
}

short modulosix(short n) {
    return static_cast<short>(n % 6);
}
