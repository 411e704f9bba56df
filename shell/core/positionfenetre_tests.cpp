// Tests of the play window's opening position: inside the work area when it
// fits, else from the area's top-left corner, whatever position was stored.
#include "shell/core/positionfenetre.h"

#include <gtest/gtest.h>

namespace {

TEST(Rentrezone, TheWindowOpensOnTheWorkArea) {
    const zoneecran z{0, 30, 1024, 738};
    const struct {
        short x, y;
        long largeur, hauteur;
        short ax, ay;
    } cas[] = {
        {60, 60, 400, 300, 60, 60},        // inside: kept
        {5000, 5000, 400, 300, 624, 438},  // past the bottom right: moved back, whole
        {-300, -50, 400, 300, 0, 30},      // past the top left
        {700, 10, 400, 300, 624, 30},      // over the right edge and above the area
        {600, 400, 424, 338, 600, 400},    // touching the bottom right corner
        {5000, 5000, 2000, 300, 0, 438},   // wider than the area: from its left edge
        {5000, 5000, 400, 2000, 624, 30},  // taller: from its top edge
        {-5000, 32767, 3000, 3000, 0, 30}, // larger both ways: from its corner
        {1, 1, 1024, 708, 0, 30},          // exactly the area
    };
    for (const auto& c : cas) {
        short x = c.x;
        short y = c.y;
        rentrezone(x, y, c.largeur, c.hauteur, z);
        EXPECT_EQ(x, c.ax) << c.x << "," << c.y << " " << c.largeur << "x" << c.hauteur;
        EXPECT_EQ(y, c.ay) << c.x << "," << c.y << " " << c.largeur << "x" << c.hauteur;
    }
    // A work area away from the origin (a second screen, a panel on the left).
    short x = 0;
    short y = 0;
    rentrezone(x, y, 300, 200, zoneecran{-1280, 0, 0, 1024});
    EXPECT_EQ(x, -300);
    EXPECT_EQ(y, 0);
}

} // namespace
