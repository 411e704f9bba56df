// Tests of the keyed parameter list.
#include "foundation/paralivo.h"

#include "foundation/lichavo_testing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace lichavotesting;

texts contents(const paralivo& p) {
    return lichavotesting::contents(p.liste);
}

TEST(Paralivo, SetparamReplacesACaseInsensitiveKey) {
    paralivo p;
    p.setparam("Taille", "30");
    p.setparam("TAILLE", "32");
    EXPECT_EQ(contents(p), (texts{"TAILLE=32"}));
    EXPECT_EQ(p.conombre("taille"), 1);
}

TEST(Paralivo, KeysMatchExactlyNotAsPrefixes) {
    paralivo p;
    p.setparam("abc", "1");
    EXPECT_EQ(p.xicode("ab"), 0);
    EXPECT_FALSE(p.codexiste("ab"));
    p.setparam("ab", "2");
    EXPECT_EQ(contents(p), (texts{"ab=2", "abc=1"})) << "kept in sorted order";
    EXPECT_EQ(p.xicode("AB"), 1);
    EXPECT_EQ(p.xicode("abc"), 2);
    p.liste.padd("  Blank=3");
    EXPECT_EQ(p.xicode("blank"), 3) << "leading blanks of an element are ignored";
}

TEST(Paralivo, ReadsValuesAndIntegers) {
    paralivo p;
    p.setparam("AA:AB", "3,75");
    p.setparam("a", " b");
    p.setparam("eq", "x=y,z");
    gstring g;
    EXPECT_EQ(p.getparam(g, "a"), 1);
    EXPECT_STREQ(g.adr(), "b") << "leading blanks of the value are removed";
    EXPECT_EQ(p.getparam(g, "missing"), 0);
    EXPECT_TRUE(g.isempty());
    p.getparam(g, "EQ");
    EXPECT_STREQ(g.adr(), "x=y,z") << "the value may hold \"=\" and commas";
    EXPECT_EQ(p.getival("aa:ab"), 3);
    EXPECT_EQ(p.getival("missing"), 0);
    EXPECT_EQ(p.getbparam(g, "AA", ":AB"), 2);
    EXPECT_STREQ(g.adr(), "3,75");
    EXPECT_EQ(p.getival(static_cast<short>(2)), 3);
}

TEST(Paralivo, ReadsElementsByIndex) {
    paralivo p;
    p.setparam("k", "v=w");
    p.liste.padd("noequal");
    gstring k, v;
    EXPECT_EQ(p.getparam(v, static_cast<short>(1)), 1);
    EXPECT_STREQ(v.adr(), "v=w");
    p.getparam(v, static_cast<short>(2));
    EXPECT_STREQ(v.adr(), "noequal") << "the whole element when it holds no \"=\"";
    p.getparam(v, static_cast<short>(3));
    EXPECT_TRUE(v.isempty());
    p.getcode(k, 1);
    EXPECT_STREQ(k.adr(), "k");
    p.getcode(k, 2);
    EXPECT_TRUE(k.isempty());
    p.getdeux(k, v, 1);
    EXPECT_STREQ(k.adr(), "k");
    EXPECT_STREQ(v.adr(), "v=w");
    p.getdeux(k, v, 2);
    EXPECT_TRUE(k.isempty());
    EXPECT_TRUE(v.isempty());
    EXPECT_EQ(p.getival(static_cast<short>(2)), 0);
}

TEST(Paralivo, ChangesIntegerAndTextValues) {
    paralivo p;
    p.addival("n", 5);
    EXPECT_EQ(p.getival("n"), 5) << "an absent key stores the added number itself";
    p.incremival("N");
    p.addival("n", -10);
    EXPECT_EQ(p.getival("n"), -4);
    p.setival("big", 32767);
    p.incremival("big");
    EXPECT_EQ(p.getival("big"), -32768) << "wraps round as 16 bits";
    p.catparam("t", "a");
    p.catparam("T", "b");
    gstring g;
    p.getparam(g, "t");
    EXPECT_STREQ(g.adr(), "ab");
    p.setparam("pad", " 5");
    p.catparam("pad", ",6");
    EXPECT_STREQ(p.liste.adr(p.xicode("pad")), "pad= 5,6")
        << "catparam appends to the value as stored, leading blanks included";
    p.setbparam("x", "1", "v");
    EXPECT_TRUE(p.codexiste("X1"));
}

TEST(Paralivo, RemovesByKeyAndByValue) {
    paralivo p;
    p.setparam("a", "X");
    p.setparam("b", "y");
    p.setparam("c", "x");
    p.killtoudata("x");
    EXPECT_EQ(contents(p), (texts{"b=y"}));
    p.killparam("B");
    p.killparam("none");
    EXPECT_TRUE(p.liste.isempty());
}

TEST(Paralivo, MergesWithOrWithoutKeyChecks) {
    paralivo a, b;
    a.setparam("k", "1");
    b.setparam("K", "2");
    b.setparam("z", "3");
    paralivo appended;
    appended.merge(a);
    appended.merge(b);
    EXPECT_EQ(contents(appended), (texts{"k=1", "K=2", "z=3"}));
    a.mergebien(b);
    EXPECT_EQ(contents(a), (texts{"K=2", "z=3"}));
    lichavo all;
    a.giveall("p.", all);
    EXPECT_STREQ(all.adr(1), "p.K=2");
    EXPECT_STREQ(all.adr(2), "p.z=3");
}

} // namespace
