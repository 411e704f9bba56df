// Time to draw the largest catalogue grid at hexagon size 70 into memory
// bitmaps: (a) the background pass, (b) one paint as the shell does it (copy
// of the kept background, the top pass, one transfer to the window).
#include "render/contextedessin.h"
#include "render/gripageimage.h"
#include "render/ressources.h"

#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"

#include <benchmark/benchmark.h>

namespace {

// The catalogue grid with the most cells, loaded into page, with a few
// played values and pencil marks.
void plusgrandegrille(clagripage& page) {
    globinitvocalcul();
    gstring nom;
    gstring meilleur;
    short cases = 0;
    for (short i = 1; i <= nbgrillescatalogue(); ++i) {
        nomgrillecatalogue(i, &nom);
        grilleload(0, &page.modele(), nom.adr());
        const short n = page.modele().getnbcases();
        if (n > cases) {
            cases = n;
            meilleur.set(nom.adr());
        }
    }
    grilleload(0, &page.modele(), meilleur.adr());
    joueexemple(page, 20, 20);
}

struct banc {
    contextedessin ctx;
    clagripage page;
    cladevout d;
    SIZE s{};
    banc() {
        plusgrandegrille(page);
        ctx.taillechoisie = 70;
        s = tailleimage(page, 70, 6, 20);
    }
};

void BM_fond(benchmark::State& state) {
    banc b;
    bitmapmemoire fond(b.s.cx, b.s.cy);
    placegrille(b.page, b.d, fond, 20);
    for (auto _ : state) dessinefond(b.ctx, b.page, b.d, fond);
    state.counters["cells"] = b.page.modele().getnbcases();
    state.counters["pixels"] = static_cast<double>(b.s.cx) * b.s.cy;
    libereressources();
}
BENCHMARK(BM_fond)->Unit(benchmark::kMillisecond);

void BM_peinture(benchmark::State& state) {
    banc b;
    bitmapmemoire fond(b.s.cx, b.s.cy);
    bitmapmemoire image(b.s.cx, b.s.cy);
    bitmapmemoire fenetre(b.s.cx, b.s.cy);
    placegrille(b.page, b.d, fond, 20);
    dessinefond(b.ctx, b.page, b.d, fond);
    for (auto _ : state) {
        peintgrille(b.ctx, b.page, b.d, fond, image);
        fenetre.copiede(image);
    }
    state.counters["cells"] = b.page.modele().getnbcases();
    libereressources();
}
BENCHMARK(BM_peinture)->Unit(benchmark::kMillisecond);

} // namespace
