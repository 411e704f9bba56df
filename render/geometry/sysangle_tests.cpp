// Tests of the point rotation: exact quarter turns, the boundary of exactness,
// turns through cosine and sine, and the 16-bit results.
#include "render/geometry/sysangle.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(sysangle, quarter_turns_swap_signs_exactly) {
    const float x = 12345.678f;
    const float y = -0.001f;
    struct cas {
        float deg;
        short quart;
        float xt;
        float yt;
    };
    for (const cas& c :
         {cas{0, 0, x, y}, cas{90, 90, -y, x}, cas{180, 180, -x, -y}, cas{270, 270, y, -x},
          cas{360, 0, x, y}, cas{720, 0, x, y}, cas{450, 90, -y, x}, cas{-0.2f, 0, x, y}}) {
        sysangle a;
        a.setadeg(c.deg);
        a.setxy(x, y);
        EXPECT_TRUE(a.estexact()) << c.deg << " degrees";
        EXPECT_EQ(a.getquart(), c.quart) << c.deg << " degrees";
        EXPECT_EQ(a.getxf(), c.xt) << c.deg << " degrees";
        EXPECT_EQ(a.getyf(), c.yt) << c.deg << " degrees";
    }
}

TEST(sysangle, an_angle_within_a_quarter_degree_below_90_counts_as_90) {
    sysangle a;
    a.setadeg(89.8f);
    a.setxy(10, 0);
    EXPECT_TRUE(a.estexact());
    EXPECT_EQ(a.getquart(), 90);
    EXPECT_EQ(a.getxf(), 0.0f) << "no rounding error at an exact quarter turn";
    EXPECT_EQ(a.getyf(), 10.0f);
    EXPECT_EQ(a.getx(), 0);
    EXPECT_EQ(a.gety(), 10);
    EXPECT_FLOAT_EQ(a.getdeg(), 89.8f) << "the angle is kept as given";
}

TEST(sysangle, angles_off_a_quarter_turn_go_through_cosine_and_sine) {
    sysangle a;
    a.setadeg(89.7f);
    EXPECT_FALSE(a.estexact());
    a.setxy(10, 0);
    const double r = 89.7 * 3.141592653589793 / 180;
    EXPECT_NEAR(a.getxf(), 10 * std::cos(r), 1e-4);
    EXPECT_NEAR(a.getyf(), 10 * std::sin(r), 1e-4);
    EXPECT_GT(a.getxf(), 0.0f);
    EXPECT_EQ(a.getx(), 0) << "0.052 truncates to 0";
    EXPECT_EQ(a.gety(), 9) << "9.9986 truncates to 9";
}

TEST(sysangle, negative_quarter_turns_land_one_degree_off_and_are_not_exact) {
    for (float deg : {-90.0f, -180.0f, -270.0f}) {
        sysangle a;
        a.setadeg(deg);
        EXPECT_FALSE(a.estexact()) << deg << " degrees (-90 gives 271)";
        EXPECT_EQ(a.getquart(), 0) << deg << " degrees";
    }
    sysangle a;
    a.setadeg(-90);
    a.setxy(10, 0);
    EXPECT_NEAR(a.getxf(), 0.0f, 1e-5);
    EXPECT_NEAR(a.getyf(), -10.0f, 1e-5);
}

TEST(sysangle, tenths_and_radians_are_never_exact) {
    sysangle a;
    a.setadeg(90);
    a.setadix(900);
    EXPECT_FALSE(a.estexact());
    EXPECT_FLOAT_EQ(a.getdeg(), 90.0f);
    a.setxy(0, 100);
    EXPECT_NEAR(a.getxf(), -100.0f, 1e-4);

    a.setadeg(180);
    a.setarad(3.141592653589793f / 2);
    EXPECT_FALSE(a.estexact()) << "a turn given in radians follows the radians";
    EXPECT_NEAR(a.getxf(), -100.0f, 1e-4);
    EXPECT_NEAR(a.getyf(), 0.0f, 1e-4);
}

TEST(sysangle, integer_results_truncate_toward_zero_and_clamp_to_16_bits) {
    sysangle a;
    a.setadeg(0);
    a.setxy(-2.9f, 2.9f);
    EXPECT_EQ(a.getx(), -2);
    EXPECT_EQ(a.gety(), 2);
    a.setxy(40000, -40000);
    EXPECT_EQ(a.getx(), 32767);
    EXPECT_EQ(a.gety(), -32768);
    a.setadeg(std::numeric_limits<float>::quiet_NaN());
    EXPECT_FALSE(a.estexact());
    EXPECT_EQ(a.getx(), 0);
    EXPECT_EQ(a.gety(), 0);
    a.setadeg(std::numeric_limits<float>::infinity());
    EXPECT_FALSE(a.estexact());
}

} // namespace
