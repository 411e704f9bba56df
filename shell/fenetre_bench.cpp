// From a left click on an empty cell of the largest catalogue grid (cell
// size 70) to the end of the paint that shows the new value, through the
// main window procedure under the headless display.
#include "shell/appli.h"
#include "shell/fenetre.h"
#include "shell/jeu.h"
#include "shell/miseenpage.h"

#include "lattice/catalogue/grillecatalogue.h"
#include "platform/messagebox/message_box.h"
#include "platform/user_testing.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

void clic(HWND w, POINT p) {
    const LPARAM l = MAKELPARAM(p.x, p.y);
    SendMessageA(w, WM_LBUTTONDOWN, 0, l);
    SendMessageA(w, WM_LBUTTONUP, 0, l);
    UpdateWindow(w);
}

struct prepare {
    claappli appli{nullptr};
    clapartie& partie = appli.partie;
    HWND w = nullptr;
    short cellule = 0;
    short valeur = 0;
    short cases = 0;
    POINT p{0, 0};
    prepare() {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        vora::platform::testing::use_manual_clock(1000);
        const auto dossier = std::filesystem::temp_directory_path() / "vora-bench";
        std::filesystem::create_directories(dossier);
        std::filesystem::current_path(dossier);
        vora::platform::set_message_box_answerer(
            [](const vora::platform::MessageBoxQuestion&) { return IDNO; });
        w = demarrage(appli, SW_SHOW);
        // The catalogue grid with the most cells.
        gstring nom;
        gstring meilleur;
        for (short i = 1; i <= nbgrillescatalogue(); ++i) {
            nomgrillecatalogue(i, &nom);
            if (grillecharger(appli, 1, nom.adr(), false) && partie.grille().getnbcases() > cases) {
                cases = partie.grille().getnbcases();
                meilleur.set(nom.adr());
            }
        }
        grillecharger(appli, 1, meilleur.adr(), false);
        partie.fixetaillecase(70);
        appli.settailleprin(70);
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE);
        UpdateWindow(w);
        appli.page.modele().ajustepossicase();
        for (short c = 1; c <= partie.grille().getnbcases() && valeur == 0; ++c)
            for (short v = 1; v <= 6 && valeur == 0 && partie.grille().casestvide(c); ++v)
                if (partie.grille().isautorisee(c, v) != 0) {
                    cellule = c;
                    valeur = v;
                }
        const miseenpage& m = appli.courante;
        p = POINT{m.originex + partie.grille().getcacentrix(cellule),
                  m.originey - partie.grille().getcacentry(cellule)};
    }
};

void BM_clicjusquapeinture(benchmark::State& state) {
    static prepare jeuprepare;
    prepare& j = jeuprepare;
    for (auto _ : state) {
        j.partie.choisitvaleur(j.valeur);
        clic(j.w, j.p); // enters the value and paints it
        state.PauseTiming();
        if (j.partie.grille().getcaseval(j.cellule) != j.valeur) {
            state.SkipWithError("the click entered nothing");
            break;
        }
        clic(j.w, j.p); // erases it again
        state.ResumeTiming();
    }
    state.counters["cells"] = j.cases;
}
BENCHMARK(BM_clicjusquapeinture)->Unit(benchmark::kMillisecond);

} // namespace
