// Tests of word popping from comma-separated text.
#include "foundation/depile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Depile, PopsTrimmedWordsKeepsEmptyFieldsAndDropsTrailingComma) {
    char buf[] = "  12 , ab,,x,";
    EXPECT_EQ(nbdepilable(buf), 4);
    gstring w;
    depilemot(w, buf);
    EXPECT_STREQ(w.adr(), "12");
    EXPECT_STREQ(buf, "ab,,x,") << "the rest is left-trimmed";
    depilemot(w, buf);
    EXPECT_STREQ(w.adr(), "ab");
    depilemot(w, buf);
    EXPECT_STREQ(w.adr(), "") << "an empty field between two commas pops as an empty word";
    depilemot(w, buf);
    EXPECT_STREQ(w.adr(), "x");
    EXPECT_STREQ(buf, "") << "a trailing comma leaves an empty buffer";
    depilemot(w, buf);
    EXPECT_STREQ(w.adr(), "");
}

TEST(Depile, VariantsDifferInRestTrimmingCaseAndWordBlanks) {
    char a[] = " ab ,  cd";
    gstring w;
    depilemotbkeep(w, a);
    EXPECT_STREQ(w.adr(), "ab");
    EXPECT_STREQ(a, "  cd") << "bkeep keeps the rest's leading blanks";

    char b[] = "héllo wörld,z";
    depilumot(w, b);
    EXPECT_STREQ(w.adr(), "HéLLO WöRLD") << "only a..z are upper-cased";

    char c[] = " ab , cd";
    depilemotbkeepall(w, c);
    EXPECT_STREQ(w.adr(), " ab ");
    EXPECT_STREQ(c, " cd");

    char d[] = "k, v";
    heaptext h = heapdepilumot(d);
    EXPECT_STREQ(h.adr(), "K");
    EXPECT_STREQ(d, "v");
}

TEST(Depile, PopsFromAGstringsOwnBuffer) {
    gstring g("one,two");
    g.depilefrom(g.adr());
    EXPECT_STREQ(g.adr(), "one") << "the word replaces the text it was popped from";
    gstring src("a,b"), w;
    w.depilufrom(src.adr());
    EXPECT_STREQ(w.adr(), "A");
    EXPECT_STREQ(src.adr(), "b");
    EXPECT_EQ(src.len(), 1);
}

TEST(Depile, CountsWords) {
    EXPECT_EQ(nbdepilable(""), 0);
    EXPECT_EQ(nbdepilable("   "), 0);
    EXPECT_EQ(nbdepilable(nullptr), 0);
    EXPECT_EQ(nbdepilable("a,b,"), 2);
    EXPECT_EQ(nbdepilable("a,b"), 2);
    EXPECT_EQ(nbdepilable("a,b,  "), 2);
    EXPECT_EQ(nbdepilable(",,"), 2);
}

TEST(Depile, ReadsIntegers) {
    char a[] = "-12abc,7";
    EXPECT_EQ(depilint(a), -12);
    EXPECT_EQ(depilint(a), 7);
    char b[] = "abc";
    EXPECT_EQ(depilint(b), 0);
    char c[] = "";
    EXPECT_EQ(depilint(c), 0);
    char d[] = " 3 ,75";
    EXPECT_EQ(depilint(d), 3);
    char e[] = "+5";
    EXPECT_EQ(depilint(e), 0) << "only a minus sign is read";
}

TEST(Depile, IntegersThatOverflowWrapRoundAs16Bits) {
    char a[] = "32768,65536,70000,-32769,99999999999999999999";
    EXPECT_EQ(depilint(a), -32768);
    EXPECT_EQ(depilint(a), 0);
    EXPECT_EQ(depilint(a), 70000 - 65536);
    EXPECT_EQ(depilint(a), 32767);
    EXPECT_EQ(depilint(a), -1) << "99999999999999999999 is 65535 modulo 65536";
}

TEST(Depile, RecupintConsumesLeadingDigitsOnly) {
    char a[] = "  42rest";
    EXPECT_EQ(recupint(a), 42);
    EXPECT_STREQ(a, "rest");
    char b[] = "-3";
    EXPECT_EQ(recupint(b), 0);
    EXPECT_STREQ(b, "-3");
    char c[] = "65537";
    EXPECT_EQ(recupint(c), 1);
}

TEST(Depile, ReadsFloatsAndComparesWords) {
    char a[] = "1.5, -2e3,x,+0.25";
    EXPECT_DOUBLE_EQ(depilefloat(a), 1.5);
    EXPECT_DOUBLE_EQ(depilefloat(a), -2000.0);
    EXPECT_DOUBLE_EQ(depilefloat(a), 0.0);
    EXPECT_DOUBLE_EQ(depilefloat(a), 0.25);
    char b[] = " Oui ,non";
    EXPECT_TRUE(depilugal(b, "OUI"));
    EXPECT_FALSE(depilugal(b, "no"));
}

TEST(Depile, DummydepileDropsWords) {
    char a[] = "a,b,c,d";
    dummydepile(a, 2);
    EXPECT_STREQ(a, "c,d");
    dummydepile(a, 10);
    EXPECT_STREQ(a, "");
}

TEST(Depile, ArbitraryBytesAndLongTextsAreSafe) {
    std::string text;
    for (int k = 0; k < 40000; ++k) text.push_back(static_cast<char>(1 + (k * 37) % 255));
    std::string copy = text;
    int words = 0;
    while (!copy.empty() && copy[0] != 0) {
        heaptext w = heapdepilemot(copy.data());
        copy.resize(std::char_traits<char>::length(copy.c_str()));
        ASSERT_LE(w.size(), text.size());
        ++words;
    }
    EXPECT_GT(words, 1);

    std::string digits(40000, '9');
    EXPECT_EQ(nbdepilable(std::string(40000, ',').c_str()), maxtextlen) << "counts saturate";
    EXPECT_EQ(depilint(digits.data()), -1) << "forty thousand nines are 65535 modulo 65536";
    EXPECT_STREQ(digits.c_str(), "");
}

} // namespace
