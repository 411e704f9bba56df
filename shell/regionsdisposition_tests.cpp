// Tests of the play layout: window size and overflow, scroll bounds and
// open arrows, arrow geometry and click zones, and stepping to the end of
// an overflow by arrow clicks.
#include "shell/regionsdisposition.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(disposition, window_size_and_overflow_follow_the_grid_and_the_window_position) {
    const struct {
        etenduegrille e;
        short dx, dy, gauche, haut, ecranw, ecranh;
        short X0, Y0, W, H, Ox, Oy;
    } cas[] = {
        // Fits: no overflow.
        {{200, 200, 173, 173}, 6, 32, 60, 60, 1920, 1080, 280, 173, 492, 384, 0, 0},
        // The same grid moved toward the right edge of a small screen: Aw
        // shrinks and the width overflows.
        {{200, 200, 173, 173}, 6, 32, 600, 60, 1024, 768, 280, 173, 492, 384, 68, 0},
        // Taller than the screen: Ah = 768 - 100 - 30 = 638.
        {{300, 300, 400, 400}, 4, 24, 0, 100, 1024, 768, 380, 400, 688, 828, 0, 190},
        // Both ways, grid origin off-centre.
        {{1200, 40, 35, 900}, 6, 32, 60, 60, 1280, 1024, 1280, 35, 1332, 973, 112, 39},
    };
    for (const auto& c : cas) {
        const dispositionjeu d =
            calcudisposition(c.e, c.dx, c.dy, c.gauche, c.haut, c.ecranw, c.ecranh);
        EXPECT_EQ(d.X0, c.X0);
        EXPECT_EQ(d.Y0, c.Y0);
        EXPECT_EQ(d.W, c.W);
        EXPECT_EQ(d.H, c.H);
        EXPECT_EQ(d.Ox, c.Ox) << "W " << d.W << " Aw " << d.Aw;
        EXPECT_EQ(d.Oy, c.Oy) << "H " << d.H << " Ah " << d.Ah;
        EXPECT_EQ(d.Hr, 800); // composeregionprin's, kept
    }
}

TEST(disposition, offsets_are_bounded_by_the_overflow_and_open_the_arrows_that_lead_somewhere) {
    const struct {
        short Ox, Oy, pas;
        float sx, sy;
        float sxbornee, sybornee;
        unsigned char droite, gauche, haut, bas;
    } cas[] = {
        // A grid that fits has no arrows and offsets 0, whatever scrolling
        // happened before.
        {0, 0, 40, -3.5f, 7.0f, 0, 0, 0, 0, 0, 0},
        // At rest with an overflow: right and down lead somewhere.
        {100, 80, 40, 0, 0, 0, 0, 1, 0, 0, 1},
        // Offsets the wrong way come back to 0.
        {100, 80, 40, 2, -1, 0, 0, 1, 0, 0, 1},
        // A drag larger than the overflow stops at it (100 / 40, 80 / 40).
        {100, 80, 40, -9, 9, -2.5f, 2, 0, 1, 1, 0},
        // Half-way: both ways open.
        {100, 80, 40, -1, 1, -1, 1, 1, 1, 1, 1},
        // An overflow smaller than a step can still be scrolled.
        {30, 0, 60, -1, 5, -0.5f, 0, 0, 1, 0, 0},
    };
    for (const auto& c : cas) {
        dispositionjeu d;
        d.Ox = c.Ox;
        d.Oy = c.Oy;
        defilementjeu s{c.sx, c.sy};
        flechesjeu f;
        decalaccordfleches(d, c.pas, s, f);
        EXPECT_FLOAT_EQ(s.sx, c.sxbornee) << c.Ox << " " << c.sx;
        EXPECT_FLOAT_EQ(s.sy, c.sybornee) << c.Oy << " " << c.sy;
        EXPECT_EQ(f.ouverte[flechedroite], c.droite) << c.Ox << " " << c.sx;
        EXPECT_EQ(f.ouverte[flechegauche], c.gauche) << c.Ox << " " << c.sx;
        EXPECT_EQ(f.ouverte[flechehaut], c.haut) << c.Oy << " " << c.sy;
        EXPECT_EQ(f.ouverte[flechebas], c.bas) << c.Oy << " " << c.sy;
    }
}

// Click the arrow of command `commande` while it is open, as the player
// does (the layout bounds the offsets after each click); returns the number
// of clicks.
int cliquejusquaubout(const dispositionjeu& d, short pas, defilementjeu& s, short commande) {
    flechesjeu f;
    decalaccordfleches(d, pas, s, f);
    const short k = commande == 3   ? flechedroite
                    : commande == 2 ? flechegauche
                    : commande == 4 ? flechehaut
                                    : flechebas;
    int clics = 0;
    while (f.ouverte[k] && clics < 1000) {
        const float v = commande == 2 || commande == 3 ? (commande == 2 ? 1.0f : -1.0f)
                                                       : (commande == 5 ? 1.0f : -1.0f);
        (commande == 2 || commande == 3 ? s.sx : s.sy) += v;
        decalaccordfleches(d, pas, s, f);
        ++clics;
    }
    return clics;
}

TEST(disposition, clicking_an_arrow_until_it_closes_scrolls_exactly_the_overflow_and_back) {
    std::mt19937 hasard(14);
    std::uniform_int_distribution<int> debord(1, 3000);
    const short pas[] = {40, 50, 60, 70};
    for (int essai = 0; essai < 300; ++essai) {
        dispositionjeu d;
        d.X0 = 300;
        d.Y0 = 250;
        d.Ox = static_cast<short>(debord(hasard));
        d.Oy = static_cast<short>(debord(hasard));
        const short p = pas[essai % 4];
        const int clicsx = (d.Ox + p - 1) / p;
        const int clicsy = (d.Oy + p - 1) / p;
        defilementjeu s;
        EXPECT_EQ(cliquejusquaubout(d, p, s, 3), clicsx) << d.Ox << " / " << p;
        EXPECT_EQ(cliquejusquaubout(d, p, s, 5), clicsy) << d.Oy << " / " << p;
        // At the end the grid has moved by the whole overflow, and the
        // other way is open.
        POINT o = originegrille(d, p, s);
        EXPECT_EQ(o.x, 300 - d.Ox) << d.Ox << " / " << p;
        EXPECT_EQ(o.y, 250 - d.Oy) << d.Oy << " / " << p;
        flechesjeu f;
        decalaccordfleches(d, p, s, f);
        EXPECT_TRUE(f.ouverte[flechegauche] && f.ouverte[flechehaut]);
        EXPECT_FALSE(f.ouverte[flechedroite] || f.ouverte[flechebas]);
        // Each step back moves the grid by one step (the last by the rest).
        s.sx += 1;
        decalaccordfleches(d, p, s, f);
        EXPECT_EQ(originegrille(d, p, s).x, clicsx == 1 ? 300 : 300 - d.Ox + p);
        EXPECT_EQ(cliquejusquaubout(d, p, s, 2) + 1, clicsx);
        EXPECT_EQ(cliquejusquaubout(d, p, s, 4), clicsy);
        o = originegrille(d, p, s);
        EXPECT_EQ(o.x, 300);
        EXPECT_EQ(o.y, 250);
    }
}

TEST(disposition, arrows_sit_at_the_visible_edges_and_answer_clicks_inside_their_zones_only) {
    // W + H = 1600: M = 40, N = 20, P = 10. Grid area 400 x 300 from x 80,
    // overflow 100 x 60: visible right edge xr = 400 + 80 - 100 - 20 = 360,
    // middles ym = (300 - 60) / 2 = 120 and xm = (400 - 100) / 2 + 80 = 230,
    // left xl = 100, bottom yb = 300 - 20 - 60 = 220.
    dispositionjeu d;
    d.e = {150, 250, 100, 200};
    d.W = 1000;
    d.H = 600;
    d.Ox = 100;
    d.Oy = 60;
    flechesjeu f;
    geometriefleches(d, f);
    const POINT attendus[4][4] = {
        {{350, 80}, {350, 160}, {370, 120}, {350, 80}},
        {{110, 80}, {110, 160}, {90, 120}, {110, 80}},
        {{270, 30}, {190, 30}, {230, 10}, {270, 30}},
        {{270, 210}, {190, 210}, {230, 230}, {270, 210}},
    };
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(f.poly[k][i].x, attendus[k][i].x) << k << " " << i;
            EXPECT_EQ(f.poly[k][i].y, attendus[k][i].y) << k << " " << i;
        }
    const struct {
        POINT p;
        short commande;
    } clics[] = {
        {{350, 80}, 3},  {{370, 160}, 3}, {{371, 120}, 0}, {{360, 161}, 0}, {{90, 80}, 2},
        {{110, 160}, 2}, {{89, 120}, 0},  {{190, 10}, 4},  {{270, 30}, 4},  {{230, 31}, 0},
        {{190, 210}, 5}, {{270, 230}, 5}, {{230, 231}, 0}, {{189, 220}, 0}, {{230, 120}, 0},
    };
    for (auto& o : f.ouverte) o = 1;
    for (const auto& c : clics)
        EXPECT_EQ(flechetouchee(f, c.p), c.commande) << c.p.x << "," << c.p.y;
    // A closed arrow does not answer.
    f.ouverte[flechedroite] = 0;
    EXPECT_EQ(flechetouchee(f, POINT{360, 120}), 0);
    EXPECT_EQ(flechetouchee(f, POINT{100, 120}), 2);
}

} // namespace
