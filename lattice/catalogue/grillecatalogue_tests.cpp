// Tests of the catalogue: scrambling round trips, grouped texts, look-ups by
// name, loading into a slot, and that no plain definition is stored.
#include "lattice/catalogue/grillecatalogue.h"
#include "lattice/catalogue/grillegroupe.h"
#include "lattice/catalogue/vodecrypte.h"

#include "grid/vocalculinit.h"

#include "foundation/depile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
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
