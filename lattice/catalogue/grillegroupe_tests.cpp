// Tests of the grouped definition texts: percentage suffixes, remarks and
// empty words.
#include "lattice/catalogue/grillegroupe.h"

#include "foundation/lichavo.h"

#include <gtest/gtest.h>

namespace {

TEST(GroupedTexts, SuffixRemarksAndClearing) {
    lichavo l;
    developgroupe("%80,XAB,#note,AWPJ,%0,BVUM", &l);
    ASSERT_EQ(l.effectif(), 3);
    EXPECT_STREQ(l.adr(1), "XAB%80");
    EXPECT_STREQ(l.adr(2), "AWPJ%80");
    EXPECT_STREQ(l.adr(3), "BVUM");
}

TEST(GroupedTexts, EachTextStartsWithoutSuffixAndSkipsEmptyWords) {
    lichavo l;
    developgroupe("%75,A2WPK", &l);
    developgroupe(" XA , ,%90, BVQK,", &l);
    developgroupe("", &l);
    ASSERT_EQ(l.effectif(), 3);
    EXPECT_STREQ(l.adr(1), "A2WPK%75");
    EXPECT_STREQ(l.adr(2), "XA");
    EXPECT_STREQ(l.adr(3), "BVQK%90");
}

} // namespace
