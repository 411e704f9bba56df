// Tests of the colour helpers, gdrectan and the GDI object wrappers.
#include "render/couleurs.h"
#include "render/gdrectan.h"
#include "render/ressources.h"

#include "render/bitmapmemoire.h"
#include "render/render_testing.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using rendertest::objetsgdivivants;

TEST(couleurs, greys_lights_and_darks) {
    const struct {
        short p;
        int grey;
    } cas[] = {{0, 0xFFFFFF},  {20, 0xCCCCCC}, {30, 0xB2B2B2},
               {60, 0x666666}, {80, 0x333333}, {100, 0}};
    for (const auto& c : cas) EXPECT_EQ(nuancegris(c.p), c.grey) << c.p;
    EXPECT_EQ(clair(0x00FFFF), 0x99FFFF);
    EXPECT_EQ(clair(0xFF0000), 0xFF9999);
    EXPECT_EQ(fonce(0xFFFFFF), 0x777777);
    EXPECT_EQ(fonce(0x00FF80), 0x007700);
}

TEST(gdrectan, ordered_rectangles_swap_their_corners) {
    gdrectan r(1);
    r.setxwid(10, 10, -4, 6);
    EXPECT_EQ(r.x1, 6);
    EXPECT_EQ(r.x2, 10);
    EXPECT_EQ(r.y1, 10);
    EXPECT_EQ(r.y2, 16);
    r.setx1(20);
    EXPECT_EQ(r.x1, 10);
    EXPECT_EQ(r.x2, 20);

    gdrectan libre(0);
    libre.setxwid(10, 10, -4, 6);
    EXPECT_EQ(libre.x1, 10);
    EXPECT_EQ(libre.x2, 6);
    libre.ordonner();
    EXPECT_EQ(libre.x1, 6);
}

TEST(gdrectan, squares_and_shifts) {
    gdrectan r;
    r.setcarre(7);
    EXPECT_EQ(r.x1, -3);
    EXPECT_EQ(r.y2, 3);
    r.shift(5, -1);
    EXPECT_EQ(r.x1, 2);
    EXPECT_EQ(r.x2, 8);
    EXPECT_EQ(r.y1, -4);
    EXPECT_EQ(r.y2, 2);
}

TEST(wrappers, a_dc_gets_back_the_objects_it_held_and_nothing_leaks) {
    bitmapmemoire b(20, 20);
    HGDIOBJ pen0 = GetStockObject(BLACK_PEN);
    HGDIOBJ brush0 = GetStockObject(WHITE_BRUSH);
    SelectObject(b.dc(), pen0);
    SelectObject(b.dc(), brush0);
    const long avant = objetsgdivivants();
    std::vector<HGDIOBJ> faits;
    {
        clacrayon crayon;
        clabrosse brosse;
        clapolice police;
        for (short i = 0; i < 5; ++i) {
            // Each set deletes the previous object after the DC got its own
            // back (checked at once: the next object made may take the old
            // one's handle).
            HGDIOBJ ancien = crayon.get();
            crayon.set(b.dc(), CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
            EXPECT_TRUE(ancien == nullptr || !rendertest::objetvivant(ancien)) << i;
            ancien = brosse.get();
            brosse.set(b.dc(), CreateSolidBrush(RGB(0, 255, 0)));
            EXPECT_TRUE(ancien == nullptr || !rendertest::objetvivant(ancien)) << i;
            ancien = police.get();
            police.create(static_cast<short>(12 + i), 0, 0, 0, 400, "Arial");
            EXPECT_TRUE(ancien == nullptr || !rendertest::objetvivant(ancien)) << i;
            police.useon(b.dc());
        }
        faits = {crayon.get(), brosse.get(), police.get()};
        if (rendertest::objetscomptables()) {
            EXPECT_EQ(objetsgdivivants(), avant + 3);
        }
        HPEN tenu = crayon.get();
        crayon.enduse();
        // The pen the DC held is back: selecting it again gives the stock pen.
        EXPECT_EQ(SelectObject(b.dc(), tenu), pen0);
        SelectObject(b.dc(), pen0);
        crayon.useon(b.dc());
        EXPECT_EQ(SelectObject(b.dc(), pen0), tenu);
        crayon.useon(b.dc());
    }
    EXPECT_EQ(objetsgdivivants(), avant);
    for (HGDIOBJ h : faits) EXPECT_FALSE(rendertest::objetvivant(h));
    EXPECT_EQ(SelectObject(b.dc(), GetStockObject(NULL_PEN)), pen0);
    EXPECT_EQ(SelectObject(b.dc(), GetStockObject(NULL_BRUSH)), brush0);
}

TEST(wrappers, a_use_on_another_dc_gives_the_first_dc_its_object_back) {
    bitmapmemoire a(10, 10);
    bitmapmemoire b(10, 10);
    HGDIOBJ pen0 = GetStockObject(BLACK_PEN);
    SelectObject(a.dc(), pen0);
    SelectObject(b.dc(), pen0);
    const long avant = objetsgdivivants();
    HGDIOBJ fait = nullptr;
    {
        clacrayon crayon;
        crayon.set(a.dc(), CreatePen(PS_SOLID, 1, 0));
        fait = crayon.get();
        crayon.useon(b.dc());
        EXPECT_EQ(SelectObject(a.dc(), pen0), pen0);
    }
    EXPECT_EQ(objetsgdivivants(), avant);
    EXPECT_FALSE(rendertest::objetvivant(fait));
    EXPECT_EQ(SelectObject(b.dc(), pen0), pen0);
}

TEST(wrappers, a_stock_brush_is_never_deleted) {
    bitmapmemoire b(10, 10);
    {
        clabrosse brosse;
        brosse.set(b.dc(), static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), false);
    }
    HBRUSH vide = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    EXPECT_NE(SelectObject(b.dc(), vide), nullptr);
}

TEST(clapolice, createbis_offsets_centre_the_line_and_turn_with_it) {
    const struct {
        short hauteur;
        short esc;
        short dx;
        short dy;
    } cas[] = {
        {20, 0, 0, 10},                       // half the height
        {21, 0, 0, 10},                       // truncated
        {20, 900, -10, 0},                    // a quarter turn: exact
        {20, 1800, 0, -10}, {20, 450, -8, 8}, // 10 * 1.2 = 12 turned by 45 degrees: 8.48 truncated
        {20, -450, 0, 12},                    // negative escapements are not turned
    };
    for (const auto& c : cas) {
        clapolice p;
        p.createbis(c.hauteur, 0, c.esc, 0, 400, "Arial");
        EXPECT_EQ(p.getdx(), c.dx) << c.esc;
        EXPECT_EQ(p.getdy(), c.dy) << c.esc;
        p.create(c.hauteur, 0, c.esc, 0, 400, "Arial");
        EXPECT_EQ(p.getdx(), 0);
        EXPECT_EQ(p.getdy(), 0);
    }
}

TEST(clapolice, the_same_font_asked_twice_is_made_once) {
    clapolice p;
    p.create(16, 8, 0, 0, 200, "Arial");
    HFONT premiere = p.get();
    p.create(16, 8, 0, 0, 200, "Arial");
    EXPECT_EQ(p.get(), premiere);
    p.create(16, 8, 0, 0, 200, "Times New Roman");
    EXPECT_NE(p.get(), nullptr);
}

TEST(clapolice, centred_text_lands_around_the_point) {
    bitmapmemoire b(100, 60);
    clapolice p;
    p.createbis(20, 0, 0, 0, 400, "Arial");
    p.useon(b.dc());
    p.colornoback(0);
    p.setcentrage(1);
    p.printpix(50, 30, "H");
    int xmin = 100, xmax = -1, ymin = 60, ymax = -1;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            if (b.at(x, y) != 0xFFFFFF) {
                xmin = std::min(xmin, x);
                xmax = std::max(xmax, x);
                ymin = std::min(ymin, y);
                ymax = std::max(ymax, y);
            }
    ASSERT_GE(xmax, 0);
    EXPECT_NEAR((xmin + xmax) / 2.0, 50, 2);
    // The text cell spans 20..40; the capital sits in its upper part.
    EXPECT_GE(ymin, 20);
    EXPECT_LE(ymax, 40);
}

} // namespace
