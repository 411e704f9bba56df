// Tests of the array view: binding, clearing, and the two adding operations on
// full and partial views.
#include "grid/shortabunedim.h"

#include <array>
#include <gtest/gtest.h>
#include <initializer_list>

namespace {

using tableau = std::array<short, 6>;

TEST(shortabunedim, setraztab_clears_only_the_viewed_entries) {
    tableau t{1, 2, 3, 4, 5, 6};
    shortabunedim vue;
    vue.setraztab(4, t.data());
    EXPECT_EQ(t, (tableau{0, 0, 0, 0, 5, 6}));
    EXPECT_EQ(vue.getnombre(), 4);
    EXPECT_EQ(vue.getbas(), 0);
    EXPECT_EQ(vue.gethaut(), 3);
}

TEST(shortabunedim, setontab_with_bounds_counts_hi_minus_lo_plus_one_from_the_first_entry) {
    tableau t{1, 2, 3, 4, 5, 6};
    shortabunedim vue;
    vue.setontab(3, 5, t.data());
    EXPECT_EQ(vue.getnombre(), 3);
    vue.raz();
    EXPECT_EQ(t, (tableau{0, 0, 0, 4, 5, 6}));
}

TEST(shortabunedim, add_fills_the_first_zero_and_never_writes_past_a_partial_view) {
    tableau t{4, 0, 7, 0, 0, 0};
    shortabunedim vue;
    vue.setontab(4, t.data());
    vue.add(9);
    EXPECT_EQ(t, (tableau{4, 9, 7, 0, 0, 0}));
    vue.add(9);
    EXPECT_EQ(t, (tableau{4, 9, 7, 9, 0, 0})) << "add does not look for the value";
    vue.add(5);
    EXPECT_EQ(t, (tableau{4, 9, 7, 9, 0, 0})) << "a full view takes nothing";
}

TEST(shortabunedim, addone_adds_only_an_absent_value_into_the_first_zero) {
    tableau t{4, 7, 0, 0, -1, -1};
    shortabunedim vue;
    vue.setontab(4, t.data());
    vue.addone(7);
    EXPECT_EQ(t, (tableau{4, 7, 0, 0, -1, -1}));
    vue.addone(9);
    EXPECT_EQ(t, (tableau{4, 7, 9, 0, -1, -1}));
    vue.addone(9);
    vue.addone(3);
    EXPECT_EQ(t, (tableau{4, 7, 9, 3, -1, -1}));
    vue.addone(5);
    EXPECT_EQ(t, (tableau{4, 7, 9, 3, -1, -1})) << "a full view takes nothing";
}

TEST(shortabunedim, addone_finds_a_value_standing_after_a_zero) {
    tableau t{4, 0, 7, 0, 0, 0};
    shortabunedim vue;
    vue.setontab(6, t.data());
    vue.addone(7);
    EXPECT_EQ(t, (tableau{4, 0, 7, 0, 0, 0}));
}

TEST(shortabunedim, empty_or_unbound_views_touch_nothing) {
    tableau t{1, 0, 3, 0, 5, 0};
    const tableau avant = t;
    shortabunedim vue;
    EXPECT_EQ(vue.getnombre(), 0);
    vue.add(8);
    vue.addone(8);
    vue.raz();
    for (short n : std::initializer_list<short>{0, -1, -32768}) {
        vue.setraztab(n, t.data());
        EXPECT_EQ(vue.getnombre(), 0) << "n " << n;
        vue.add(8);
        vue.addone(8);
    }
    vue.setontab(5, 4, t.data());
    EXPECT_EQ(vue.getnombre(), 0);
    vue.raz();
    vue.setontab(6, nullptr);
    EXPECT_EQ(vue.getnombre(), 0);
    vue.add(8);
    EXPECT_EQ(t, avant);
}

} // namespace
