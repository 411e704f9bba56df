// Prints where the game draws a grid at the default cell size, for the
// end-to-end scenario: client pixels of two empty cells with a value each
// that the rule allows (the second still allowed once the first is
// entered), of the selector's triangles and of the buttons it clicks.
// Usage: voraplan GRID
#include "shell/boutons.h"
#include "shell/etatjeu.h"
#include "shell/jeu.h"
#include "shell/miseenpage.h"

#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"

#include <cstdio>
#include <cstdlib>

namespace {

short premierevide(short apres) {
    for (short c = static_cast<short>(apres + 1); c <= grilleram.getnbcases(); ++c)
        if (grilleram.casestvide(c)) return c;
    return 0;
}

short permise(short c) {
    grilleram.ajustepossicase();
    for (short v = 1; v <= 6; ++v)
        if (grilleram.isautorisee(c, v) != 0) return v;
    return 0;
}

void imprime(const char* quoi, short c, short v) {
    const miseenpage& m = miseenpagecourante();
    std::printf("%s %d %d %d\n", quoi, m.originex + grilleram.getcacentrix(c),
                m.originey - grilleram.getcacentry(c), v);
}

} // namespace

int main(int argc, char** argv) {
    const short grille = argc > 1 ? static_cast<short>(std::atoi(argv[1])) : 1;
    globinitvocalcul();
    nomgrinit();
    if (!grillecharger(nullptr, grille, nullptr, false)) return 1;
    recalculemiseenpage();
    const short a = premierevide(0);
    const short va = permise(a);
    grilleram.setcaseval(a, va);
    short b = premierevide(a);
    short vb = permise(b);
    while (b != 0 && vb == 0) {
        b = premierevide(b);
        vb = permise(b);
    }
    if (a == 0 || va == 0 || b == 0) return 1;
    imprime("A", a, va);
    imprime("B", b, vb);
    static const int dx[6] = {15, 0, -15, -15, 0, 15};
    static const int dy[6] = {-8, -17, -8, 8, 17, 8};
    static const int valeurs[6] = {1, 6, 5, 4, 3, 2};
    for (int k = 0; k < 6; ++k) std::printf("T%d %d %d\n", valeurs[k], 55 + dx[k], 320 + dy[k]);
    std::printf("GR%d 55 %d\n", grille, 40 + 20 * (grille - 1) + 10);
    std::printf("X 55 475\n");
    return 0;
}
