// Tests of case-insensitive comparison, natural ordering and search.
#include "foundation/textcompare.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextCompare, CarmajuFoldsOnlyAsciiLetters) {
    EXPECT_EQ(carmaju('a'), 'A');
    EXPECT_EQ(carmaju('z'), 'Z');
    EXPECT_EQ(carmaju('{'), '{');
    EXPECT_EQ(carmaju('\xe9'), '\xe9') << "accented letters are not folded";
    EXPECT_TRUE(strugal("Hexagone", "HEXAGONE"));
    EXPECT_FALSE(strugal("\xe9t\xe9", "\xc9T\xc9"));
    EXPECT_TRUE(strugal(nullptr, ""));
    EXPECT_TRUE(strugal("b", "a", "B"));
    EXPECT_TRUE(strudiff("ab", "abc"));
}

TEST(TextCompare, PlusgrandnorOrdersFoldedUnsignedBytes) {
    EXPECT_EQ(plusgrandnor("A10", "A9"), 2);
    EXPECT_EQ(plusgrandnor("b", "A"), 1);
    EXPECT_EQ(plusgrandnor("abc", "ABC"), 0);
    EXPECT_EQ(plusgrandnor("ab", "abc"), 2) << "a prefix sorts first";
    EXPECT_EQ(plusgrandnor("\xe9", "z"), 1) << "bytes above 127 sort after ASCII";
    EXPECT_EQ(plusgrandnor("_", "a"), 1) << "'_' sorts after 'A' once 'a' is folded";
}

TEST(TextCompare, PlusgrandalphanuComparesDigitRunsByValue) {
    EXPECT_EQ(plusgrandalphanu("A10", "A9"), 1);
    EXPECT_EQ(plusgrandalphanu("x9", "x100"), 2);
    EXPECT_EQ(plusgrandalphanu("a007", "A7"), 0) << "leading zeros do not count";
    EXPECT_EQ(plusgrandalphanu("a7b", "a7c"), 2);
    EXPECT_EQ(plusgrandalphanu("a7", "a7b"), 2);
    EXPECT_EQ(plusgrandalphanu("2x", "10"), 2);
    EXPECT_EQ(plusgrandalphanu("", ""), 0);
    std::string big(50000, '9');
    EXPECT_EQ(plusgrandalphanu(big.c_str(), ("1" + big).c_str()), 2) << "long runs are safe";
}

TEST(TextCompare, PlusgrandselonSelectsTheOrder) {
    EXPECT_EQ(plusgrandselon(0, "A10", "A9"), 2);
    EXPECT_EQ(plusgrandselon(1, "A10", "A9"), 1);
    EXPECT_EQ(plusgrandselon(7, "A10", "A9"), 0);
}

TEST(TextCompare, SearchesGiveOneBasedPositions) {
    EXPECT_EQ(potrouvumot("Hexagone", "GON"), 5) << "\"g\" is the fifth character";
    EXPECT_EQ(potrouvemot("Hexagone", "GON"), 0);
    EXPECT_EQ(potrouvemot("Hexagone", "gon"), 5);
    EXPECT_EQ(potrouvemot("Hexagone", "H"), 1);
    EXPECT_EQ(potrouvemot("Hexagone", ""), 0);
    EXPECT_EQ(potrouvemot("ab", "abc"), 0);
    EXPECT_EQ(trouvedernier("a,b,a,b", "a"), 5);
    EXPECT_EQ(trouvudernier("aXbx", "x"), 4);
    EXPECT_EQ(trouvedernier("aXbx", "X"), 2);
    EXPECT_EQ(trouvedernier("aaa", "aa"), 2);
    const char* text = "key=value";
    EXPECT_EQ(justapres(text, "="), text + 4);
    EXPECT_EQ(justapres(text, "#"), nullptr);
}

TEST(TextCompare, SearchesBeyond16BitPositionsReportNotFound) {
    std::string text(40000, 'a');
    text += "XY";
    EXPECT_EQ(potrouvemot(text.c_str(), "XY"), 0);
    text[100] = 'X';
    text[101] = 'Y';
    EXPECT_EQ(potrouvemot(text.c_str(), "XY"), 101);
    EXPECT_EQ(trouvedernier(text.c_str(), "XY"), 101) << "the last position that fits";
    EXPECT_NE(justapres(text.c_str(), "XY"), nullptr);
}

TEST(TextCompare, PrefixesSuffixesAndFirstWords) {
    EXPECT_TRUE(debuli("  Taille=3", "taille"));
    EXPECT_FALSE(debuli("Tail", "taille"));
    EXPECT_TRUE(debuli("x", ""));
    EXPECT_TRUE(finli("grid.TXT", ".txt"));
    EXPECT_FALSE(finli("t", "txt"));
    EXPECT_TRUE(strugalvg("ab,1", "AB,2"));
    EXPECT_TRUE(strugalvg("ab", "AB,2"));
    EXPECT_FALSE(strugalvg("abc,1", "ab,1"));

    char a[] = "  Level: 3  ";
    EXPECT_TRUE(debute(a, "level:"));
    EXPECT_STREQ(a, "3");
    char b[] = "other";
    EXPECT_FALSE(debute(b, "level"));
    EXPECT_STREQ(b, "other");
}

TEST(TextCompare, DanslisteFindsAWordInACommaList) {
    EXPECT_EQ(dansliste("b", "a, B ,c"), 2);
    EXPECT_EQ(dansliste("d", "a,b,c,"), 0);
    EXPECT_EQ(dansliste("", "a,,c"), 2);
    EXPECT_EQ(dansliste("a", ""), 0);
}

} // namespace
