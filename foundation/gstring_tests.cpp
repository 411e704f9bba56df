// Tests of the owned string.
#include "foundation/gstring.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Gstring, AssignsAndAppendsEvenFromItsOwnText) {
    gstring g;
    EXPECT_TRUE(g.isempty());
    g.set("ab", nullptr, "c");
    EXPECT_STREQ(g.adr(), "abc");
    g.cat(g.adr(), "-", g.adr());
    EXPECT_STREQ(g.adr(), "abcabc-abc");
    g.set(g.adr() + 3);
    EXPECT_STREQ(g.adr(), "abc-abc");
    g.setselon(false, "yes", "no");
    EXPECT_STREQ(g.adr(), "no");
    g.catselon(true, "!", "?");
    EXPECT_STREQ(g.adr(), "no!");
    g.addncarac(3, '.');
    g.addncarac(-1, 'x');
    EXPECT_STREQ(g.adr(), "no!...");
    gstring h;
    h.gset(g);
    g.clear();
    EXPECT_STREQ(h.adr(), "no!...");
    EXPECT_TRUE(g.isempty());
}

TEST(Gstring, AffectAdoptsAHeapBuffer) {
    gstring g("old");
    g.affect(heapnew("new"));
    EXPECT_STREQ(g.adr(), "new");
    g.affect(heaptext());
    EXPECT_STREQ(g.adr(), "") << "a null buffer gives the empty string";
    g.affect(g.gdup());
    EXPECT_STREQ(g.adr(), "");
}

TEST(Gstring, MovesLeaveTheSourceEmpty) {
    gstring a("text");
    gstring b(std::move(a));
    EXPECT_STREQ(b.adr(), "text");
    EXPECT_STREQ(a.adr(), "");
    a = std::move(b);
    EXPECT_STREQ(a.adr(), "text");
    swapgstring(a, b);
    EXPECT_STREQ(b.adr(), "text");
    EXPECT_STREQ(a.adr(), "");
}

TEST(Gstring, SubstringsClipToTheText) {
    gstring g;
    g.setmid("abcdef", 2, 3);
    EXPECT_STREQ(g.adr(), "bcd");
    g.setmid("abcdef", 5, 10);
    EXPECT_STREQ(g.adr(), "ef");
    g.setmid("abcdef", 7, 1);
    EXPECT_STREQ(g.adr(), "");
    g.setmid("abcdef", 0, 3);
    EXPECT_STREQ(g.adr(), "ab") << "start 0 moves to 1 and shortens len";
    g.setmid("abcdef", -32768, 32767);
    EXPECT_STREQ(g.adr(), "");
    g.set("xy");
    g.catmid("abcdef", 6, 1);
    EXPECT_STREQ(g.adr(), "xyf");
    EXPECT_STREQ(g.substring(2, 5).adr(), "yf");
    EXPECT_STREQ(g.substring(1, 0).adr(), "");
    EXPECT_EQ(g.cara(3), 'f');
    EXPECT_EQ(g.cara(4), 0);
    EXPECT_EQ(g.cara(0), 0);
}

TEST(Gstring, SetmangeMovesTheHeadOfTheSource) {
    gstring src("abcdef"), g("x");
    g.setmange(src, 2);
    EXPECT_STREQ(g.adr(), "ab");
    EXPECT_STREQ(src.adr(), "cdef");
    g.setmange(src, 10);
    EXPECT_STREQ(g.adr(), "cdef");
    EXPECT_STREQ(src.adr(), "");
    src.set("rest");
    g.setmange(src, 0);
    EXPECT_STREQ(g.adr(), "");
    EXPECT_STREQ(src.adr(), "rest");
}

TEST(Gstring, BuildsNumberedAndRepeatedTexts) {
    gstring g;
    g.setxdiese("grid # of #", 3, 7);
    EXPECT_STREQ(g.adr(), "grid 3 of 7");
    g.setxdiese("n=#", -12);
    EXPECT_STREQ(g.adr(), "n=-12");
    g.setxdiese("none", 5);
    EXPECT_STREQ(g.adr(), "none");
    g.setsuite('a', 'e');
    EXPECT_STREQ(g.adr(), "abcde");
    g.setsuite('3', '1');
    EXPECT_STREQ(g.adr(), "321");
    g.setsuite('\xfe', '\xff');
    EXPECT_STREQ(g.adr(), "\xfe\xff") << "codes are unsigned bytes";
    g.setrepet(3, "ab");
    EXPECT_STREQ(g.adr(), "ababab");
    g.setrepet(2, '*');
    EXPECT_STREQ(g.adr(), "**");
}

TEST(Gstring, PaddingNeverShortensAndAreasKeepTheText) {
    gstring g("ab");
    g.padding(4);
    EXPECT_STREQ(g.adr(), "ab  ");
    g.padding(1);
    g.padding(-32768);
    EXPECT_STREQ(g.adr(), "ab  ");
    g.paddingcara("-x", 6);
    EXPECT_STREQ(g.adr(), "ab  --");
    g.addarea(10);
    EXPECT_STREQ(g.adr(), "ab  --");
    g.setarea(20);
    EXPECT_TRUE(g.isempty());
}

TEST(Gstring, TrimsReplacesAndCompares) {
    gstring g("  Grid  ");
    g.ltrim();
    EXPECT_STREQ(g.adr(), "Grid  ");
    g.rtrim();
    EXPECT_STREQ(g.adr(), "Grid");
    g.replaceall("G", "gg");
    EXPECT_STREQ(g.adr(), "ggrid");
    g.replaceone("G", "");
    EXPECT_STREQ(g.adr(), "grid");
    EXPECT_TRUE(g.uqual("GRID"));
    EXPECT_TRUE(g.debut("GR"));
    g.set("   AB:CD");
    EXPECT_TRUE(g.debut("ab:")) << "leading blanks are ignored";
    EXPECT_FALSE(g.debut("abc"));
    EXPECT_TRUE(g.notempty());
    EXPECT_EQ(g.len(), 8);
}

TEST(Gstring, LongTextsWorkWholeAndLengthsSaturate) {
    std::string big(40000, 'a');
    gstring g(big.c_str());
    EXPECT_EQ(g.len(), maxtextlen);
    g.cat("b");
    EXPECT_EQ(std::string(g.adr()).size(), 40001u);
    g.replaceall("B", "c");
    EXPECT_EQ(std::string(g.adr()).back(), 'c');
    g.padding(maxtextlen);
    EXPECT_EQ(std::string(g.adr()).size(), 40001u);
}

} // namespace
