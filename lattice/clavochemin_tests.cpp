// Tests of lattice paths: reading, canonical form, printing, valuation, outlines.
#include "lattice/clavochemin.h"

#include "foundation/gstring.h"
#include "foundation/lichavo.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string compact(const char* text) {
    clavochemin c;
    c.setchemin(text);
    return c.compacte();
}

std::string expanded(const char* text) {
    clavochemin c;
    c.setchemin(text);
    return c.decompacte();
}

} // namespace

TEST(Clavodirections, DefaultVectorsAndCentres) {
    clavodirections d;
    const short xs[6] = {30, 15, -15, -30, -15, 15};
    const short ys[6] = {0, 26, 26, 0, -26, -26};
    for (short i = 0; i < 6; ++i) {
        EXPECT_EQ(d.reulatx(i), xs[i]) << "direction " << i;
        EXPECT_EQ(d.reulaty(i), ys[i]) << "direction " << i;
    }
    EXPECT_EQ(d.relatcentx(0), 15);
    EXPECT_EQ(d.relatcenty(0), -8);
    EXPECT_EQ(d.relatcentx(1), 15);
    EXPECT_EQ(d.relatcenty(1), 8);
    EXPECT_EQ(d.reulatx(6), 30) << "index 6 wraps to A";
    EXPECT_EQ(d.reulaty(-1), -26) << "index -1 wraps to F";
}

TEST(Clavodirections, OddSizeIsRaisedToEven) {
    clavodirections d;
    d.settaille(31);
    EXPECT_EQ(d.gettaille(), 32);
    EXPECT_EQ(d.reulatx(0), 32);
    d.settaille(32767);
    EXPECT_EQ(d.gettaille(), 32766) << "no even size above 32767";
}

TEST(Clavodirections, AngleTurnsTheVectors) {
    clavodirections d;
    d.settaillangle(30, 90);
    EXPECT_EQ(d.reulatx(0), 0);
    EXPECT_EQ(d.reulaty(0), 30);
    EXPECT_EQ(d.reulatx(1), -26);
    EXPECT_EQ(d.reulaty(1), 15);
    EXPECT_EQ(d.giveabposx(2, 1), -26);
    EXPECT_EQ(d.giveabcy(1, 1, 1), 30 + 15 + (15 - 30));
}

TEST(Clavochemin, OppositeAndAdjacentStepsReduce) {
    for (const char* origin : {"AD", "BE", "CF", "", "ABCDEF"})
        EXPECT_EQ(compact(origin), "") << "\"" << origin << "\" is the origin";
    EXPECT_EQ(compact("AC"), "B");
    EXPECT_EQ(compact("FB"), "A");
    EXPECT_EQ(compact("A3C2"), "AB2");
    EXPECT_EQ(compact("DB"), "C");
    EXPECT_EQ(expanded("CCAA"), "BB");
    EXPECT_EQ(expanded("EAAC"), "A") << "A + C gives B, which E cancels";
}

TEST(Clavochemin, ReadingDigitsAndStops) {
    EXPECT_EQ(expanded("B1"), "B");
    EXPECT_EQ(expanded("A0B"), "A") << "reading stops at 0";
    EXPECT_EQ(expanded("A3"), "AAA");
    EXPECT_EQ(expanded("AB:AF"), "AB") << "the cell suffix is not read";
    EXPECT_EQ(expanded("3A"), "A") << "a digit before any letter is skipped";
    EXPECT_EQ(expanded("ab"), "") << "lower case is not path text";
    EXPECT_EQ(expanded(nullptr), "");
}

TEST(Clavochemin, CompactPrintingSplitsAtNine) {
    EXPECT_EQ(compact("AAAAAAAAAAAAA"), "A9A4");
    EXPECT_EQ(compact("A9A3"), "A9A3");
    EXPECT_EQ(compact("AAAAAAAAAAA"), "A9A2");
    EXPECT_EQ(compact("B"), "B");
    clavochemin c;
    c.setchemin("A3");
    gstring g;
    c.givedecompacte(&g);
    EXPECT_STREQ(g.adr(), "AAA");
    c.givecompacte(&g);
    EXPECT_STREQ(g.adr(), "A3");
    c.givegrator(&g);
    EXPECT_STREQ(g.adr(), "AAA");
}

TEST(Clavochemin, InverseAddAndRemove) {
    clavochemin c;
    c.setchemin("AB2");
    c.chinverse();
    EXPECT_EQ(c.compacte(), "DE2");
    c.setchemin("AB");
    c.ajoutechemin("CC");
    EXPECT_EQ(c.compacte(), "B2C");
    c.retirechemin("CC");
    EXPECT_EQ(c.compacte(), "AB");
    c.retirechemin("AB");
    EXPECT_EQ(c.compacte(), "");
}

TEST(Clavochemin, GarbageAndHugeInputStayDefined) {
    std::string garbage;
    for (int i = 1; i < 256; ++i) garbage += static_cast<char>(i);
    EXPECT_EQ(expanded(garbage.c_str()), "") << "byte 1 stops the reading at once";
    std::string high = "A\x80\xff\xfe";
    EXPECT_EQ(expanded(high.c_str()), "A");

    // 50000 steps A and 40000 steps C: counts saturate at 32767 each.
    std::string longpath(50000, 'A');
    longpath += std::string(40000, 'C');
    clavochemin c;
    c.setchemin(longpath.c_str());
    EXPECT_EQ(c.getnbpas(0), 32767);
    EXPECT_EQ(c.getnbpas(2), 32767);
    c.bonchemin();
    EXPECT_EQ(c.getnbpas(1), 32767) << "A + C reduce to B";
    EXPECT_EQ(c.getnbpas(0), 0);

    // B, A and C each saturated: A + C adds to B beyond 16 bits, which saturates.
    std::string three = std::string(40000, 'A') + std::string(40000, 'B') + std::string(40000, 'C');
    c.setchemin(three.c_str());
    c.bonchemin();
    EXPECT_EQ(c.getnbpas(1), 32767);
    std::string digits = "A" + std::string(10000, '9');
    c.setchemin(digits.c_str());
    EXPECT_EQ(c.getnbpas(0), 32767);
    EXPECT_EQ(c.valcheminx(), static_cast<short>(32767 * 30)) << "valuation wraps to 16 bits";
}

TEST(Clavochemin, PixelValuation) {
    clavochemin c;
    c.setchemin("AB2");
    EXPECT_EQ(c.valcheminx(), 30 + 2 * 15);
    EXPECT_EQ(c.valcheminy(), 2 * 26);
    EXPECT_EQ(c.valchemincasix(1), 60 + 15);
    EXPECT_EQ(c.valchemincasy(0), 52 - 8);
    EXPECT_EQ(c.valducheminx("DD:AB"), -60);
    EXPECT_EQ(c.valducheminy("E"), -26);
}

TEST(Clavochemin, HexagonOutlines) {
    clavochemin c;
    vopoint p[19];
    ASSERT_EQ(c.givehexacontour(p, 100, 200), 7);
    EXPECT_EQ(p[0].x, 130);
    EXPECT_EQ(p[0].y, 200);
    EXPECT_EQ(p[1].x, 115);
    EXPECT_EQ(p[1].y, 226);
    EXPECT_EQ(p[6].x, p[0].x);
    EXPECT_EQ(p[6].y, p[0].y);

    ASSERT_EQ(c.givehexadiacontour(p, 0, 0), 12);
    EXPECT_EQ(p[6].x, 30);
    EXPECT_EQ(p[7].x, -30) << "first diagonal joins corner 0 and corner 3";
    EXPECT_EQ(p[10].x, -15);
    EXPECT_EQ(p[10].y, 26);
    EXPECT_EQ(p[11].x, 15);
    EXPECT_EQ(p[11].y, -26);

    ASSERT_EQ(c.givesixtriangles(p, 5, 5), 4);
    EXPECT_EQ(p[15].x, 5);
    EXPECT_EQ(p[16].x, 5 + 15) << "triangle 5 goes from corner 5";
    EXPECT_EQ(p[16].y, 5 - 26);
    EXPECT_EQ(p[17].x, 5 + 30) << "to corner 0";
    EXPECT_EQ(p[18].x, 5);
    EXPECT_EQ(p[18].y, 5);

    ASSERT_EQ(c.givesixcentres(p, 0, 0), 6);
    EXPECT_EQ(p[0].x, 15);
    EXPECT_EQ(p[0].y, -8) << "y is negated: screen y grows downwards";
    EXPECT_EQ(p[3].x, -15);
    EXPECT_EQ(p[3].y, 8);
}

TEST(Clavochemin, ClassValueCountsNeighboursInTheList) {
    clavochemin c;
    lichavo list;
    EXPECT_EQ(c.valeurdeclasst(&list), 3);
    list.padd("");
    EXPECT_EQ(c.valeurdeclasst(&list), 3);
    list.padd("A");
    list.padd("B");
    list.padd("C");
    EXPECT_EQ(c.valeurdeclasst(&list), 3) << "the origin has 3 listed neighbours";
    list.padd("D");
    EXPECT_EQ(c.valeurdeclasst(&list), 2);
    list.padd("EE3E");
    list.padd("F");
    EXPECT_EQ(c.valeurdeclasst(&list), 1);
    list.padd("E");
    EXPECT_EQ(c.valeurdeclasst(&list), 0) << "all six neighbours of the origin";
}
