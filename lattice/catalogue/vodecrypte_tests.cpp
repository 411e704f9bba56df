// Tests of the scrambling of the stored texts: round trips, hidden texts and
// the steps one by one.
#include "lattice/catalogue/vodecrypte.h"

#include "foundation/gstring.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string crypte(const char* plain) {
    gstring g;
    crypvora(&g, plain);
    return g.adr();
}

TEST(Scrambling, RoundTripsEveryPrintableTextAndKeepsOtherBytes) {
    std::string tous;
    for (int c = 32; c < 127; ++c) tous += static_cast<char>(c);
    const char* textes[] = {"",
                            "A",
                            "AB",
                            "ABC",
                            "%75,XAB2,AWPK,BVUK",
                            tous.c_str(),
                            "r\xe8gle \xe0 six",
                            "1251-1,1251-2,1709-6"};
    for (const char* t : textes) {
        const std::string c = crypte(t);
        EXPECT_EQ(c.size(), std::string(t).size());
        EXPECT_STREQ(decrypvora(c.c_str()), t) << "scrambled as \"" << c << "\"";
    }
    EXPECT_STREQ(decrypvora(nullptr), "");
    // Accented bytes are outside the substitution and keep their value.
    EXPECT_NE(crypte("r\xe8gle").find('\xe8'), std::string::npos);
}

TEST(Scrambling, HidesTheText) {
    const std::string c = crypte("XAB2,XA2B,XB2C,AWPK,A2VQK,BWUK");
    EXPECT_EQ(c.find("XAB2"), std::string::npos);
    EXPECT_EQ(c.find("AWPK"), std::string::npos);
    EXPECT_NE(crypte("AAAAAA"), "AAAAAA");
}

TEST(Scrambling, StepsUndoOneByOne) {
    char t[] = "abcde";
    inversemoities(t);
    EXPECT_STREQ(t, "decab");
    inversemoities(t);
    EXPECT_STREQ(t, "abcde");
    EXPECT_STREQ(noncrypte("plain"), "plain");
}

} // namespace
