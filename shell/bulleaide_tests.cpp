// The hint's bubble on grid 1 at level 7, stage after stage until the grid is
// done, in both languages: at most three lines, inside the main window, and
// clear of every cell and corner its stage marks.
#include "shell/fenetre_testing.h"

#include "shell/bulleaide.h"
#include "shell/idcommandes.h"

#include "shell/core/partie_testing.h"

namespace shelltest {
namespace {

class bulleaide : public fenetrejeu {
protected:
    bulleaide() { fichierdepart = "ver=3.6\r\ntca=40\r\nniv1=7\r\n"; }
};

bool secoupent(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST_F(bulleaide, EachStageFitsInThreeLinesInsideTheWindowBesideWhatItNames) {
    ASSERT_EQ(partie().grille().getniveauvoulu(), 7);
    int bulles = 0;
    int coins = 0;
    for (int appui = 0; appui < 400 && !partie().grille().cestfini(); ++appui) {
        // French for the first half, English after.
        if (appui == 100) accespartie::parametres(partie()).langue = langueanglais;
        presse(idindice);
        peins();
        if (!appli().bulle.ouverte()) continue; // the value entered
        ++bulles;
        SCOPED_TRACE(std::to_string(appui));
        EXPECT_LE(appli().bulle.nblignes(), 3u);
        RECT b{};
        RECT w{};
        GetWindowRect(appli().bulle.fenetreouverte(), &b);
        GetWindowRect(fenetre, &w);
        EXPECT_TRUE(b.left >= w.left && b.top >= w.top && b.right <= w.right &&
                    b.bottom <= w.bottom)
            << "bubble " << b.left << "," << b.top << ".." << b.right << "," << b.bottom
            << " window " << w.left << "," << w.top << ".." << w.right << "," << w.bottom;
        if (contexte().pointindice != 0) ++coins;
        for (RECT r : casesnommees(appli(), contexte())) {
            POINT hg{r.left, r.top};
            POINT bd{r.right, r.bottom};
            ClientToScreen(fenetre, &hg);
            ClientToScreen(fenetre, &bd);
            EXPECT_FALSE(secoupent(b, RECT{hg.x, hg.y, bd.x, bd.y}))
                << "covers " << hg.x << "," << hg.y << ".." << bd.x << "," << bd.y;
        }
    }
    EXPECT_TRUE(partie().grille().cestfini()) << "hints alone finish the grid";
    EXPECT_GT(bulles, 40);
    EXPECT_GT(coins, 0) << "a corner marked on the way";
}

} // namespace
} // namespace shelltest
