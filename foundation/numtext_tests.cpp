// Tests of number-to-text conversion, the wi stack and the numeric helpers.
#include "foundation/numbers.h"
#include "foundation/numtext.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NumText, ViWritesDecimalForms) {
    EXPECT_STREQ(vi(-5), "-5");
    EXPECT_STREQ(vi(42, 4), "0042");
    EXPECT_STREQ(vi(12345, 3), "345");
    EXPECT_STREQ(vi(-5, 3), "-05");
    EXPECT_STREQ(vi(7, 0), "");
    EXPECT_STREQ(vi(-2147483647 - 1), "-2147483648");
    EXPECT_STREQ(vi(-2147483647 - 1, 11), "-2147483648");
    EXPECT_STREQ(vi(1, 40), "00000000001") << "widths are clipped to 11";
    EXPECT_STREQ(vicara('x'), "x");
    EXPECT_STREQ(vflo(1.5), "1.5");
    EXPECT_STREQ(vouinon(true), "oui");
}

TEST(NumText, ViResultsStayValidUntilTheAreaWrapsRound) {
    const char* a = vi(1);
    const char* b = vi(2);
    const char* c = vicara('c');
    const char* d = vi(4, 2);
    EXPECT_EQ(std::string(a) + b + c + d, "12c04") << "several results used in one expression";
    std::string seen;
    for (int k = 0; k < 50; ++k) seen += vi(k % 10); // wraps many times, never overflows
    EXPECT_EQ(seen.size(), 50u);
}

TEST(NumText, WiResultsLiveOnTheStackUntilReset) {
    wiraz();
    const char* keep = wi(10);
    wimemo();
    const char* a = wivg(3);
    const char* b = wigauche(4, "ab");
    const char* c = widroite(4, "ab");
    const char* d = widroite(1, "abc");
    const char* e = wizo(7, 3);
    const char* f = wiselon(false, "yes", "no");
    EXPECT_STREQ(a, "3,");
    EXPECT_STREQ(b, "ab  ");
    EXPECT_STREQ(c, "  ab");
    EXPECT_STREQ(d, "abc");
    EXPECT_STREQ(e, "007");
    EXPECT_STREQ(f, "no");
    EXPECT_STREQ(wicara('q'), "q");
    wireset();
    EXPECT_STREQ(keep, "10") << "results below the recorded depth stay valid";
    const char* g = wi(11);
    EXPECT_STREQ(g, "11");
    wireset(); // no recorded depth: empties the stack
    wiraz();
}

TEST(Numbers, BndsrotWrapsCyclically) {
    EXPECT_EQ(bndsrot(7, 1, 6), 1);
    EXPECT_EQ(bndsrot(0, 1, 6), 6);
    EXPECT_EQ(bndsrot(-13, 1, 6), 5);
    EXPECT_EQ(bndsrot(3, 1, 6), 3);
    EXPECT_EQ(bndsrot(32767, -32768, 32767), 32767);
    EXPECT_EQ(bndsrot(5, 3, 2), 3) << "an empty range gives lo";
}

TEST(Numbers, ClampsRangesAndDistances) {
    EXPECT_EQ(bndslim(9, 1, 6), 6);
    EXPECT_EQ(bndslim(-9, 1, 6), 1);
    EXPECT_TRUE(dansinter(6, 1, 6));
    EXPECT_FALSE(dansinter(7, 1, 6));
    EXPECT_EQ(maxint(1, 9, 4), 9);
    EXPECT_EQ(minint(1, -9), -9);
    EXPECT_EQ(pseudodistance(1, 2, 4, -2), 7);
    EXPECT_EQ(pseudodistance(-32768, -32768, 32767, 32767), 32767) << "saturates";
    EXPECT_TRUE(non(0));
    EXPECT_TRUE(nonzero(static_cast<short>(-1)));
    EXPECT_TRUE(azero('\0'));
}

} // namespace
