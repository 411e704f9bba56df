// Scenarios of the shaped main window and its scrolling, played through its
// window procedure: the shape after a grid is loaded, the arrows of a grid
// that overflows the screen (a window moved near the screen's corner), arrow
// clicks and commands up to the bounds, drags bounded by the next layout,
// moves made by a window manager or another program, and the plain window
// of the rules pages.
#include "shell/fenetre_testing.h"
#include "shell/idcommandes.h"

#include "shell/defilement.h"
#include "shell/jeu.h"

#include <functional>

namespace shelltest {
namespace {

constexpr COLORREF rouge = 0x0000FF; // an open arrow

class forme : public fenetrejeu {
protected:
    // Whether a client point lies inside the main window's shape.
    bool dedans(POINT p) const {
        const clawinregion& r = regions().regionprincipale();
        const POINT w{p.x + r.getdx(), p.y + r.getdy()};
#ifdef _WIN32
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        const bool oui = GetWindowRgn(fenetre, rgn) == ERROR || PtInRegion(rgn, w.x, w.y) != FALSE;
        DeleteObject(rgn);
        return oui;
#else
        return vora::platform::testing::window_shape_contains(fenetre, w);
#endif
    }
    // The window moved (as its caption is dragged) so that its top-left
    // corner is `reste` pixels from the screen's right and bottom edges.
    void deplace(short reste) {
        RECT r{};
        GetWindowRect(fenetre, &r);
        const LONG x = GetSystemMetrics(SM_CXSCREEN) - reste;
        const LONG y = GetSystemMetrics(SM_CYSCREEN) - reste;
        RECT n{x, y, x + r.right - r.left, y + r.bottom - r.top};
        SendMessageA(fenetre, WM_MOVING, 0, reinterpret_cast<LPARAM>(&n));
        peins();
    }
    // Grid 5 (the largest) at the smallest cell size, its window near the
    // screen's bottom-right corner: it overflows both ways.
    void debordement() {
        ASSERT_TRUE(grillecharger(appli(), 5, nullptr, false));
        peins();
        deplace(300);
        const dispositionjeu& d = regions().disposition();
        ASSERT_GT(d.Ox, 0);
        ASSERT_GT(d.Oy, 0);
    }
    float borneX() {
        return -static_cast<float>(regions().disposition().Ox) /
               static_cast<float>(partie().grille().gettaillepix());
    }
    POINT milieu(flecheindex k) {
        const RECT& z = regions().getfleches().zone[k];
        return POINT{(z.left + z.right) / 2, (z.top + z.bottom) / 2};
    }
    bool ouverte(flecheindex k) {
        return regions().getfleches().ouverte[k] != 0;
    }
    // The arrow as the player sees it: its zone's middle painted red.
    bool rougeau(flecheindex k) {
        const POINT p = milieu(k);
        return imagepeinte() != nullptr && imagepeinte()->at(p.x, p.y) == rouge;
    }
    void glisse(POINT de, POINT a) {
        SendMessageA(fenetre, WM_LBUTTONDOWN, 0, MAKELPARAM(de.x, de.y));
        SendMessageA(fenetre, WM_LBUTTONUP, 0, MAKELPARAM(a.x, a.y));
        peins();
    }
    // A lattice point (a hexagon's centre) from which a drag of (ex, ey)
    // client pixels ends outside every arrow's zone.
    POINT departglisse(short ex, short ey) const {
        for (short h = 1; h <= partie().grille().getnbhexacompletes(); ++h) {
            const POINT p =
                client(partie().grille().gethexacentrix(h), partie().grille().gethexacentry(h));
            if (regions().flechetouchee(POINT{p.x + ex, p.y + ey}) == 0) return p;
        }
        return POINT{0, 0};
    }
};

TEST_F(forme, TheLoadedGridShapesTheWindow) {
    const POINT hexagone =
        client(partie().grille().gethexacentrix(1), partie().grille().gethexacentry(1));
    EXPECT_TRUE(dedans(hexagone)) << "a cell's hexagon";
    EXPECT_TRUE(dedans(POINT{55, 5})) << "the button column";
    EXPECT_TRUE(dedans(POINT{55, appli().colonne.pos.bas + 5}))
        << "the column down to its bottom + 10";
    EXPECT_TRUE(dedans(POINT{40, -5})) << "the caption strip";
    EXPECT_FALSE(dedans(POINT{5, 5})) << "left of the column";
    EXPECT_FALSE(dedans(POINT{200, -5})) << "the caption right of its strip";
    EXPECT_FALSE(dedans(POINT{55, appli().colonne.pos.bas + 20})) << "below the column";
    // The grid area's corner beyond the grid's outer hexagons.
    const dispositionjeu& d = regions().disposition();
    EXPECT_FALSE(dedans(POINT{dispositionjeu::L + d.e.gauche + d.e.droite - 2, 2}));
    // Another grid, a larger cell size: the shape follows.
    ASSERT_TRUE(grillecharger(appli(), 5, nullptr, false));
    presse(idplus);
    const POINT autre =
        client(partie().grille().gethexacentrix(partie().grille().getnbhexacompletes()),
               partie().grille().gethexacentry(partie().grille().getnbhexacompletes()));
    EXPECT_TRUE(dedans(autre));
    EXPECT_FALSE(regions().flecheaffichee()) << "it fits on the screen";
}

TEST_F(forme, ArrowsShowOnlyWhenTheGridOverflows) {
    EXPECT_FALSE(regions().flecheaffichee());
    EXPECT_TRUE(questions.empty());
    debordement();
    ASSERT_EQ(questions.size(), 1u) << "the arrows are explained when they first show";
    const std::string explication = questions.back();
    reponses = {IDOK, IDOK, IDOK, IDOK, IDOK, IDOK};
    presse(idinfo);
    EXPECT_EQ(questions.back().rfind(explication + "\n\nPage 6/6.", 0), 0u)
        << "message 2, as the information's last page";
    EXPECT_TRUE(ouverte(flechedroite));
    EXPECT_TRUE(ouverte(flechebas));
    EXPECT_FALSE(ouverte(flechegauche));
    EXPECT_FALSE(ouverte(flechehaut));
    EXPECT_TRUE(rougeau(flechedroite));
    EXPECT_TRUE(rougeau(flechebas));
    EXPECT_FALSE(rougeau(flechegauche)) << "closed arrows are grey";
    EXPECT_TRUE(dedans(milieu(flechedroite))) << "the arrows are part of the shape";
    EXPECT_TRUE(dedans(milieu(flechegauche)));
    // Back where it fits: no arrows, offsets 0, whatever was scrolled.
    presse(3);
    deplace(1000);
    EXPECT_FALSE(regions().flecheaffichee());
    EXPECT_EQ(regions().defilement().sx, 0.0f);
    const std::size_t vues = questions.size();
    deplace(300);
    EXPECT_TRUE(regions().flecheaffichee());
    EXPECT_EQ(questions.size(), vues) << "explained once a run";
}

TEST_F(forme, ArrowClicksScrollOneStepAndStopAtTheBound) {
    debordement();
    const short x0 = appli().courante.originex;
    const short pas = partie().grille().gettaillepix();
    const float borne = borneX();
    clic(milieu(flechedroite));
    EXPECT_EQ(regions().defilement().sx, std::max(-1.0f, borne));
    EXPECT_EQ(appli().courante.originex, x0 + decalpixels(std::max(-1.0f, borne), pas))
        << "the grid moved left";
    EXPECT_TRUE(ouverte(flechegauche));
    EXPECT_TRUE(rougeau(flechegauche));
    for (int i = 0; i < 40 && ouverte(flechedroite); ++i) clic(milieu(flechedroite));
    EXPECT_FALSE(ouverte(flechedroite));
    EXPECT_EQ(regions().defilement().sx, borne);
    EXPECT_EQ(appli().courante.originex, x0 - regions().disposition().Ox);
    // The closed arrow's zone no longer scrolls; the commands still do.
    clic(milieu(flechedroite));
    EXPECT_EQ(regions().defilement().sx, borne);
    presse(2);
    EXPECT_EQ(regions().defilement().sx, std::min(0.0f, borne + 1));
    presse(5);
    EXPECT_GT(regions().defilement().sy, 0.0f);
    EXPECT_TRUE(ouverte(flechehaut));
}

TEST_F(forme, DragsScrollWithinTheBounds) {
    debordement();
    const short pas = partie().grille().gettaillepix();
    // Half a step to the left: the grid follows the pointer.
    const short demi = static_cast<short>(pas / 2 + 25);
    POINT de = departglisse(static_cast<short>(-demi), 0);
    ASSERT_NE(de.x, 0);
    glisse(de, POINT{de.x - demi, de.y});
    EXPECT_FLOAT_EQ(regions().defilement().sx,
                    std::max(borneX(), -static_cast<float>(demi) / static_cast<float>(pas)));
    // Far to the left: held at the bound.
    de = departglisse(-2000, 0);
    glisse(de, POINT{de.x - 2000, de.y});
    EXPECT_EQ(regions().defilement().sx, borneX());
    EXPECT_FALSE(ouverte(flechedroite));
    // Far up (y upwards: the grid moves up, sy grows): held at its bound.
    de = departglisse(0, -2000);
    glisse(de, POINT{de.x, de.y - 2000});
    EXPECT_EQ(regions().defilement().sy,
              static_cast<float>(regions().disposition().Oy) / static_cast<float>(pas));
    EXPECT_FALSE(ouverte(flechebas));
    // Between 6 and 24 pixels nothing moves.
    const defilementjeu avant = regions().defilement();
    de = departglisse(15, 0);
    glisse(de, POINT{de.x + 15, de.y});
    EXPECT_EQ(regions().defilement().sx, avant.sx);
    EXPECT_EQ(regions().defilement().sy, avant.sy);
}

// Moves the game did not make, each way the system reports them: a window
// manager's (the display's report, as X11 gives it) and another program's
// (WM_MOVE alone, as Windows sends after a keyboard move or a snap). Off the
// screen's bottom-right corner, then back where the window started, long
// after the game put it there: the grid fits again, no arrow is open nor
// painted, nothing scrolls, and "+" and "-" keep the window where it is.
TEST_F(forme, MovesByOthersAreFollowedBackToWhereTheGridFits) {
    ASSERT_TRUE(grillecharger(appli(), 3, nullptr, false));
    peins();
    RECT depart{};
    GetWindowRect(fenetre, &depart);
    const POINT coin{GetSystemMetrics(SM_CXSCREEN) - 300, GetSystemMetrics(SM_CYSCREEN) - 300};
    const struct {
        const char* nom;
        std::function<void(HWND, POINT)> deplace;
    } facons[] = {
#ifndef _WIN32
        {"a window manager", vora::platform::testing::move_by_window_manager},
#endif
        {"another program",
         [](HWND w, POINT p) {
             SetWindowPos(w, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
         }},
    };
    reponses = {IDOK};
    // Past the time the layer takes its own requests' reports for its own.
    const auto oublie = [] {
#ifndef _WIN32
        vora::platform::testing::advance_clock(3000);
#endif
    };
    for (const auto& f : facons) {
        SCOPED_TRACE(f.nom);
        oublie();
        f.deplace(fenetre, coin);
        peins();
        ASSERT_TRUE(ouverte(flechedroite));
        ASSERT_TRUE(rougeau(flechedroite));
        const POINT fleche = milieu(flechedroite);
        oublie();
        f.deplace(fenetre, POINT{depart.left, depart.top});
        peins();
        EXPECT_EQ(partie().parametres().left, depart.left);
        EXPECT_EQ(partie().parametres().top, depart.top);
        EXPECT_FALSE(regions().flecheaffichee());
        const bitmapmemoire* image = imagepeinte();
        ASSERT_NE(image, nullptr);
        EXPECT_NE(image->at(fleche.x, fleche.y), rouge) << "no arrow left painted";
        const short x0 = appli().courante.originex;
        const short y0 = appli().courante.originey;
        for (short c : {iddefiledroite, iddefilegauche, iddefilebas, iddefilehaut}) presse(c);
        EXPECT_EQ(appli().courante.originex, x0) << "nothing to scroll";
        EXPECT_EQ(appli().courante.originey, y0);
        for (short c : {idplus, idmoins}) {
            presse(c);
            RECT r{};
            GetWindowRect(fenetre, &r);
            EXPECT_EQ(r.left, depart.left) << c;
            EXPECT_EQ(r.top, depart.top) << c;
        }
    }
}

TEST_F(forme, TheRulesUseAPlainWindowAndRGivesTheShapeBack) {
    debordement();
    presse(idregles);
    EXPECT_TRUE(dedans(POINT{5, 5}));
    EXPECT_TRUE(dedans(POINT{700, 500}));
    EXPECT_FALSE(regions().flecheaffichee());
    presse(idretour);
    EXPECT_FALSE(dedans(POINT{5, 5}));
    EXPECT_TRUE(dedans(POINT{55, 5}));
    EXPECT_TRUE(ouverte(flechedroite)) << "the arrows come back with the grid";
}

} // namespace
} // namespace shelltest
