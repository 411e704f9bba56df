// The window's size in play: a fresh start's cell size on several work areas
// and grids, the window on the work area whatever position the file gives,
// "+" past 70 up to the largest size that fits, a window manager's resize
// followed once it settles, and the grid's edge as the player sees it (no
// red but the open arrows, a margin at the vertices).
#include "shell/fenetre_testing.h"
#include "shell/idcommandes.h"

#include "shell/jeu.h"
#include "shell/menupopup.h"
#include "shell/peinture.h"
#include "shell/taillecase.h"

#include "shell/core/paramuser.h"

#include <algorithm>

namespace shelltest {
namespace {

#ifndef _WIN32
namespace hooks = vora::platform::testing;
#endif

class taille : public fenetrejeu {
protected:
    void TearDown() override {
        fenetrejeu::TearDown();
#ifndef _WIN32
        hooks::set_work_area(nullptr);
#endif
    }
#ifndef _WIN32
    // The game started again on a parameter file of these lines (none when
    // empty) with the layer's work area z.
    void redemarre(const std::string& lignes, const RECT& z) {
        DestroyWindow(fenetre);
        peins();
        finjeu(appli());
        hooks::set_work_area(&z);
        gstring nom;
        nomfichierparam(nom);
        std::filesystem::remove(nom.adr());
        if (!lignes.empty()) ecrisfichier(nom.adr(), "ver=3.6\r\n" + lignes);
        fenetre = relance();
        ASSERT_NE(fenetre, nullptr);
        peins();
    }
#endif
    bool dans(const RECT& r, const RECT& z) {
        return r.left >= z.left && r.top >= z.top && r.right <= z.right && r.bottom <= z.bottom;
    }
    RECT rectangle() const {
        RECT r{};
        GetWindowRect(fenetre, &r);
        return r;
    }
    bool actif(short id) {
        return IsWindowEnabled(bouton(id)) != FALSE;
    }
    // Grid g loaded, and laid out and painted as at the end of a message.
    void charge(short g) {
        ASSERT_TRUE(grillecharger(appli(), g, nullptr, false));
        SendMessageA(fenetre, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
        peins();
    }
    // Waits for the settling of a resize.
    void attends(unsigned ms) {
#ifdef _WIN32
        Sleep(ms);
#else
        hooks::advance_clock(ms);
#endif
        peins();
    }
};

#ifndef _WIN32
// Work areas (inside the headless screen) and grids: the size chosen at a
// fresh start, the grid about two thirds of the height and the window inside
// the area; a size in the file is the player's and stays.
TEST_F(taille, AFreshStartSuitsTheScreenAndASizeInTheFileStays) {
    ASSERT_GE(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_GE(GetSystemMetrics(SM_CYSCREEN), 768);
    const struct {
        RECT zone;
        short grille;
        short attendue;
    } cas[] = {
        {{0, 0, 1024, 768}, 1, 114},  {{0, 0, 1024, 768}, 3, 81}, {{0, 0, 1024, 768}, 5, 62},
        {{0, 30, 1024, 700}, 1, 103}, {{0, 0, 800, 600}, 2, 65},  {{100, 0, 900, 768}, 1, 114},
    };
    for (const auto& c : cas) {
        redemarre("gri=" + std::to_string(c.grille) + "\r\n", c.zone);
        const short t = partie().parametres().taillecase;
        EXPECT_EQ(t, c.attendue) << c.grille << " in " << c.zone.right << "x" << c.zone.bottom;
        const RECT z = zonetravail();
        if (t > taillecasemin) {
            EXPECT_TRUE(dans(rectangle(), z)) << c.grille;
            const dispositionjeu& d = regions().disposition();
            EXPECT_LE(3 * (d.e.haut + d.e.bas), 2 * (z.bottom - z.top)) << c.grille;
            EXPECT_FALSE(regions().flecheaffichee()) << c.grille;
        }
    }
    redemarre("tca=50\r\n", cas[0].zone);
    EXPECT_EQ(partie().parametres().taillecase, 50);
    redemarre("tca=90\r\n", cas[0].zone);
    EXPECT_EQ(partie().parametres().taillecase, 90);
}
#endif

// Every start opens the window on the work area, whatever position the
// parameter file gives (every file the game writes has a size): whole, a
// size too large for the screen taken down to the largest that fits.
TEST_F(taille, TheWindowOpensOnTheWorkAreaWhateverPositionTheFileGives) {
    const struct {
        const char* lignes;
        short taille; // the size in play after the start
    } cas[] = {
        {"tca=40\r\ntop=5000\r\nleft=5000\r\n", 40}, {"tca=40\r\ntop=32767\r\nleft=1\r\n", 40},
        {"tca=60\r\ntop=1\r\nleft=32767\r\n", 60},   {"top=5000\r\nleft=5000\r\n", 0},
        {"tca=300\r\ntop=5000\r\nleft=5000\r\n", 0},
    };
    gstring nom;
    nomfichierparam(nom);
    for (const auto& c : cas) {
        DestroyWindow(fenetre);
        peins();
        finjeu(*jeu);
        ecrisfichier(nom.adr(), std::string("ver=3.6\r\n") + c.lignes);
        fenetre = relance();
        ASSERT_NE(fenetre, nullptr);
        peins();
        const RECT z = zonetravail();
        const RECT r = rectangle();
        EXPECT_TRUE(dans(r, z)) << c.lignes << r.left << "," << r.top << " " << r.right << ","
                                << r.bottom;
        if (c.taille != 0) {
            EXPECT_EQ(partie().parametres().taillecase, c.taille) << c.lignes;
        }
        EXPECT_LT(partie().parametres().taillecase, 300) << c.lignes;
        EXPECT_EQ(partie().parametres().left, r.left) << c.lignes;
        EXPECT_EQ(partie().parametres().top, r.top) << c.lignes;
    }
}

// "+" keeps the four steps, then goes on past 70 as far as the work area
// allows; "-" comes back by 10.
TEST_F(taille, PlusGoesPastSeventyUpToWhatFitsAndMinusComesBack) {
    std::vector<short> vues{partie().parametres().taillecase};
    for (int i = 0; i < 40 && actif(idplus); ++i) {
        presse(idplus);
        vues.push_back(partie().parametres().taillecase);
    }
    ASSERT_GE(vues.size(), 5u);
    EXPECT_EQ(std::vector<short>(vues.begin(), vues.begin() + 4),
              (std::vector<short>{40, 50, 60, 70}));
    const short maxi = partie().parametres().taillecase;
    EXPECT_FALSE(actif(idplus));
    EXPECT_GT(maxi, taillecasemax);
    EXPECT_GE(maxi, taillemaxiecran(appli())) << "as far as what fits";
    EXPECT_TRUE(dans(rectangle(), zonetravail())) << "moved inside the work area";
    EXPECT_FALSE(regions().flecheaffichee());
    presse(idplus);
    EXPECT_EQ(partie().parametres().taillecase, maxi) << "no further";
    presse(idmoins);
    EXPECT_EQ(partie().parametres().taillecase, taillemoins(maxi));
    while (partie().parametres().taillecase > taillecasemax) presse(idmoins);
    EXPECT_EQ(partie().parametres().taillecase, 70);
    presse(idmoins);
    EXPECT_EQ(partie().parametres().taillecase, 60);
}

// A grid loaded at a size where its window would leave the work area comes
// at the largest size that fits, on the work area, without arrows; the
// picker of new grids offers only shapes that fit at the size they will
// come at. A grid that fits keeps the size in force.
TEST_F(taille, AGridLoadedComesOnTheWorkAreaAtTheLargestSizeThatFits) {
    charge(1);
    SetWindowPos(fenetre, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    peins();
    for (int i = 0; i < 40 && actif(idplus); ++i) presse(idplus);
    const short maxi1 = partie().parametres().taillecase;
    ASSERT_GT(maxi1, taillecasemax);
    for (const short g : {short{3}, short{5}, short{1}}) {
        const short avant = partie().parametres().taillecase;
        charge(g);
        const short t = partie().parametres().taillecase;
        EXPECT_EQ(t, std::min(avant, taillemaxiecran(appli()))) << g;
        EXPECT_TRUE(dans(rectangle(), zonetravail())) << g;
        EXPECT_FALSE(regions().flecheaffichee()) << g;
        EXPECT_EQ(partie().grille().gettaillepix(), t) << g;
    }
    EXPECT_LT(partie().parametres().taillecase, maxi1) << "grid 5 took the size down";
    // The picker's shapes: the same at the largest size as at the smallest.
    const auto formes = [this] {
        SendMessageA(fenetre, WM_KEYDOWN, 'N', 0);
        peins();
        std::vector<short> ids;
        if (appli().menu.ouvert())
            for (const lignemenu& l : appli().menu.lignesmenu()) ids.push_back(l.id);
        SendMessageA(fenetre, WM_KEYDOWN, VK_ESCAPE, 0);
        peins();
        return ids;
    };
    charge(2);
    while (partie().parametres().taillecase > taillecasemin) presse(idmoins);
    const std::vector<short> a40 = formes();
    EXPECT_GE(a40.size(), 8u);
    for (int i = 0; i < 40 && actif(idplus); ++i) presse(idplus);
    ASSERT_GT(partie().parametres().taillecase, taillecasemax);
    EXPECT_EQ(formes(), a40);
}

// A resize by someone else than the game: once it has settled the cell size
// is the largest whose window fits the new one (the digits grow with it), but
// a smaller window never takes the size below the usual ones.
TEST_F(taille, AResizeChoosesTheSizeThatFitsOnceItSettles) {
    charge(3);
    const auto redimensionne = [this](SIZE voulue) {
#ifdef _WIN32
        SetWindowPos(fenetre, nullptr, 0, 0, voulue.cx, voulue.cy, SWP_NOMOVE | SWP_NOZORDER);
#else
        hooks::resize_by_window_manager(fenetre, voulue);
#endif
        peins();
    };
    const short avant = partie().parametres().taillecase;
    const SIZE voulue{760, 700};
    redimensionne(voulue);
    attends(100);
    EXPECT_EQ(partie().parametres().taillecase, avant) << "not before it settles";
    const gabaritfenetre g = gabaritcourant(appli());
    attends(300);
    const short t = partie().parametres().taillecase;
    EXPECT_EQ(t, tailleentrant(g, voulue.cx, voulue.cy));
    EXPECT_GT(t, taillecasemax);
    const RECT r = rectangle();
    EXPECT_LE(r.right - r.left, voulue.cx);
    EXPECT_LE(r.bottom - r.top, voulue.cy);
    EXPECT_EQ(contexte().taillechoisie, t) << "the pencil marks follow";
    EXPECT_GT(sombres(1, t / 4), sombres(1, 10)) << "the given's digit grew";
    const struct {
        short depuis;
        short attendue;
    } petites[] = {{t, taillecasemax}, {taillecasemax, taillecasemax}, {50, 50}};
    for (const auto& c : petites) {
        while (partie().parametres().taillecase > c.depuis) presse(idmoins);
        redimensionne(SIZE{300, 300});
        attends(400);
        EXPECT_EQ(partie().parametres().taillecase, c.attendue) << c.depuis;
    }
}

// Grids 2 and 3 at the usual sizes, fitting the screen: no red at all (the
// closed arrows are grey), and the contour's right vertex clear of the
// window's edge.
TEST_F(taille, TheGridsEdgeShowsNoRedAndKeepsAMargin) {
    for (const short grille : {short{2}, short{3}}) {
        for (const short id : {short{0}, idplus, idplus, idplus}) {
            if (id != 0) presse(id);
            charge(grille);
            ASSERT_FALSE(regions().flecheaffichee());
            const bitmapmemoire* image = imagepeinte();
            int rouges = 0;
            int dernierbleu = 0; // the contour's rightmost pixel
            for (int y = 0; y < image->haut(); ++y)
                for (int x = dispositionjeu::L; x < image->larg(); ++x) {
                    rouges += image->at(x, y) == 0x0000FF ? 1 : 0;
                    if (image->at(x, y) == 0xFF0000) dernierbleu = std::max(dernierbleu, x);
                }
            const dispositionjeu& d = regions().disposition();
            EXPECT_EQ(rouges, 0) << grille << " at " << partie().parametres().taillecase;
            EXPECT_GE(dispositionjeu::L + d.e.gauche + d.e.droite - dernierbleu,
                      margegrille(partie().grille().gettaillepix()) / 2)
                << grille << " at " << partie().parametres().taillecase;
        }
        while (partie().parametres().taillecase > taillecasemin) presse(idmoins);
    }
}

} // namespace
} // namespace shelltest
