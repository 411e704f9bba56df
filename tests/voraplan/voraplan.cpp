// Prints where the game draws a grid at the default cell size, for the
// end-to-end scenario: client pixels of two empty cells with a value each
// that the rule allows (the second still allowed once the first is
// entered), of the selector's triangles and of the buttons it clicks.
// With "solution", it prints instead every empty cell with its value in the
// grid's solution ("S x y value" lines). With "clavier", the same cells in
// the order of the cell list, each with a value the rule refuses there when
// its turn comes (0 for none) and the arrow keys that take the keyboard
// cursor there from the previous one, starting on cell 1 ("K x y value
// refused key..." lines, xdotool's key names). With "size N", the cells are
// placed at cell size N instead of the default one.
// Usage: voraplan GRID [solution | clavier | size N]
#include "shell/appli.h"
#include "shell/jeu.h"
#include "shell/miseenpage.h"

#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"
#include "shell/core/curseurgrille.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <queue>
#include <string>
#include <vector>

namespace {

short premierevide(clapartie& partie, short apres) {
    for (short c = static_cast<short>(apres + 1); c <= partie.grille().getnbcases(); ++c)
        if (partie.grille().casestvide(c)) return c;
    return 0;
}

short permise(clapartie& partie, short c) {
    partie.grilledessin().ajustepossicase();
    for (short v = 1; v <= 6; ++v)
        if (partie.grille().isautorisee(c, v) != 0) return v;
    return 0;
}

// Fill the empty cells by trial, the given values kept.
bool resous(clapartie& partie, short c) {
    if (c > partie.grille().getnbcases()) return true;
    if (!partie.grille().casestvide(c)) return resous(partie, static_cast<short>(c + 1));
    for (short v = 1; v <= 6; ++v) {
        bool libre = true;
        for (short i = 0; i < 12 && libre; ++i) {
            const short n = partie.grille().casevoisine(c, i);
            libre = n == 0 || partie.grille().getcaseval(n) != v;
        }
        if (!libre) continue;
        partie.grilledessin().setcaseval(c, v);
        if (resous(partie, static_cast<short>(c + 1))) return true;
    }
    partie.grilledessin().setcaseval(c, 0);
    return false;
}

void imprime(const claappli& a, const char* quoi, short c, short v) {
    const clapartie& partie = a.partie;
    const miseenpage& m = a.courante;
    std::printf("%s %d %d %d\n", quoi, m.originex + partie.grille().getcacentrix(c),
                m.originey - partie.grille().getcacentry(c), v);
}

// The arrow keys of a shortest way of the cursor from cell a to cell b.
std::string chemin(const clapartie& partie, short a, short b) {
    static const std::pair<sensdeplacement, const char*> sens[] = {
        {sensdeplacement::gauche, "Left"},
        {sensdeplacement::droite, "Right"},
        {sensdeplacement::haut, "Up"},
        {sensdeplacement::bas, "Down"}};
    std::map<short, std::pair<short, const char*>> venant{{a, {0, nullptr}}};
    std::queue<short> file;
    file.push(a);
    while (!file.empty() && venant.count(b) == 0) {
        const short c = file.front();
        file.pop();
        for (const auto& [s, nom] : sens) {
            const short d = casedanssens(partie.grille(), c, s);
            if (venant.emplace(d, std::make_pair(c, nom)).second) file.push(d);
        }
    }
    std::string touches;
    for (short c = b; c != a; c = venant.at(c).first)
        touches.insert(0, std::string(" ") + venant.at(c).second);
    return touches;
}

} // namespace

int main(int argc, char** argv) {
    const short grille = argc > 1 ? static_cast<short>(std::atoi(argv[1])) : 1;
    globinitvocalcul();
    nomgrinit();
    claappli appli(nullptr);
    clapartie& partie = appli.partie;
    if (!grillecharger(appli, grille, nullptr, false)) return 1;
    if (argc > 3 && std::string(argv[2]) == "size") {
        partie.fixetaillecase(static_cast<short>(std::atoi(argv[3])));
        appli.settailleprin(partie.parametres().taillecase);
    }
    recalculemiseenpage(appli);
    if (argc > 2 && std::string(argv[2]) == "solution") {
        std::vector<short> vides;
        for (short c = 1; c <= partie.grille().getnbcases(); ++c)
            if (partie.grille().casestvide(c)) vides.push_back(c);
        if (!resous(partie, 1)) return 1;
        for (short c : vides) imprime(appli, "S", c, partie.grille().getcaseval(c));
        return 0;
    }
    if (argc > 2 && std::string(argv[2]) == "clavier") {
        std::vector<short> vides;
        for (short c = 1; c <= partie.grille().getnbcases(); ++c)
            if (partie.grille().casestvide(c)) vides.push_back(c);
        if (!resous(partie, 1)) return 1;
        short depuis = 1;
        std::vector<bool> entree(static_cast<size_t>(partie.grille().getnbcases()) + 1, false);
        for (short c : vides) {
            // A value the rule refuses there when its turn comes: one a given
            // or an earlier cell sharing a corner holds (0 for none).
            short refusee = 0;
            for (short i = 0; i < 12; ++i) {
                const short n = partie.grille().casevoisine(c, i);
                if (n != 0 && (partie.grille().casestfixe(n) || entree[static_cast<size_t>(n)]))
                    refusee = partie.grille().getcaseval(n);
            }
            const miseenpage& m = appli.courante;
            std::printf("K %d %d %d %d%s\n", m.originex + partie.grille().getcacentrix(c),
                        m.originey - partie.grille().getcacentry(c), partie.grille().getcaseval(c),
                        refusee, chemin(partie, depuis, c).c_str());
            entree[static_cast<size_t>(c)] = true;
            depuis = c;
        }
        return 0;
    }
    const short a = premierevide(partie, 0);
    const short va = permise(partie, a);
    partie.grilledessin().setcaseval(a, va);
    short b = premierevide(partie, a);
    short vb = permise(partie, b);
    while (b != 0 && vb == 0) {
        b = premierevide(partie, b);
        vb = permise(partie, b);
    }
    if (a == 0 || va == 0 || b == 0) return 1;
    imprime(appli, "A", a, va);
    imprime(appli, "B", b, vb);
    static const int dx[6] = {15, 0, -15, -15, 0, 15};
    static const int dy[6] = {-8, -17, -8, 8, 17, 8};
    static const int valeurs[6] = {1, 6, 5, 4, 3, 2};
    for (int k = 0; k < 6; ++k) std::printf("T%d %d %d\n", valeurs[k], 55 + dx[k], 320 + dy[k]);
    std::printf("GR%d 55 %d\n", grille, 40 + 20 * (grille - 1) + 10);
    std::printf("X 55 475\n");
    std::printf("I 55 210\n");
    // "S", the level text and the inside of the chronometer box (x y w h).
    std::printf("S 55 445\n");
    std::printf("NIV 55 150\n");
    std::printf("CHRONO 32 377 46 11\n");
    return 0;
}
