// Tests of word popping from comma-separated text.
#include "foundation/depile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

// Deterministic pseudo-random texts of bytes 1..255, one byte in three drawn
// from commas, blanks, digits and "-".
struct randomtexts {
    unsigned seed;
    unsigned next() {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    }
    std::string text(std::size_t len) {
        static const char often[] = ", ,0123456789-";
        std::string s;
        for (std::size_t i = 0; i < len; ++i) {
            unsigned r = next();
            s += r % 3 == 0 ? often[r / 3 % (sizeof often - 1)]
                            : static_cast<char>(1 + next() % 255);
        }
        return s;
    }
};

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
    char c[] = "inf,NaN,-infinity,1e999";
    for (const char* word : {"inf", "NaN", "-infinity", "1e999"})
        EXPECT_DOUBLE_EQ(depilefloat(c), 0.0) << word << " is not a finite decimal number";
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

TEST(Depile, RandomBytesPopSafelyAndConsistently) {
    randomtexts gen{2024};
    for (int n = 0; n < 3000; ++n) {
        const std::size_t len = n % 1000 == 999 ? 40000 : gen.next() % 90;
        const std::string text = gen.text(len);

        // depilemot: every word is trimmed and no longer than the text, the
        // buffer shrinks at every pop, and a text that does not begin with a
        // blank pops as many words as nbdepilable counts.
        std::string buf = text;
        gstring w;
        int pops = 0;
        for (std::size_t before = len; buf[0] != 0; ++pops) {
            depilemot(w, buf.data());
            const std::size_t after = std::strlen(buf.c_str());
            ASSERT_LT(after, before) << "each pop consumes something";
            ASSERT_LE(std::strlen(w.adr()), before);
            ASSERT_TRUE(w.isempty() || (w.adr()[0] != ' ' && w.adr()[w.len() - 1] != ' '))
                << "words are trimmed";
            before = after;
        }
        if (len < 30000 && (len == 0 || text[0] != ' ')) {
            ASSERT_EQ(pops, nbdepilable(text.c_str())) << "text: " << text;
        }

        // depilemotbkeepall keeps every byte: the words joined by commas give
        // the text back, less one final comma.
        buf = text;
        std::string joined;
        for (pops = 0; buf[0] != 0; ++pops) {
            depilemotbkeepall(w, buf.data());
            joined += (pops ? "," : "") + std::string(w.adr());
        }
        std::string expected = text;
        if (!expected.empty() && expected.back() == ',') expected.pop_back();
        ASSERT_EQ(joined, expected);

        // Numbers: the value is the first word's leading digits modulo 2^16,
        // negated after a "-"; recupint consumes exactly the digits after the
        // leading blanks; depilefloat gives a finite number.
        buf = text;
        const std::string first = std::string(text, 0, text.find(','));
        std::size_t at = first.find_first_not_of(' ');
        const bool negative = at != std::string::npos && first[at] == '-';
        unsigned v = 0;
        for (at = at == std::string::npos ? first.size() : at + (negative ? 1 : 0);
             at < first.size() && first[at] >= '0' && first[at] <= '9'; ++at)
            v = (v * 10 + static_cast<unsigned>(first[at] - '0')) % 65536;
        ASSERT_EQ(depilint(buf.data()),
                  static_cast<short>(static_cast<unsigned short>(negative ? 65536 - v : v)));
        buf = text;
        const std::size_t blanks = text.find_first_not_of(' ') == std::string::npos
                                       ? text.size()
                                       : text.find_first_not_of(' ');
        const std::size_t digits = text.find_first_not_of("0123456789", blanks);
        recupint(buf.data());
        ASSERT_STREQ(buf.c_str(), text.c_str() + (digits == std::string::npos ? len : digits));
        buf = text;
        ASSERT_TRUE(std::isfinite(depilefloat(buf.data())));
    }
}

} // namespace
