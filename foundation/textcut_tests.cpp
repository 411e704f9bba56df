// Tests of in-place cutting, joining into bounded buffers and replacement.
#include "foundation/textcut.h"
#include "foundation/textjoin.h"
#include "foundation/textreplace.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextCut, CutsAndKeepsClipToTheText) {
    char a[] = "abcdef";
    cutleft(a, 2);
    EXPECT_STREQ(a, "cdef");
    cutright(a, 1);
    EXPECT_STREQ(a, "cde");
    cutright(a, -4);
    EXPECT_STREQ(a, "cde");
    keepright(a, 2);
    EXPECT_STREQ(a, "de");
    keepleft(a, 9);
    EXPECT_STREQ(a, "de");
    keepleft(a, 0);
    EXPECT_STREQ(a, "");
    char b[] = "xyz";
    cutleft(b, 10);
    EXPECT_STREQ(b, "");
}

TEST(TextCut, TrimsBlanksOnly) {
    char a[] = "  a b\t  ";
    gdltrim(a);
    EXPECT_STREQ(a, "a b\t  ");
    gdrtrim(a);
    EXPECT_STREQ(a, "a b\t");
    gdalltrim(a);
    EXPECT_STREQ(a, "ab\t");
}

TEST(TextCut, FoldsReversesAndMeasures) {
    char a[] = "\xe9t\xe9 Ab";
    strmaju(a);
    EXPECT_STREQ(a, "\xe9T\xe9 AB");
    strminu(a);
    EXPECT_STREQ(a, "\xe9t\xe9 ab");
    strinverse(a);
    EXPECT_STREQ(a, "ba \xe9t\xe9");
    EXPECT_EQ(lastchar(a), '\xe9');
    EXPECT_EQ(lastchar(""), 0);
    EXPECT_EQ(*atend(a), 0);
    EXPECT_EQ(gdstrlenvg("abc,de"), 3);
    EXPECT_EQ(gdstrlen(nullptr), 0);
    EXPECT_EQ(gdstrlen(std::string(40000, 'x').c_str()), maxtextlen) << "lengths saturate";
}

TEST(TextCut, XpaddingStopsAtTheCapacity) {
    char a[8] = "ab";
    xpadding(a, 5);
    EXPECT_STREQ(a, "ab   ");
    xpadding(a, 100);
    EXPECT_STREQ(a, "ab     ") << "7 characters and the NUL fill 8 bytes";
    xpadding(a, 2);
    EXPECT_STREQ(a, "ab     ") << "never shortens";
}

TEST(TextJoin, ComposerCutsToCapacityAndAcceptsItsOwnBuffer) {
    char small[6];
    composer(small, "abc", nullptr, "defgh");
    EXPECT_STREQ(small, "abcde");
    char buf[32] = "mid";
    composer(buf, "[", buf, "]", "1", "2", "3", "4");
    EXPECT_STREQ(buf, "[mid]1234");
}

TEST(TextJoin, DansMayUseTheTargetsOwnText) {
    gstring g("x");
    dans(g, g.adr(), "-", g.adr());
    EXPECT_STREQ(g.adr(), "x-x");
    dans(g, "a", g.adr(), "b", g.adr());
    EXPECT_STREQ(g.adr(), "ax-xbx-x");
}

TEST(TextReplace, ReplacesCaseInsensitivelyWithoutRescanning) {
    heaptext p = heapnew("Aa-aA-b");
    heapreplaceall(p, "a", "aa");
    EXPECT_STREQ(p.adr(), "aaaa-aaaa-b");
    heapreplaceone(p, "AAAA", "x");
    EXPECT_STREQ(p.adr(), "x-aaaa-b");
    heapreplaceall(p, "", "y");
    EXPECT_STREQ(p.adr(), "x-aaaa-b") << "an empty old text replaces nothing";
    heaptext none;
    heapreplaceall(none, "a", "b");
    EXPECT_STREQ(none.adr(), "");
    heapadd(p, "1", nullptr, "2");
    EXPECT_STREQ(p.adr(), "x-aaaa-b12");
    heapchange(p, p.adr() + 2);
    EXPECT_STREQ(p.adr(), "aaaa-b12");
    EXPECT_STREQ(heapxrepeat(3, "ab").adr(), "ababab");
    EXPECT_STREQ(heapxrepeat(-1, "ab").adr(), "");
}

TEST(TextReplace, XreplacelgokStaysWithinCapacity) {
    char buf[10] = "a.b.c.d";
    EXPECT_EQ(xreplacelgok(buf, 2, ".", "::"), 2);
    EXPECT_STREQ(buf, "a::b::c.d");
    EXPECT_EQ(xreplacelgok(buf, 5, ".", "::"), 0) << "10 characters would not fit";
    EXPECT_STREQ(buf, "a::b::c.d");
    EXPECT_EQ(xreplacelgok(buf, 5, "::", ""), 2);
    EXPECT_STREQ(buf, "abc.d");
}

TEST(HeapText, AllocatesAndMovesOwnership) {
    heaptext a = heapnew("ab", "cd", nullptr, "ef", "", "g");
    EXPECT_STREQ(a.adr(), "abcdefg");
    heaptext b = std::move(a);
    EXPECT_TRUE(a.isnull());
    EXPECT_STREQ(a.text(), "");
    EXPECT_EQ(b.size(), 7u);
    deletepnullchaine(b);
    EXPECT_TRUE(b.isnull());
    EXPECT_STREQ(heapline(3, '-').adr(), "---");
    EXPECT_STREQ(heapline(0, '-').adr(), "");
    EXPECT_STREQ(heaparea(-3).adr(), "");
    EXPECT_STREQ(dup(nullptr).adr(), "");
}

} // namespace
