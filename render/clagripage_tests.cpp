// Tests of the grid page: difficulty steps, placing the local origin, and the
// two drawing passes checked by pixels at cell centres, in the looks'
// palettes too.
#include "render/clagripage.h"

#include "render/contextedessin.h"
#include "render/gripageimage.h"
#include "render/palette/palette.h"
#include "render/render_testing.h"

#include "foundation/depile.h"
#include "grid/vocalculinit.h"
#include "lattice/topoitem.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace {

using rendertest::chargegrille;
using rendertest::scene;

class gripage : public ::testing::Test {
protected:
    static void SetUpTestSuite() { globinitvocalcul(); }
};

TEST_F(gripage, difficulty_steps_along_the_ladder_and_stops_at_its_ends) {
    clagripage g;
    ASSERT_TRUE(chargegrille(g, "1251-2"));
    const struct {
        short depuis;
        short pas;
        short attendu;
    } cas[] = {{100, '+', 120}, {100, '-', 95}, {120, '+', 120}, {75, '-', 75},
               {75, '+', 80},   {90, 0, 90},    {97, '+', 100},  {97, '-', 95}};
    for (const auto& c : cas) {
        g.fixedifficulte(c.depuis);
        g.diffichange(c.pas);
        // A grid without level 7 keeps 100 for 120.
        const short attendu = c.attendu == 120 && !g.modele().yaniveausept() ? 100 : c.attendu;
        EXPECT_EQ(g.getdifficulte(), attendu) << c.depuis << " " << static_cast<char>(c.pas);
        EXPECT_EQ(g.modele().getseuilvoulu(), attendu);
    }
}

TEST_F(gripage, grids_near_the_page_sides_re_anchor_on_a_centred_page) {
    cladevout d;
    d.setdpi(96, 96);
    d.setfeuillepix(800, 600);
    d.setpagepix(800, 600);
    d.centrajuste();
    clagripage g;
    const struct {
        float x;
        unsigned char centrale;
        unsigned char double5;
        short locx;
    } cas[] = {
        {-73.5f, 1, 0, 0},   {-72.0f, 1, 0, 400 - 272}, {-77.9f, 1, 0, 0},   {75.0f, 1, 0, 800},
        {-75.0f, 1, 1, 400}, {75.0f, 1, 1, 400},        {-75.0f, 0, 0, 117}, {10.0f, 1, 0, 437},
    };
    for (const auto& c : cas) {
        g.setpagecentrale(c.centrale != 0, c.double5 != 0);
        g.setposmm(c.x, 10);
        g.setlocagrille(&d);
        EXPECT_EQ(d.getlocx(), c.locx) << c.x;
        EXPECT_EQ(d.getlocy(), 300 - 37) << c.x;
    }
}

TEST_F(gripage, positions_as_text_and_the_solution_place) {
    clagripage g;
    g.setallpos("1.5,-2,30,40,-5,6.25,");
    EXPECT_STREQ(g.getallpos().text(), "1.5,-2,30,40,-5,6.25,");
    cladevout d;
    d.setdpi(254, 254);
    d.setfeuillepix(200, 200);
    d.setpagepix(200, 200);
    d.centrajuste();
    g.setlocagrideux(0, &d);
    EXPECT_EQ(d.getlocx(), 115);
    g.setlocagrideux(1, &d);
    EXPECT_EQ(d.getlocx(), 400);
    EXPECT_EQ(d.getlocy(), -300);
    g.setlocagrilib(&d);
    EXPECT_EQ(d.getlocx(), 50);
}

int rouge(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
int vert(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
int bleu(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
TEST_F(gripage, the_frame_in_millimetres_and_a_turned_grid) {
    clagripage g;
    ASSERT_TRUE(chargegrille(g, "1251-1"));
    cladevout d;
    d.setdpi(254, 254);
    g.settaillemmpix(0, 40);
    g.modele().fautcoordentableaux();
    short x1 = 0;
    short y1 = 0;
    short x2 = 0;
    short y2 = 0;
    g.modele().posicadremax(x1, y1, x2, y2);
    const gdrectan cadre = g.cadreblocsel(&d);
    // 10 pixels a millimetre.
    EXPECT_EQ(cadre.x1, x1 / 10);
    EXPECT_EQ(cadre.y2, y2 / 10);
    const short avant = g.modele().getcacentrix(1);
    g.setangle(60);
    EXPECT_EQ(g.getangledessin(), 60);
    EXPECT_EQ(g.modele().getangle(), 60);
    g.modele().fautcoordentableaux();
    EXPECT_NE(g.modele().getcacentrix(1), avant);
    g.setangle(0);
    g.modele().fautcoordentableaux();
    EXPECT_EQ(g.modele().getcacentrix(1), avant);
}

// Nesting depth of the wait cursor, as the hooks see it.
int* compteur() {
    static int n = 0;
    return &n;
}
bool noir(COLORREF c) {
    return rouge(c) < 0x50 && vert(c) < 0x50 && bleu(c) < 0x50;
}
bool magenta(COLORREF c) {
    return rouge(c) > 0xC0 && bleu(c) > 0xC0 && vert(c) < 0x60;
}
bool bleuvif(COLORREF c) {
    return bleu(c) > 0xC0 && rouge(c) < 0x60 && vert(c) < 0x60;
}

TEST_F(gripage, cells_show_givens_in_black_entries_in_magenta_and_marks_in_blue) {
    for (short mode : {short{6}, short{7}, short{8}, short{10}}) {
        scene s("1251-1", mode);
        s.couleur = 0x008000;
        s.dessine();
        clagripage& g = s.page;
        int donnees = 0;
        int jouees = 0;
        int marquees = 0;
        int vides = 0;
        for (short c = 1; c <= g.modele().getnbcases(); ++c) {
            const POINT p = s.centre(c);
            const int r = 5;
            if (g.modele().casestfixe(c)) {
                ++donnees;
                EXPECT_TRUE(s.autour(p, r, noir)) << "given, mode " << mode << " cell " << c;
                EXPECT_FALSE(s.autour(p, r, magenta)) << "mode " << mode << " cell " << c;
            } else if (g.modele().casenonvide(c)) {
                ++jouees;
                EXPECT_TRUE(s.autour(p, r, magenta)) << "played, mode " << mode << " cell " << c;
                EXPECT_FALSE(s.autour(p, r, noir)) << "mode " << mode << " cell " << c;
            } else if (g.modele().getpuser(c) != 0) {
                ++marquees;
                EXPECT_TRUE(s.autour(p, 12, bleuvif)) << "marks, mode " << mode << " cell " << c;
            } else {
                ++vides;
                EXPECT_EQ(s.image->at(p.x, p.y), 0x99FFFFu) << "mode " << mode << " cell " << c;
            }
        }
        EXPECT_GT(donnees, 0);
        EXPECT_EQ(jouees, 3);
        EXPECT_EQ(marquees, 3);
        EXPECT_GT(vides, 0);
    }
}

TEST_F(gripage, the_contour_and_the_arrows_lie_on_top) {
    scene s("1251-1", 6);
    clagripage& g = s.page;
    ASSERT_GT(g.modele().getsegmentsexternes().effectif(), 0);
    // The middle of an outer contour segment is in the contour colour.
    clavochemin c;
    c.getdirections().settaillangle(g.modele().gettaillepix(), g.modele().getangle());
    gstring seg(g.modele().getsegmentsexternes().adr(1));
    gstring fin(seg.adr());
    fin.replaceone(":", "");
    *std::strchr(seg.adr(), ':') = 0;
    const short x = static_cast<short>((c.valducheminx(seg.adr()) + c.valducheminx(fin.adr())) / 2);
    const short y = static_cast<short>((c.valducheminy(seg.adr()) + c.valducheminy(fin.adr())) / 2);
    const POINT p = s.pixel(x, y);
    EXPECT_EQ(s.image->at(p.x, p.y), 0xFF0000u);
    // Open arrows red, closed ones light grey.
    const int w = s.image->larg();
    const int h = s.image->haut();
    EXPECT_EQ(s.image->at(w - 10, h / 2), 0x0000FFu);
    EXPECT_EQ(s.image->at(10, h / 2), 0xCCCCCCu);
    EXPECT_EQ(s.image->at(w / 2, 10), 0xCCCCCCu);
    EXPECT_EQ(s.image->at(w / 2, h - 10), 0x0000FFu);
}

TEST_F(gripage, closed_arrows_both_ways_are_not_drawn) {
    scene s("1251-1", 6);
    s.ctx.fleches.droite = 0;
    s.ctx.fleches.bas = 0;
    s.dessine();
    const int w = s.image->larg();
    const int h = s.image->haut();
    for (POINT p : {POINT{w - 10, h / 2}, POINT{10, h / 2}, POINT{w / 2, 10}, POINT{w / 2, h - 10}})
        EXPECT_EQ(s.image->at(p.x, p.y), s.fond->at(p.x, p.y));
}

TEST_F(gripage, outside_play_only_the_givens_show) {
    scene s("1251-1", 6);
    s.ctx.mainone = 0;
    s.dessine();
    for (short c = 1; c <= s.page.modele().getnbcases(); ++c) {
        if (s.page.modele().casestfixe(c) || s.page.modele().casestvide(c)) continue;
        EXPECT_FALSE(s.autour(s.centre(c), 5, magenta)) << c;
        EXPECT_FALSE(s.autour(s.centre(c), 5, noir)) << c;
    }
}

TEST_F(gripage, pencil_marks_write_one_digit_per_mark) {
    scene s("1251-1", 6);
    s.couleur = 0x008000;
    s.dessine();
    clagripage& g = s.page;
    auto bleus = [&](short c) {
        int n = 0;
        const POINT p = s.centre(c);
        for (int y = p.y - 15; y <= p.y + 15; ++y)
            for (int x = p.x - 15; x <= p.x + 15; ++x) n += bleuvif(s.image->at(x, y)) ? 1 : 0;
        return n;
    };
    // An empty cell without marks, and without the marks of a neighbour
    // reaching into its square.
    short cellule = 0;
    for (short c = 1; c <= g.modele().getnbcases() && cellule == 0; ++c)
        if (g.modele().casestvide(c) && g.modele().getpuser(c) == 0 && bleus(c) == 0) cellule = c;
    ASSERT_GT(cellule, 0);
    g.modele().swapossuser(cellule, 1);
    g.modele().swapossuser(cellule, 6);
    s.dessine();
    EXPECT_GT(bleus(cellule), 0);
    // Mark 1 at the top, mark 6 at the bottom right: blue near both places.
    for (short v : {short{1}, short{6}}) {
        short x = 0;
        short y = 0;
        g.modele().givepossofuser(cellule, v, x, y);
        EXPECT_TRUE(s.autour(s.pixel(x, static_cast<short>(y + 5 - 4)), 4, bleuvif)) << v;
    }
    short x = 0;
    short y = 0;
    g.modele().givepossofuser(cellule, 3, x, y);
    EXPECT_FALSE(s.autour(s.pixel(x, static_cast<short>(y + 5 - 4)), 2, bleuvif));
}

// The keyboard cursor on an empty cell with all six marks: drawn under them
// (every pixel of a mark's ink stays), and a wrong entry's frame on the
// cursor's cell told apart from it, both seen.
TEST_F(gripage, the_cursor_lies_under_the_marks_and_a_wrong_entrys_frame_stands_apart) {
    scene s("1251-1", 6);
    s.couleur = 0x008000;
    clagripage& g = s.page;
    short cellule = 0;
    for (short c = 1; c <= g.modele().getnbcases() && cellule == 0; ++c)
        if (g.modele().casestvide(c)) cellule = c;
    ASSERT_GT(cellule, 0);
    g.modele().razpuser(cellule);
    for (short v = 1; v <= 6; ++v) g.modele().swapossuser(cellule, v);
    s.dessine();
    const POINT p = s.centre(cellule);
    const short r = static_cast<short>(g.modele().gettaillepix() * 2 / 3);
    auto encre = [&](auto test) {
        std::vector<POINT> points;
        for (int y = p.y - r; y <= p.y + r; ++y)
            for (int x = p.x - r; x <= p.x + r; ++x)
                if (test(s.image->at(x, y))) points.push_back(POINT{x, y});
        return points;
    };
    auto de = [](int couleur) {
        return [c = static_cast<COLORREF>(couleur)](COLORREF x) { return x == c; };
    };
    const std::vector<POINT> marques = encre(bleuvif);
    ASSERT_GT(marques.size(), 20u);
    s.ctx.casecurseur = cellule;
    s.dessine();
    const std::size_t curseur = encre(de(s.ctx.coulcurseur)).size();
    ASSERT_GT(curseur, 20u);
    int couvertes = 0;
    // (The ink's antialiased edges take some of the red beneath them.)
    for (const POINT q : marques) couvertes += bleu(s.image->at(q.x, q.y)) > 0x80 ? 0 : 1;
    EXPECT_EQ(couvertes, 0) << "mark pixels hidden by the cursor";
    s.ctx.casesfausses = {cellule};
    s.dessine();
    // Told apart by lightness (Rec. 601 luma, 0..255), and by shape: the
    // cursor's red shows between the frame's dashes.
    auto luma = [](int c) {
        const auto x = static_cast<COLORREF>(c);
        return 0.299 * rouge(x) + 0.587 * vert(x) + 0.114 * bleu(x);
    };
    EXPECT_GE(luma(s.ctx.coulcurseur) - luma(s.ctx.coulfausse), 30.0);
    EXPECT_GT(encre(de(s.ctx.coulfausse)).size(), 20u);
    EXPECT_GT(encre(de(s.ctx.coulcurseur)).size(), curseur / 3) << "the cursor still shows";
}

TEST_F(gripage, the_constraint_display_joins_neighbours_in_green) {
    scene s("1251-1", 6);
    s.couleur = 0x008000;
    s.dessine();
    s.ctx.contraffi = 1;
    s.dessine();
    int verts = 0;
    for (int y = 0; y < s.image->haut(); ++y)
        for (int x = 0; x < s.image->larg(); ++x) verts += s.image->at(x, y) == 0x00FF00u ? 1 : 0;
    EXPECT_GT(verts, 200);
    // No pencil marks under the constraint display.
    for (short c = 1; c <= s.page.modele().getnbcases(); ++c)
        if (s.page.modele().getpuser(c) != 0 && s.page.modele().casestvide(c)) {
            EXPECT_FALSE(s.autour(s.centre(c), 12, bleuvif)) << c;
        }
}

TEST_F(gripage, links_of_mode_7_join_every_pair_of_edge_neighbours) {
    scene s("1251-1", 7);
    clagripage& g = s.page;
    gstring voisins;
    gstring mot;
    int liens = 0;
    for (short c = 1; c <= g.modele().getnbcases(); ++c) {
        topogivetroisvoisicase(&voisins, g.modele().getcases().adr(c));
        while (voisins.notempty()) {
            depilemot(mot, voisins.adr());
            const short n = g.modele().numerodelacase(mot.adr());
            if (n <= c) continue;
            ++liens;
            const POINT p = s.pixel(
                static_cast<short>((g.modele().getcacentrix(c) + g.modele().getcacentrix(n)) / 2),
                static_cast<short>((g.modele().getcacentry(c) + g.modele().getcacentry(n)) / 2));
            EXPECT_EQ(s.image->at(p.x, p.y), 0xFF0000u) << c << "-" << n;
        }
    }
    EXPECT_GT(liens, 10);
}

TEST_F(gripage, passes_leave_the_device_and_its_dc_as_they_found_them) {
    scene s("1251-1", 6);
    HGDIOBJ pen0 = GetStockObject(BLACK_PEN);
    HGDIOBJ brush0 = GetStockObject(WHITE_BRUSH);
    SelectObject(s.fond->dc(), pen0);
    SelectObject(s.fond->dc(), brush0);
    SelectObject(s.image->dc(), pen0);
    SelectObject(s.image->dc(), brush0);
    s.d.setlocxy(7, 9);
    s.ctx.crochets.sablierdeb = [] { ++*compteur(); };
    s.ctx.crochets.sablierfin = [] { --*compteur(); };
    s.dessine();
    EXPECT_EQ(s.d.getlocx(), 7);
    EXPECT_EQ(s.d.getlocy(), 9);
    EXPECT_STREQ(s.d.getpile(), "");
    EXPECT_EQ(s.ctx.grillant, 0);
    EXPECT_EQ(*compteur(), 0);
    for (HDC dc : {s.fond->dc(), s.image->dc()}) {
        EXPECT_EQ(SelectObject(dc, GetStockObject(NULL_PEN)), pen0);
        EXPECT_EQ(SelectObject(dc, GetStockObject(NULL_BRUSH)), brush0);
    }
    // Drawing again makes no new objects: the shared ones are reused or
    // replaced.
    const long avant = rendertest::objetsgdivivants();
    s.dessine();
    EXPECT_LE(rendertest::objetsgdivivants(), avant + 3);
    libereressources();
    EXPECT_LE(rendertest::objetsgdivivants(), avant);
}

TEST_F(gripage, the_rules_pages_hide_the_pencil_marks) {
    scene s("1251-1", 6);
    s.couleur = 0x008000;
    s.dessine();
    s.ctx.reglesaffichees = true;
    s.dessine();
    for (short c = 1; c <= s.page.modele().getnbcases(); ++c)
        if (s.page.modele().getpuser(c) != 0 && s.page.modele().casestvide(c)) {
            EXPECT_FALSE(s.autour(s.centre(c), 12, bleuvif)) << c;
        }
}

TEST_F(gripage, hexaplacer_marks_a_lattice_point) {
    scene s("1251-1", 6);
    s.page.modele().fautunelivopoint();
    const short index = 1;
    short x = 0;
    short y = 0;
    s.page.modele().giveposipoint(s.page.modele().getpoints().adr(index), x, y);
    s.d.sethdc(s.image->dc());
    hexaplacer(&s.page, &s.d, index, 0x00A5FF);
    finusageressources();
    // Corner A of the hexagon around the point, in orange.
    const POINT p = s.pixel(static_cast<short>(x + s.page.modele().gettaillepix()), y);
    EXPECT_TRUE(s.autour(p, 2, [](COLORREF c) { return c == 0x00A5FFu; }));
    hexaplacer(&s.page, &s.d, 0, 0x00A5FF);
    hexaplacer(&s.page, &s.d, static_cast<short>(s.page.modele().getnbpoints() + 1), 0x00A5FF);
    EXPECT_STREQ(s.d.getpile(), "");
}

// The looks: the original's palette is the drawing's own colours, role for
// role and pixel for pixel; in the dark look the cells, the digits and the
// marks are drawn in its palette's colours.
TEST_F(gripage, a_look_paints_the_grid_in_its_palette_the_original_as_always) {
    const contextedessin defaut;
    const palettedessin& originale = palettedutheme(themeoriginal);
    const std::pair<int contextedessin::*, int palettedessin::*> roles[] = {
        {&contextedessin::grischiffrefixe, &palettedessin::grischiffrefixe},
        {&contextedessin::grischiffrejoue, &palettedessin::grischiffrejoue},
        {&contextedessin::grisfondcase, &palettedessin::grisfondcase},
        {&contextedessin::cjeutourcase, &palettedessin::cjeutourcase},
        {&contextedessin::grisinterne, &palettedessin::grisinterne},
        {&contextedessin::grisvingt, &palettedessin::grisvingt},
        {&contextedessin::fondessin, &palettedessin::fondessin},
        {&contextedessin::coulnotes, &palettedessin::coulnotes},
        {&contextedessin::coulpointhexa, &palettedessin::coulpointhexa},
        {&contextedessin::coulsurligne, &palettedessin::coulsurligne},
        {&contextedessin::coulconflit, &palettedessin::coulconflit},
        {&contextedessin::coulcurseur, &palettedessin::coulcurseur},
        {&contextedessin::coulindice, &palettedessin::coulindice},
        {&contextedessin::coulindicesurligne, &palettedessin::coulindicesurligne},
        {&contextedessin::coulindiceombre, &palettedessin::coulindiceombre},
        {&contextedessin::coulindicecadre, &palettedessin::coulindicecadre},
        {&contextedessin::coulindicepossible, &palettedessin::coulindicepossible},
        {&contextedessin::coulfausse, &palettedessin::coulfausse}};
    for (const auto& [c, p] : roles) {
        EXPECT_EQ(defaut.*c, originale.*p);
        contextedessin sombre;
        appliquepalette(sombre, palettedutheme(themesombre));
        EXPECT_EQ(sombre.*c, palettedutheme(themesombre).*p);
    }
    EXPECT_EQ(originale.coulcontour, 0xFF0000) << "the contour the game always drew";

    scene s("1251-1", 6);
    auto pixels = [&s] {
        std::vector<COLORREF> v;
        for (int y = 0; y < s.image->haut(); ++y)
            for (int x = 0; x < s.image->larg(); ++x) v.push_back(s.image->at(x, y));
        return v;
    };
    const std::vector<COLORREF> avant = pixels();
    appliquepalette(s.ctx, originale);
    s.dessine();
    EXPECT_TRUE(pixels() == avant) << "the original look changes no pixel";

    const palettedessin& p = palettedutheme(themesombre);
    appliquepalette(s.ctx, p);
    s.couleur = p.coulcontour;
    s.dessine();
    // The core of a stroke is its colour; its antialiased edges are not.
    auto de = [](int couleur) {
        return [couleur](COLORREF c) {
            for (int decalage : {0, 8, 16})
                if (std::abs(static_cast<int>((c >> decalage) & 0xFF) -
                             ((couleur >> decalage) & 0xFF)) > 0x10)
                    return false;
            return true;
        };
    };
    clagrivora& g = s.page.modele();
    int vides = 0;
    for (short c = 1; c <= g.getnbcases(); ++c) {
        const POINT q = s.centre(c);
        if (g.casestfixe(c)) {
            EXPECT_TRUE(s.autour(q, 5, de(p.grischiffrefixe))) << "given " << c;
        } else if (g.casenonvide(c)) {
            EXPECT_TRUE(s.autour(q, 5, de(p.grischiffrejoue))) << "played " << c;
        } else if (g.getpuser(c) != 0) {
            // Small digits: their light blue is blended with the dark cell.
            EXPECT_TRUE(s.autour(q, 12, [](COLORREF x) {
                return bleu(x) > 0xC0 && vert(x) > 0x90 && rouge(x) > 0x60 && rouge(x) < bleu(x);
            })) << "marks " << c;
        } else {
            ++vides;
            EXPECT_EQ(s.image->at(q.x, q.y), static_cast<COLORREF>(p.grisfondcase)) << c;
            EXPECT_FALSE(s.autour(q, 5, de(originale.grisfondcase))) << c;
        }
    }
    EXPECT_GT(vides, 0);
}

} // namespace

TEST_F(gripage, a_page_draws_a_model_owned_elsewhere_and_follows_its_changes) {
    scene s("1251-1", 6);
    clagrivora ailleurs;
    ASSERT_NE(grilleload(0, &ailleurs, "1251-1"), 0);
    clagripage page;
    page.lier(ailleurs);
    EXPECT_EQ(&page.modele(), &ailleurs);
    joueexemple(page, 3, 3);
    cladevout d;
    bitmapmemoire fond(s.fond->larg(), s.fond->haut());
    bitmapmemoire image(s.fond->larg(), s.fond->haut());
    tailleimage(page, 40, 6, 20);
    placegrille(page, d, fond, 20);
    dessinefond(s.ctx, page, d, fond, s.couleur);
    peintgrille(s.ctx, page, d, fond, image, s.couleur);
    EXPECT_EQ(image.image().pixels, s.image->image().pixels);

    // A value written into the model shows in the next top pass.
    short c = 1;
    while (!ailleurs.casestvide(c)) ++c;
    ailleurs.setcaseval(c, 1);
    peintgrille(s.ctx, page, d, fond, image, s.couleur);
    EXPECT_NE(image.image().pixels, s.image->image().pixels);
}
