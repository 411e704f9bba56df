// Tests of the output device: the millimetre model, the local origin and its
// stack, and where the primitives land (y upwards).
#include "render/cladevout.h"

#include "render/bitmapmemoire.h"
#include "render/render_testing.h"
#include "render/ressources.h"

#include <gtest/gtest.h>

namespace {

TEST(cladevout, millimetres_truncate_toward_zero) {
    cladevout d;
    d.setdpi(96, 96);
    EXPECT_EQ(d.ammxtopix(1), 3);
    EXPECT_EQ(d.ammxtopix(-1), -3);
    EXPECT_EQ(d.ammytopix(10), 37);
    EXPECT_EQ(d.ammxtopix(25.4f), 96);
    d.setechelle(2);
    EXPECT_EQ(d.ammxtopix(1), 7);
    EXPECT_FLOAT_EQ(d.apixtommx(96), 12.7f);
    EXPECT_EQ(d.poursixcent(10), 2); // 1.6 rounded
    d.setdpi(300, 300);
    EXPECT_EQ(d.poursixcent(10), 5);
    EXPECT_EQ(d.poursixcent(3), 2); // 1.5 rounds up
}

TEST(cladevout, pixels_survive_the_trip_through_millimetres) {
    cladevout d;
    d.setdpi(96, 96);
    d.setfeuillepix(1000, 800);
    d.setpagepix(1000, 800);
    d.centrajuste();
    for (short px = -2000; px <= 2000; ++px) {
        d.setlocal(d.apixtommx(px), d.apixtommy(px));
        ASSERT_EQ(d.getlocx(), d.getorigx() + px) << px;
        ASSERT_EQ(d.getlocy(), d.getorigy() - px) << px;
    }
}

TEST(cladevout, sizes_clamp_to_the_sheet_and_derive_millimetres) {
    cladevout d;
    d.setdpi(96, 96);
    d.setfeuillepix(960, 480);
    d.setpagepix(2000, 300);
    EXPECT_EQ(d.getpagewpx(), 960);
    EXPECT_EQ(d.getutilwpx(), 960);
    EXPECT_EQ(d.getpagehpx(), 300);
    EXPECT_EQ(d.getfeuilwmm(), 254);
    EXPECT_EQ(d.getfeuilhmm(), 127);
    EXPECT_EQ(d.getutilhmm(), 79); // 79.375
    d.centrajuste();
    EXPECT_EQ(d.getorigx(), 480);
    EXPECT_EQ(d.getorigy(), 150);

    // Without a positive resolution the millimetre sizes stay as they were.
    d.setdpi(0, 96);
    d.setfeuillepix(96, 96);
    EXPECT_EQ(d.getfeuilwmm(), 254);
    d.setdpi(96, -5);
    EXPECT_EQ(d.getfeuilwmm(), 254);
}

TEST(cladevout, a_pdfcreator_device_is_anchored_at_the_bottom) {
    const struct {
        const char* nom;
        bool bas;
    } cas[] = {{"ecran", false}, {"Mon PDFCreator 2", true}, {"pdfcreator", true}, {"pdf", false}};
    for (const auto& c : cas) {
        cladevout d;
        d.setdpi(96, 96);
        d.setfeuillepix(100, 200);
        d.setpagepix(100, 100);
        d.centrajuste();
        d.setname(c.nom);
        EXPECT_EQ(d.estbasancre(), c.bas) << c.nom;
        EXPECT_EQ(d.getorigy(), c.bas ? 150 : 50) << c.nom;
        EXPECT_TRUE(d.estnomme());
    }
}

TEST(cladevout, the_origin_stack_gives_origins_back_newest_first) {
    cladevout d;
    d.setlocxy(10, 20);
    d.locapush();
    d.setlocxy(30, -5);
    d.locapush();
    EXPECT_STREQ(d.getpile(), "30,-5,10,20,");
    d.setlocxy(0, 0);
    d.locapop();
    EXPECT_EQ(d.getlocx(), 30);
    EXPECT_EQ(d.getlocy(), -5);
    d.locapop();
    EXPECT_EQ(d.getlocx(), 10);
    EXPECT_EQ(d.getlocy(), 20);
    d.locapop();
    EXPECT_EQ(d.getlocx(), 0);
    EXPECT_EQ(d.getlocy(), 0);
}

TEST(cladevout, local_origins_and_their_re_anchoring) {
    cladevout d;
    d.setdpi(96, 96);
    d.setfeuillepix(400, 300);
    d.setpagepix(400, 300);
    d.centrajuste();
    d.setlocal(10, 10);
    EXPECT_EQ(d.getlocx(), 237);
    EXPECT_EQ(d.getlocy(), 113);
    d.setlocagauche();
    EXPECT_EQ(d.getlocx(), 0);
    d.setlocadroite();
    EXPECT_EQ(d.getlocx(), 400);
    d.setlocamid();
    EXPECT_EQ(d.getlocx(), 200);
    EXPECT_EQ(d.getlocy(), 113);
}

TEST(cladevout, copyfromall_copies_the_device) {
    cladevout a;
    a.setdpi(120, 100);
    a.setfeuillepix(300, 200);
    a.setpagepix(250, 150);
    a.centrajuste();
    a.setname("pdfcreator");
    a.setechelle(1.5f);
    cladevout b;
    b.copyfromall(a);
    EXPECT_STREQ(b.getname(), "pdfcreator");
    EXPECT_EQ(b.getdpix(), 120);
    EXPECT_EQ(b.getorigy(), a.getorigy());
    EXPECT_EQ(b.getpagewpx(), 250);
    EXPECT_EQ(b.getutilhmm(), a.getutilhmm());
    EXPECT_TRUE(b.estbasancre());
    EXPECT_FLOAT_EQ(b.getechelle(), 1.5f);
}

TEST(incliner, quarter_turns_are_exact_and_others_truncate) {
    POINT p[3] = {{10, 0}, {3, 7}, {-5, -2}};
    incliner(90, p, 3);
    EXPECT_EQ(p[0].x, 0);
    EXPECT_EQ(p[0].y, 10);
    EXPECT_EQ(p[1].x, -7);
    EXPECT_EQ(p[1].y, 3);
    EXPECT_EQ(p[2].x, 2);
    EXPECT_EQ(p[2].y, -5);
    POINT q[1] = {{10, 0}};
    incliner(45, q, 1);
    EXPECT_EQ(q[0].x, 7);
    EXPECT_EQ(q[0].y, 7);
}

// A 100 x 100 white bitmap with the local origin at its centre.
struct toile {
    bitmapmemoire b{100, 100};
    cladevout d;
    toile() {
        d.sethdc(b.dc());
        d.setdpi(96, 96);
        d.setfeuillepix(100, 100);
        d.setpagepix(100, 100);
        d.centrajuste();
        d.setlocal(0, 0);
    }
};

TEST(primitives, y_points_up_from_the_local_origin) {
    toile t;
    t.d.setgeocrayonpix(1, 0x0000FF);
    t.d.setcreabrosse(0x0000FF);
    // A square polygon offset up and right.
    const POINT carre[5] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    t.d.devepolygopix(20, 20, carre, 5);
    EXPECT_EQ(t.b.at(75, 25), 0x0000FFu);
    EXPECT_EQ(t.b.at(75, 75), 0xFFFFFFu);
    t.d.setcreabrosse(0x00FF00);
    t.d.setgeocrayonpix(1, 0x00FF00);
    t.d.devecerclepix(-25, -25, 5);
    EXPECT_EQ(t.b.at(25, 75), 0x00FF00u);
    t.d.setgeocrayonpix(1, 0xFF0000);
    t.d.atrasegpur(-40, 40, -20, 40);
    EXPECT_EQ(t.b.at(15, 10), 0xFF0000u);
    finusageressources();
}

TEST(primitives, rectangles_turn_and_hexagons_have_six_corners) {
    toile t;
    t.d.setgeocrayonpix(1, 0);
    t.d.setcreabrosse(0);
    t.d.deverectanpix(0, 0, 90, 40, 10);
    // Turned a quarter: 10 wide, 40 high.
    EXPECT_EQ(t.b.at(50, 32), 0u);
    EXPECT_EQ(t.b.at(32, 50), 0xFFFFFFu);
    t.b.remplit(0xFFFFFF);
    t.d.devehexagopix(0, 0, 0, 30);
    EXPECT_EQ(t.b.at(78, 50), 0u); // corner A at (30, 0)
    EXPECT_EQ(t.b.at(50, 76), 0u); // below the centre, inside
    EXPECT_EQ(t.b.at(50, 80), 0xFFFFFFu);
    finusageressources();
}

TEST(primitives, text_in_millimetres_and_the_registered_sign) {
    toile t;
    mapolice.createbis(16, 0, 0, 0, 400, "Arial");
    mapolice.colornoback(0);
    t.d.ecrimm(0, 0, "I", 1);
    int encre = 0;
    for (int y = 40; y < 60; ++y)
        for (int x = 45; x < 55; ++x) encre += t.b.at(x, y) != 0xFFFFFF ? 1 : 0;
    EXPECT_GT(encre, 5);
    t.b.remplit(0xFFFFFF);
    t.d.deveregistredmmbon(5.7f, 0, 3);
    // Written centred on x = 5 mm (18 px right of the centre).
    int gauche = 100;
    int droite = -1;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (t.b.at(x, y) != 0xFFFFFF) {
                gauche = std::min(gauche, x);
                droite = std::max(droite, x);
            }
    ASSERT_GE(droite, 0);
    EXPECT_NEAR((gauche + droite) / 2.0, 68, 2);
    EXPECT_EQ(mapolice.get(), nullptr);
    finusageressources();
}

TEST(devices, installing_a_window_device_takes_the_screen_resolution_and_the_client_size) {
    bitmapmemoire b(10, 10);
    cladevout fenetre;
    fenetre.setechelle(2.0f);
    devinstalle(fenetre, b.dc(), 640, 480);
    EXPECT_STREQ(fenetre.getname(), "fenetre");
    EXPECT_GT(fenetre.getdpix(), 0);
    EXPECT_EQ(fenetre.getechelle(), 1.0f);
    EXPECT_EQ(fenetre.getfeuilwpx(), 640);
    EXPECT_EQ(fenetre.getorigx(), 320);
    EXPECT_EQ(fenetre.getorigy(), 240);
    EXPECT_EQ(fenetre.gethdc(), b.dc());
}

} // namespace
