// Tests of clawinregion: shapes added, intersected, moved and copied, checked
// pixel by pixel with PtInRegion.
#include "shell/clawinregion.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct pixel {
    int x, y;
    bool dedans;
};

void verifie(HRGN r, const std::vector<pixel>& pixels, const char* quoi) {
    for (const pixel& p : pixels)
        EXPECT_EQ(PtInRegion(r, p.x, p.y) != FALSE, p.dedans) << quoi << " " << p.x << "," << p.y;
}

TEST(clawinregion, each_shape_holds_the_pixels_of_its_box_or_outline) {
    const POINT triangle[4] = {{100, 100}, {140, 100}, {100, 140}, {100, 100}};
    const struct {
        const char* quoi;
        void (*ajoute)(clawinregion&, const POINT*);
        std::vector<pixel> pixels;
    } cas[] = {
        {"addrectanglen",
         [](clawinregion& r, const POINT*) { r.addrectanglen(10, 20, 30, 5); },
         {{10, 20, true}, {39, 24, true}, {40, 24, false}, {39, 25, false}, {9, 20, false}}},
        // Halves truncated: 11 wide gives 50 - 5 .. 50 + 5.
        {"addrectanglec",
         [](clawinregion& r, const POINT*) { r.addrectanglec(50, 60, 11, 20); },
         {{45, 50, true}, {54, 69, true}, {55, 60, false}, {44, 60, false}, {50, 70, false}}},
        {"addellipse",
         [](clawinregion& r, const POINT*) { r.addellipse(50, 50, 40, 40); },
         {{50, 50, true}, {31, 50, true}, {68, 50, true}, {70, 50, false}, {33, 33, false}}},
        {"addpolygone",
         [](clawinregion& r, const POINT* t) { r.addpolygone(t, 4); },
         {{101, 101, true}, {110, 125, true}, {125, 125, false}, {99, 120, false}}},
    };
    for (const auto& c : cas) {
        clawinregion r;
        EXPECT_FALSE(r.existe());
        c.ajoute(r, triangle);
        ASSERT_TRUE(r.existe()) << c.quoi;
        verifie(r.gethandle(), c.pixels, c.quoi);
    }
}

TEST(clawinregion, union_intersection_move_and_copy_combine_as_regions_do) {
    clawinregion r;
    EXPECT_EQ(r.getdx(), 6);
    EXPECT_EQ(r.getdy(), 32);
    r.addrectanglen(0, 0, 20, 20);
    r.addrectanglen(30, 0, 20, 20);
    verifie(r.gethandle(), {{5, 5, true}, {25, 5, false}, {35, 5, true}}, "union");

    HRGN coupe = CreateRectRgn(10, 0, 40, 10);
    r.intersec(coupe);
    DeleteObject(coupe);
    verifie(r.gethandle(), {{5, 5, false}, {15, 5, true}, {35, 5, true}, {35, 15, false}},
            "intersection");

    r.move(100, 50);
    verifie(r.gethandle(), {{15, 5, false}, {115, 55, true}, {135, 55, true}}, "move");

    HRGN copie = r.copie();
    r.nouvoclear();
    verifie(r.gethandle(), {{115, 55, false}}, "cleared");
    verifie(copie, {{115, 55, true}, {125, 55, false}}, "copy");
    DeleteObject(copie);

    r.kill();
    EXPECT_FALSE(r.existe());
    HRGN vide = r.copie();
    verifie(vide, {{0, 0, false}}, "copy of nothing");
    DeleteObject(vide);
}

} // namespace
