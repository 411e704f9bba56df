// Tests of the lattice transforms and name normalisation.
#include "lattice/clatraducara.h"
#include "lattice/vonormalise.h"
#include "lattice/vorotation.h"

#include "foundation/gstring.h"
#include "foundation/lichavo.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string applied(void (*fn)(char*), std::string s) {
    fn(s.data());
    return s;
}

std::string casedec(const char* cell) {
    gstring g;
    chemieuxcasedec(&g, cell);
    return g.adr();
}

} // namespace

TEST(Clatraducara, TableStartsAsIdentityAndRejectsUnequalTexts) {
    clatraducara t;
    std::string s = "AB\x80\xff";
    t.translat(s.data());
    EXPECT_EQ(s, "AB\x80\xff");
    t.settable("AB", "XYZ");
    t.settable("", "");
    EXPECT_EQ(t.traduit('A'), 'A');
    t.settable("AB", "XY");
    t.pokechar('\xff', 'Q');
    t.translat(s.data());
    EXPECT_EQ(s, "XY\x80Q");
    t.translat(nullptr);
}

TEST(Vorotation, LetterMaps) {
    EXPECT_EQ(applied(vorotagausoixante, "ABCDEF-:09"), "BCDEFA-:09");
    EXPECT_EQ(applied(vorotagaucentvingt, "ABCDEF"), "CDEFAB");
    EXPECT_EQ(applied(vorotacentquatrevingt, "ABCDEF"), "DEFABC");
    EXPECT_EQ(applied(vosymethoriz, "ABCDEF"), "DCBAFE");
    EXPECT_EQ(applied(vosymetverti, "ABCDEF"), "AFEDCB");
    EXPECT_EQ(applied(vorotagausoixante, "ab"), "BC") << "lower case comes out upper case";
    EXPECT_EQ(applied(vosymetverti, "abcdef"), "AFEDCB");
    EXPECT_EQ(applied(vorotagausoixante, "xyz"), "xyz");
    gstring g("FA");
    vorotagausoixante(&g);
    EXPECT_STREQ(g.adr(), "AB");
}

TEST(Vorotation, MirrorsAreInvolutionsAndTurnsCompose) {
    const std::string all = "ABCDEF:-19AFB";
    EXPECT_EQ(applied(vosymethoriz, applied(vosymethoriz, all)), all);
    EXPECT_EQ(applied(vosymetverti, applied(vosymetverti, all)), all);
    std::string s = all;
    for (int i = 0; i < 3; ++i) vorotagausoixante(s.data());
    EXPECT_EQ(s, applied(vorotacentquatrevingt, all));
    for (int i = 0; i < 3; ++i) vorotagaucentvingt(s.data());
    EXPECT_EQ(s, applied(vorotacentquatrevingt, all));
    EXPECT_EQ(caracafbon('G'), 'A');
    EXPECT_EQ(caracafbon('A' - 1), 'F');
}

TEST(Vonormalise, CellSuffixes) {
    gstring g;
    normafincase(&g, "B:CB");
    EXPECT_STREQ(g.adr(), "BC:AF");
    normafincase(&g, "P:CD");
    EXPECT_STREQ(g.adr(), "PD:AB");
    normafincase(&g, "P:ED");
    EXPECT_STREQ(g.adr(), "PD:AF");
    normafincase(&g, "P:FE");
    EXPECT_STREQ(g.adr(), "PE:AB");
    normafincase(&g, "P:FA");
    EXPECT_STREQ(g.adr(), "P:AF");
    normafincase(&g, "ABC");
    EXPECT_STREQ(g.adr(), "ABC") << "no colon, copied unchanged";
    EXPECT_EQ(casedec("B:CB"), "BC:AF");
    EXPECT_EQ(casedec("CA:BA"), "B:AB");
    EXPECT_EQ(casedec("EC:AF"), "D:AF");
    gstring inplace("FC:AF");
    chemieuxcasedec(&inplace);
    EXPECT_STREQ(inplace.adr(), ":AF");
    chemieuxcase('C', &g, "AAAAAAAAAAAAB:AB");
    EXPECT_STREQ(g.adr(), "A9A3B:AB");
}

TEST(Vonormalise, SegmentSuffixes) {
    gstring g;
    normafinseg(&g, "A:D");
    EXPECT_STREQ(g.adr(), "AD:A");
    chemieuxsegdec(&g, "A:D");
    EXPECT_STREQ(g.adr(), ":A");
    chemieuxsegdec(&g, "B:E");
    EXPECT_STREQ(g.adr(), ":B");
    chemieuxseg('C', &g, "AAF:F");
    EXPECT_STREQ(g.adr(), "A2F2:C");
    EXPECT_EQ(normeseg("D:B"), "D:B");
}

TEST(Vonormalise, SixRotationsGiveTheNameBack) {
    for (const char* cell : {":AB", ":AF", "AAB:AF", "C:AB", "DDE:AB"}) {
        std::string s = normecase(cell);
        const std::string first = s;
        for (int i = 0; i < 6; ++i) {
            vorotagausoixante(s.data());
            s = normecase(s);
            if (i < 5) {
                EXPECT_NE(s, first) << cell << " after " << i + 1 << " turns";
            }
        }
        EXPECT_EQ(s, first) << cell;
    }
    for (const char* seg : {":A", "C:A", "AB:C"}) {
        std::string s = normeseg(seg);
        const std::string first = s;
        for (int i = 0; i < 6; ++i) {
            vorotagausoixante(s.data());
            s = normeseg(s);
        }
        EXPECT_EQ(s, first) << seg;
    }
    std::string s = ":AB";
    vorotagausoixante(s.data());
    EXPECT_EQ(normecase(s), "C:AF");
    s = "C:AF";
    vorotagausoixante(s.data());
    EXPECT_EQ(normecase(s), "D:AB");
}

TEST(Vonormalise, MovingAPatternToAPoint) {
    gstring g;
    vodecalage(&g, "C:AF", "AB");
    EXPECT_STREQ(g.adr(), "ABC:AF");
    EXPECT_EQ(normecase(g.adr()), "BB:AF");
    EXPECT_EQ(normepoint("A3C2"), "ABB");
}

TEST(Vonormalise, HexagonMarker) {
    gstring g("xAB");
    hexarajoutix(&g);
    EXPECT_STREQ(g.adr(), "xAB");
    g.set("  X AB");
    hexarajoutix(&g);
    EXPECT_STREQ(g.adr(), "  X AB");
    g.set("AB");
    hexarajoutix(&g);
    EXPECT_STREQ(g.adr(), "XAB");
    g.set(" X AB");
    hexaretirix(&g);
    EXPECT_STREQ(g.adr(), "AB");
    g.set("AB");
    hexaretirix(&g);
    EXPECT_STREQ(g.adr(), "AB");
    g.set("  x  ");
    hexaretirix(&g);
    EXPECT_STREQ(g.adr(), "");

    lichavo list;
    list.padd("A");
    list.padd("XB");
    hexarajoutix(&list);
    EXPECT_STREQ(list.adr(1), "XA");
    EXPECT_STREQ(list.adr(2), "XB");
    hexaretirix(&list);
    EXPECT_STREQ(list.adr(1), "A");
    EXPECT_STREQ(list.adr(2), "B");
}

TEST(Vonormalise, ArbitraryBytesAreHandled) {
    unsigned seed = 12345;
    for (int n = 0; n < 2000; ++n) {
        std::string s;
        const int len = n % 23;
        for (int i = 0; i < len; ++i) {
            seed = seed * 1103515245u + 12345u;
            s += static_cast<char>(1 + (seed >> 16) % 255);
        }
        std::string turned = s;
        vorotagausoixante(turned.data());
        vosymetverti(turned.data());
        EXPECT_EQ(turned.size(), s.size());
        const std::string cell = normecase(s);
        const std::string seg = normeseg(s);
        gstring g;
        chemieuxcase('C', &g, s.c_str());
        hexaretirix(&g);
        EXPECT_EQ(cell.find(':') == std::string::npos, s.find(':') == std::string::npos);
        EXPECT_EQ(seg.find(':') == std::string::npos, s.find(':') == std::string::npos);
    }
}
