// Tests of the window shape and scrolling on a real main window (headless):
// the shape checked pixel by pixel against the enlarged hexagons or circles
// of the grid, and a grid larger than the screen scrolled by its arrows and
// by a drag.
#include "shell/regions.h"

#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#ifndef _WIN32
#include "platform/user_testing.h"
#endif

namespace {

HWND fenetre = nullptr;

LRESULT CALLBACK procedure(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(w, m, wp, lp);
}

// Whether the window's shape holds a point (window coordinates).
bool formecontient(POINT p) {
#ifdef _WIN32
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    const bool dedans = GetWindowRgn(fenetre, r) != ERROR && PtInRegion(r, p.x, p.y);
    DeleteObject(r);
    return dedans;
#else
    return vora::platform::testing::window_shape_contains(fenetre, p);
#endif
}

class regions : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
#ifndef _WIN32
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
#endif
        globinitvocalcul();
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = procedure;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "regionstests";
#ifdef _WIN32
        wc.hInstance = GetModuleHandleA(nullptr);
#endif
        RegisterClassExA(&wc);
        fenetre = CreateWindowExA(WS_EX_LEFT, "regionstests", "V-O-RA",
                                  WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 60, 60, 980, 820,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    }
    static void TearDownTestSuite() {
        DestroyWindow(fenetre);
#ifndef _WIN32
        vora::platform::testing::shutdown_layer();
#endif
    }

    void SetUp() override {
        ASSERT_NE(fenetre, nullptr);
        RECT c{};
        GetClientRect(fenetre, &c);
        dev.setdpi(96, 96);
        dev.setfeuillepix(static_cast<short>(c.right), static_cast<short>(c.bottom));
        dev.setpagepix(static_cast<short>(c.right), static_cast<short>(c.bottom));
        dev.centrajuste();
        e.fenetre = fenetre;
        e.grille = &page;
        e.dev = &dev;
        e.basboutons = 500;
    }

    void charge(const char* nom, short taille, short mode) {
        ASSERT_NE(grilleload(0, &page.modele(), nom), 0) << nom;
        page.setdevice(0, &dev);
        page.setmodaffi(mode);
        page.settaillemmpix(0, taille);
    }

    // The window point of a grid point (y upwards) as the shape places it.
    POINT fenetrede(int gx, int gy) const {
        const clawinregion& r = rj.regionprincipale();
        return POINT{r.getdx() + dev.getlocx() + gx, r.getdy() + dev.getlocy() - gy};
    }
    bool dansregion(POINT p) const {
        return PtInRegion(rj.regionprincipale().gethandle(), p.x, p.y) != FALSE;
    }

    clagripage page;
    cladevout dev;
    entreesregions e;
    regionsjeu rj;
};

// Distance of v from the centre in the norm whose unit ball is the hexagon
// of corner radius 1 with a corner on the x axis.
double normehexa(double x, double y) {
    return std::max(std::abs(y) * 2 / std::sqrt(3.0), std::abs(x) + std::abs(y) / std::sqrt(3.0));
}

TEST_F(regions, the_shape_is_the_caption_strip_the_button_column_and_the_enlarged_grid) {
    const struct {
        short mode;
        short taille;
    } cas[] = {{6, 40}, {6, 70}, {8, 50}};
    for (const auto& c : cas) {
        charge("1709-6", c.taille, c.mode);
        e.ecranw = 4000;
        e.ecranh = 3000;
        rj.recalcureg(e);
        const dispositionjeu& d = rj.disposition();
        const short dx = rj.regionprincipale().getdx();
        const short dy = rj.regionprincipale().getdy();
        RECT w{};
        RECT cl{};
        GetWindowRect(fenetre, &w);
        GetClientRect(fenetre, &cl);
        EXPECT_EQ(w.right - w.left, cl.right + 2 * dx); // the frame measured
        EXPECT_EQ(d.Ox, 0);
        EXPECT_EQ(d.W, d.e.gauche + d.e.droite + 80 + 2 * dx);
        EXPECT_EQ(d.Hr, dy + 510);
        EXPECT_FALSE(rj.flecheaffichee());
        // The drawing lands on the layout's grid origin.
        EXPECT_EQ(dev.getlocx(), d.X0);
        EXPECT_EQ(dev.getlocy(), d.Y0);
        cladevout autre;
        autre.copyfromall(dev);
        page.setlocagrille(&autre);
        EXPECT_EQ(autre.getlocx(), d.X0);
        EXPECT_EQ(autre.getlocy(), d.Y0);

        const struct {
            POINT p;
            bool dedans;
        } bords[] = {
            {{dx + 20, 0}, true},         {{dx + 129, dy - 1}, true}, {{dx + 130, 0}, false},
            {{dx + 19, 0}, false},        {{dx + 30, dy}, true},      {{dx + 79, dy + 509}, true},
            {{dx + 55, dy + 510}, false}, {{dx + 29, dy + 5}, false},
        };
        for (const auto& b : bords) EXPECT_EQ(dansregion(b.p), b.dedans) << b.p.x << "," << b.p.y;

        // Every pixel of the grid area against the shapes, 2 pixels of
        // margin on either side of their edges; nothing right of the area.
        const short s = page.modele().gettaillepix();
        const int ox = dx + dev.getlocx();
        const int oy = dy + dev.getlocy();
        int dedans = 0;
        int dehors = 0;
        const int x0 = dx + dispositionjeu::L;
        const int x1 = x0 + d.e.gauche + d.e.droite;
        const int y1 = dy + d.e.haut + d.e.bas;
        for (int y = dy; y < y1; y += 2) {
            for (int x = x0; x < x1; x += 2) {
                const double gx = x + 0.5 - ox;
                const double gy = oy - (y + 0.5);
                double marge = 1e9; // distance outside the nearest shape
                if (c.mode == 8) {
                    for (short k = 1; k <= page.modele().getnbcases(); ++k)
                        marge = std::min(marge, std::hypot(gx - page.modele().getcacentrix(k),
                                                           gy - page.modele().getcacentry(k)) -
                                                    s * 8 / 10 / 2);
                    for (short h = 1; h <= page.modele().getnbhexatotal(); ++h)
                        marge = std::min(
                            marge, std::hypot(gx - page.modele().gethexacentrix(h),
                                              gy - page.modele().gethexacentry(h)) -
                                       (h <= page.modele().getnbhexacompletes() ? s : s / 5) / 2);
                } else {
                    for (short h = 1; h <= page.modele().getnbhexacompletes(); ++h)
                        marge = std::min(marge, normehexa(gx - page.modele().gethexacentrix(h),
                                                          gy - page.modele().gethexacentry(h)) -
                                                    s * 12 / 10);
                }
                if (std::abs(marge) < 2) continue;
                const bool attendu = marge < 0;
                (attendu ? dedans : dehors) += 1;
                ASSERT_EQ(dansregion(POINT{x, y}), attendu)
                    << "mode " << c.mode << " size " << s << " at " << x << "," << y;
            }
            EXPECT_FALSE(dansregion(POINT{x1, y}));
        }
        EXPECT_GT(dedans, 1000);
        EXPECT_GT(dehors, 100);
        for (short k = 1; k <= page.modele().getnbcases(); ++k)
            EXPECT_TRUE(
                dansregion(fenetrede(page.modele().getcacentrix(k), page.modele().getcacentry(k))));

        // Moved near the screen's right edge, the window overflows and the
        // layout made again opens the right arrow.
        e.gauche = 3900;
        EXPECT_TRUE(rj.debordementchange(e));
        rj.recalcureg(e);
        EXPECT_TRUE(rj.flechesadessiner().droite);
        e.gauche = 3890;
        EXPECT_TRUE(rj.debordementchange(e));
        e.gauche = 60;
        EXPECT_TRUE(rj.debordementchange(e));
        rj.recalcureg(e);
        e.gauche = 70;
        EXPECT_FALSE(rj.debordementchange(e));
        e.gauche = 60;
    }
}

TEST_F(regions, a_grid_larger_than_the_screen_scrolls_by_its_arrows_and_by_a_drag) {
    rj.calcuregmini(fenetre);
    EXPECT_FALSE(formecontient(POINT{100, 100})); // the start-up shape is empty
    EXPECT_EQ(rj.taillegrifen(0).cx, 980);

    const short pas = 70;
    charge("1803-9", pas, 6); // a strip 18 hexagons wide
    e.ecranw = 1024;
    e.ecranh = 280;
    rj.recalcureg(e);
    const dispositionjeu& d = rj.disposition();
    ASSERT_GT(d.Ox, pas) << d.W << " x " << d.H;
    ASSERT_GT(d.Oy, 0);
    EXPECT_TRUE(rj.flechesadessiner().droite && rj.flechesadessiner().bas);
    EXPECT_FALSE(rj.flechesadessiner().gauche || rj.flechesadessiner().haut);
    const flechesjeu& f = rj.getfleches();
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(rj.flechesadessiner().poly[k][i].x, f.poly[k][i].x);
            EXPECT_EQ(rj.flechesadessiner().poly[k][i].y, f.poly[k][i].y);
        }
    // Every arrow, open or not, is part of the shape, here and on the window.
    rj.appliqueregprin(fenetre);
    const short dx = rj.regionprincipale().getdx();
    const short dy = rj.regionprincipale().getdy();
    for (int k = 0; k < 4; ++k) {
        const POINT milieu{(f.poly[k][0].x + f.poly[k][1].x + f.poly[k][2].x) / 3 + dx,
                           (f.poly[k][0].y + f.poly[k][1].y + f.poly[k][2].y) / 3 + dy};
        EXPECT_TRUE(dansregion(milieu)) << k;
        EXPECT_TRUE(formecontient(milieu)) << k;
    }
    EXPECT_TRUE(formecontient(POINT{dx + 25, 3}));
    EXPECT_FALSE(formecontient(POINT{dx + 25, dy + 520}));

    // One click on the right arrow: the grid and its shape move one step
    // (pas pixels) left; one on the down arrow: one step up.
    const RECT& zd = f.zone[flechedroite];
    const short c3 = rj.flechetouchee(POINT{zd.right, zd.bottom});
    ASSERT_EQ(c3, 3);
    const RECT& zb = f.zone[flechebas];
    const short c5 = rj.flechetouchee(POINT{zb.left, zb.top});
    ASSERT_EQ(c5, 5);
    const short x0 = dev.getlocx();
    const short y0 = dev.getlocy();
    rj.decalagribouton(c3);
    rj.decalagribouton(c5);
    rj.recalcureg(e);
    EXPECT_EQ(dev.getlocx(), x0 - pas);
    EXPECT_EQ(dev.getlocy(), std::max(y0 - pas, d.Y0 - d.Oy));
    EXPECT_TRUE(rj.flechesadessiner().gauche && rj.flechesadessiner().droite);
    short vus = 0;
    for (short k = 1; k <= page.modele().getnbcases(); ++k) {
        const POINT p = fenetrede(page.modele().getcacentrix(k), page.modele().getcacentry(k));
        if (p.x < dx + dispositionjeu::L + 20 || p.x > dx + d.W - d.Ox - 2 * dx - 20 ||
            p.y < dy + 20 || p.y > dy + d.e.haut + d.e.bas - 20)
            continue;
        EXPECT_TRUE(dansregion(p)) << k;
        ++vus;
    }
    EXPECT_GT(vus, 10);
    cladevout autre;
    autre.copyfromall(dev);
    page.setlocagrille(&autre);
    EXPECT_EQ(autre.getlocx(), dev.getlocx());

    // A drag larger than the overflow is bounded by the next layout; a drag
    // back the other way reaches the start again.
    rj.decalagrisouris(-5000, 5000, pas);
    rj.recalcureg(e);
    EXPECT_EQ(dev.getlocx(), d.X0 - d.Ox);
    EXPECT_EQ(dev.getlocy(), d.Y0 - d.Oy);
    EXPECT_FALSE(rj.flechesadessiner().droite || rj.flechesadessiner().bas);
    EXPECT_TRUE(rj.flechesadessiner().gauche && rj.flechesadessiner().haut);
    rj.decalagrisouris(5000, -5000, pas);
    rj.recalcureg(e);
    EXPECT_EQ(dev.getlocx(), d.X0);
    EXPECT_EQ(dev.getlocy(), d.Y0);

    // The same grid on a screen large enough: no arrows, whatever the
    // scrolling before, and the window as wide as the layout.
    rj.decalagribouton(3);
    e.ecranw = 4000;
    e.ecranh = 3000;
    rj.recalcureg(e);
    EXPECT_FALSE(rj.flecheaffichee());
    EXPECT_EQ(rj.defilement().sx, 0);
    EXPECT_EQ(dev.getlocx(), d.X0);
    EXPECT_EQ(rj.taillegrifen(0).cx, d.W);
    EXPECT_EQ(rj.taillegrifen(900).cy, std::max<int>({900, d.H, d.Hr + 15}));

    // The rules pages: every arrow closed for the drawing.
    rj.decalagribouton(3);
    rj.fermefleches();
    EXPECT_FALSE(rj.flechesadessiner().droite || rj.flechesadessiner().gauche ||
                 rj.flechesadessiner().haut || rj.flechesadessiner().bas);

    rj.libere();
    EXPECT_FALSE(rj.regionprincipale().existe() || rj.regiongrille().existe());
}

} // namespace
