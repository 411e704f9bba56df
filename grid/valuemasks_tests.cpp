// Tests of the value-mask tables and functions, against the bit definitions
// (the tables build themselves on first use: no start-up here).
#include "grid/valuemasks.h"

#include <bit>
#include <gtest/gtest.h>

namespace {

constexpr short horsplage[] = {-32768, -1, 8, 9, 64, 32767};

TEST(valuemasks, possunevaleur_is_the_bit_of_each_value_and_empty_outside_0_to_7) {
    EXPECT_EQ(possunevaleur(0), 0);
    for (short v = 1; v <= 7; ++v) EXPECT_EQ(possunevaleur(v), 1 << (v - 1)) << "value " << v;
    for (short v : horsplage) EXPECT_EQ(possunevaleur(v), 0) << "value " << v;
}

TEST(valuemasks, possunevalinv_is_the_full_set_less_the_value_and_empty_elsewhere) {
    for (short v = 1; v <= 6; ++v)
        EXPECT_EQ(possunevalinv(v), 63 & ~(1 << (v - 1))) << "value " << v;
    EXPECT_EQ(possunevalinv(0), 0);
    EXPECT_EQ(possunevalinv(7), 0);
    for (short v : horsplage) EXPECT_EQ(possunevalinv(v), 0) << "value " << v;
    EXPECT_EQ(possunevalinv(3), 59);
}

TEST(valuemasks, possiblinverse_complements_within_the_six_values) {
    for (short m = 0; m <= 63; ++m) {
        EXPECT_EQ(possiblinverse(m) & m, 0) << "mask " << m;
        EXPECT_EQ(possiblinverse(m) | m, 63) << "mask " << m;
    }
    EXPECT_EQ(possiblinverse(59), 4);
    EXPECT_EQ(possiblinverse(59), possunevaleur(3));
}

TEST(valuemasks, both_membership_tests_read_bit_v_minus_1) {
    for (short m = 0; m <= 63; ++m) {
        for (short v = 1; v <= 6; ++v) {
            const short attendu = static_cast<short>((m >> (v - 1)) & 1);
            EXPECT_EQ(yavaldansposs(v, m), attendu) << "value " << v << " mask " << m;
            EXPECT_EQ(yavaldpo(v, m), attendu) << "value " << v << " mask " << m;
        }
        EXPECT_EQ(yavaldansposs(0, m), 0);
        EXPECT_EQ(yavaldpo(0, m), 0);
    }
    for (short v : horsplage) {
        EXPECT_EQ(yavaldansposs(v, -1), 0) << "value " << v;
        EXPECT_EQ(yavaldpo(v, -1), 0) << "value " << v;
    }
    EXPECT_EQ(yavaldpo(7, 127), 0) << "the switch knows only the values 1..6";
}

TEST(valuemasks, nombrevaldansposs_counts_the_six_low_bits_of_any_mask) {
    for (short m = 0; m <= 63; ++m)
        EXPECT_EQ(nombrevaldansposs(m), std::popcount(static_cast<unsigned>(m))) << "mask " << m;
    EXPECT_EQ(nombrevaldansposs(0), 0);
    EXPECT_EQ(nombrevaldansposs(63), 6);
    EXPECT_EQ(nombrevaldansposs(21), 3);
    EXPECT_EQ(nombrevaldansposs(64), 0);
    EXPECT_EQ(nombrevaldansposs(127), 6);
    EXPECT_EQ(nombrevaldansposs(-1), 6);
    EXPECT_EQ(nombrevaldansposs(-32768), 0);
}

TEST(valuemasks, modulosix_remainder_follows_the_sign_of_n) {
    EXPECT_EQ(modulosix(13), 1);
    EXPECT_EQ(modulosix(-13), -1);
    EXPECT_EQ(modulosix(-6), 0);
    EXPECT_EQ(modulosix(32767), 1);
    EXPECT_EQ(modulosix(-32768), -2);
}

} // namespace
