// clagrivora: the masks of the values each cell still allows, narrowed by the
// values of its neighbours.
#include "grid/clagrivora.h"

#include "grid/valuemasks.h"

unsigned char regleopposees = 0;

namespace {

// Remove the values outside `garde` from an empty cell's mask; 1 when it
// changed.
inline unsigned char interdire(grivocase& c, short garde) {
    if (c.caseval != 0) return 0;
    const short m = c.valuposs;
    const short reste = static_cast<short>(m & garde);
    if (reste == m) return 0;
    c.valuposs = reste;
    return 1;
}

} // namespace

unsigned char clagrivora::interdicaval(short cell, short v) {
    grivocase* c = cellule(cell);
    if (!c || v < 1 || v > 6) return 0;
    return interdire(*c, possunevalinv(v));
}

unsigned char clagrivora::interdidouze(short cell, short v) {
    if (!regledouze || v < 1 || v > 6) return 0;
    const short* slots = voisinsde(cell);
    if (!slots) return 0;
    const short garde = possunevalinv(v);
    const short dernier = static_cast<short>(tabcases.size() - 1);
    unsigned char change = 0;
    for (short i = 0; i < 12; ++i) {
        const short voisine = slots[i];
        if (voisine > 0 && voisine <= dernier)
            change |= interdire(tabcases[static_cast<size_t>(voisine)], garde);
    }
    return change;
}

unsigned char clagrivora::interditrois(short cell, short v) {
    if (!regleopposees) return 0;
    unsigned char change = 0;
    for (short j = 0; j < 3; ++j) {
        const short opposee = casopposee(cell, j);
        if (opposee > 0 && casestvide(opposee)) change |= interdicaval(opposee, v);
    }
    return change;
}

unsigned char clagrivora::interdiquinze(short cell, short v) {
    const unsigned char douze = interdidouze(cell, v);
    const unsigned char trois = interditrois(cell, v);
    return trois ? trois : douze;
}

unsigned char clagrivora::metencaseleger(short cell, short v) {
    if (!cellule(cell)) return 0;
    unsigned char change = 0;
    if (getcaseval(cell) != v) {
        setcaseval(cell, v);
        change = 1;
    }
    setvaluposs(cell, possunevaleur(v));
    return static_cast<unsigned char>(change | interdiquinze(cell, v));
}

unsigned char clagrivora::metencase(short cell, short v) {
    return metencaseleger(cell, v);
}

void clagrivora::ajustepossicase() {
    fautunetabledescases();
    fautunetablevoisiquinze();
    for (short c = 1; c <= nbcases; ++c) tabcases[static_cast<size_t>(c)].valuposs = 63;
    for (short c = 1; c <= nbcases; ++c) {
        const short v = tabcases[static_cast<size_t>(c)].caseval;
        if (v > 0) metencase(c, v);
    }
}
