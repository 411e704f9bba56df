// Binomial, ordered-values and combination tables, built on first use, and the
// arithmetic that fills them.
#include "grid/combitables.h"

#include "grid/valuemasks.h"

#include <cstdint>

namespace {

constexpr short maxvaleur = 6;
constexpr short nbmasques = 64;
constexpr short largeurordre = 7; // count, then six values

bool dansvaleurs(short n) {
    return n >= 0 && n <= maxvaleur;
}

} // namespace

short vofacto(short n) {
    if (!dansvaleurs(n)) return 0;
    short f = 1;
    for (short i = 2; i <= n; ++i) f = static_cast<short>(f * i);
    return f;
}

short vonombrecombi(short k, short n) {
    if (k < 1 || k > n) return 0;
    // C(n, i + 1) = C(n, i) * (n - i) / (i + 1) is exact at every step, and
    // C(n, i) grows with i up to n / 2, so once it leaves 16 bits it stays out.
    const short petit = k <= n - k ? k : static_cast<short>(n - k);
    std::int64_t c = 1;
    for (short i = 0; i < petit; ++i) {
        c = c * (n - i) / (i + 1);
        if (c > INT16_MAX) return 0;
    }
    return static_cast<short>(c);
}

namespace {

// The process-wide binomial table.
struct tablebinome {
    short combi[maxvaleur + 1][maxvaleur + 1] = {}; // [k][n]
};

// The process-wide ordered-values table and the pair and triple lists.
struct tablesordre {
    short ordre[nbmasques][largeurordre] = {};
    short paires[nbvopaires + 1] = {};   // slot 0 unused
    short triples[nbvotriples + 1] = {}; // slot 0 unused
};

tablebinome construitbinome() {
    tablebinome t;
    for (short n = 1; n <= maxvaleur; ++n)
        for (short k = 1; k <= n; ++k) t.combi[k][n] = vonombrecombi(k, n);
    return t;
}

tablesordre construitordre() {
    tablesordre t;
    short nbpaires = 0;
    short nbtriples = 0;
    for (short m = 0; m < nbmasques; ++m) {
        const short c = nombrevaldansposs(m);
        if (c == 2 && nbpaires < nbvopaires) t.paires[++nbpaires] = m;
        if (c == 3 && nbtriples < nbvotriples) t.triples[++nbtriples] = m;
        short* ligne = t.ordre[m];
        ligne[0] = c;
        short dedans = 0;
        short dehors = c;
        for (short v = 1; v <= maxvaleur; ++v) {
            if (yavaldansposs(v, m) != 0) {
                if (dedans < maxvaleur) ligne[++dedans] = v;
            } else if (dehors < maxvaleur) {
                ligne[++dehors] = v;
            }
        }
    }
    return t;
}

// Each table is built by its first look-up (thread-safe, once per process).
const tablebinome& binome() {
    static const tablebinome table = construitbinome();
    return table;
}

const tablesordre& ordre() {
    static const tablesordre tables = construitordre();
    return tables;
}

} // namespace

void voprecalcombi() {
    binome();
}

void votabrapidite() {
    votabmasques();
    voprecalcombi();
}

void votabordre() {
    ordre();
}

short vocombitab(short k, short n) {
    return dansvaleurs(k) && dansvaleurs(n) ? binome().combi[k][n] : short{0};
}

short vovaleurordre(short m, short i) {
    return i >= 0 && i < largeurordre ? ordre().ordre[m & (nbmasques - 1)][i] : short{0};
}

short vopaire(short i) {
    return i >= 1 && i <= nbvopaires ? ordre().paires[i] : short{0};
}

short votriple(short i) {
    return i >= 1 && i <= nbvotriples ? ordre().triples[i] : short{0};
}
