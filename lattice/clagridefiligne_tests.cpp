// Tests of definition lines: parsing, short form, round trips, garbage input.
#include "lattice/clagridefiligne.h"

#include "foundation/gstring.h"
#include "foundation/lichavo.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string court(const char* line) {
    clagridefiligne l;
    l.setfromlignecond(line);
    gstring g;
    l.givelignecourt(&g);
    return g.adr();
}

std::string hexa(const char* line) {
    clagridefiligne l;
    l.setfromlignecond(line);
    gstring g;
    l.givelivohex(&g);
    return g.adr();
}

std::string cellule(const char* line) {
    clagridefiligne l;
    l.setfromlignecond(line);
    gstring g;
    l.givelivocase(&g);
    return g.adr();
}

} // namespace

TEST(Clagridefiligne, HexagonLines) {
    EXPECT_EQ(hexa("XAB2"), "ABB");
    EXPECT_EQ(hexa("xab2"), "ABB") << "lower case parses as upper case";
    EXPECT_EQ(hexa("  X  AC"), "B") << "blanks around the marker, path canonical";
    EXPECT_EQ(hexa("XA0B"), "A") << "reading stops at 0";
    EXPECT_EQ(hexa("X"), "") << "the origin";
    EXPECT_EQ(hexa("AB2"), "") << "no marker, no hexagon";
    EXPECT_EQ(cellule("XAB2"), "");
    EXPECT_EQ(court("xab2"), "XAB2");
}

TEST(Clagridefiligne, CellLinesWithValues) {
    clagridefiligne l;
    l.setfromlignecond("A2WPJ");
    EXPECT_TRUE(l.iscase());
    EXPECT_FALSE(l.ishexa());
    EXPECT_EQ(l.getvaleur(), 1);
    EXPECT_EQ(l.getetat(), 0);
    EXPECT_EQ(l.gettypecase(), 1);
    EXPECT_FALSE(l.ispremiereplage());
    EXPECT_EQ(cellule("A2WPJ"), "AA:AB");

    l.setfromlignecond("BVUM%75");
    EXPECT_EQ(l.getvaleur(), 6);
    EXPECT_EQ(l.getetat(), 3);
    EXPECT_EQ(l.getpourcentage(), 75);
    EXPECT_EQ(l.gettypecase(), 0);
    EXPECT_EQ(cellule("BVUM%75"), "B:AF");

    l.setfromlignecond("AWJJ");
    EXPECT_EQ(l.getvaleur(), 1);
    EXPECT_TRUE(l.ispremiereplage());
    l.setfromlignecond("AWZJ");
    EXPECT_EQ(l.getvaleur(), 0) << "Z is in neither value range";
    EXPECT_TRUE(l.iscase());
    l.setfromlignecond("AWP");
    EXPECT_EQ(l.getvaleur(), 1);
    EXPECT_EQ(l.getetat(), 0) << "line ends before the state letter";
    l.setfromlignecond("AWPZ");
    EXPECT_EQ(l.getetat(), 0) << "Z names no state";
    l.setfromlignecond("A W PK % 60 ,junk");
    EXPECT_EQ(l.getetat(), 1);
    EXPECT_EQ(l.getpourcentage(), 60);
}

TEST(Clagridefiligne, CellLinesWithoutValues) {
    EXPECT_EQ(cellule("C:AF"), "C:AF");
    EXPECT_EQ(cellule("c:ab"), "C:AB");
    EXPECT_EQ(cellule("A:BA"), "") << "only :AB and :AF name a cell";
    EXPECT_EQ(cellule("AAAAAAAAAAA:AB"), "AAAAAAAAAAA:AB");
    clagridefiligne l;
    l.setfromlignecond("AAAAAAAAAAA:AB");
    l.compactechem();
    EXPECT_STREQ(l.gettexte(), "A9A2");
    l.decompactechem();
    EXPECT_STREQ(l.gettexte(), "AAAAAAAAAAA");
}

TEST(Clagridefiligne, ShortFormAndRoundTrip) {
    EXPECT_EQ(court("A2WPJ"), "A2WPJ");
    EXPECT_EQ(court("AAWJJ"), "A2WPJ") << "the first range is printed in the second";
    EXPECT_EQ(court("BVUM%75"), "BVUM%75");
    EXPECT_EQ(court("BVUM%49"), "BVUM") << "a percentage below 50 is dropped";
    EXPECT_EQ(court("BVUM%50"), "BVUM%50");
    EXPECT_EQ(court("C:AF"), "C:AF");
    EXPECT_EQ(court("AWZJ"), "A:AB") << "a cell without value must not read back as one";

    for (const char* line : {"XAB2", "A2WPJ", "BVUM%75", "C:AF", "A9A4WSL", "X", "DE3VQK%99"}) {
        const std::string once = court(line);
        EXPECT_EQ(court(once.c_str()), once) << "short form of " << line << " reads back";
        EXPECT_EQ(cellule(once.c_str()), cellule(line));
        EXPECT_EQ(hexa(once.c_str()), hexa(line));
    }
}

TEST(Clagridefiligne, MajlichaReplacesOneElement) {
    lichavo list;
    list.padd("first");
    list.padd("second");
    clagridefiligne l;
    l.setfromlignecond("xaaa");
    l.majlicha(&list, 2);
    l.majlicha(&list, 3);
    ASSERT_EQ(list.effectif(), 2);
    EXPECT_STREQ(list.adr(1), "first");
    EXPECT_STREQ(list.adr(2), "XA3");
}

TEST(Clagridefiligne, CellCentres) {
    clagridefiligne l;
    l.setfromlignecond("A:AB");
    EXPECT_EQ(l.centrecasix(), 30 + (30 + 15) / 3);
    EXPECT_EQ(l.centrecasy(), (0 + 26) / 3);
    l.setfromlignecond("A:AF");
    EXPECT_EQ(l.centrecasix(), 45);
    EXPECT_EQ(l.centrecasy(), -8);
}

TEST(Clagridefiligne, GarbageNeverBreaksParsing) {
    clagridefiligne l;
    std::string all;
    for (int i = 1; i < 256; ++i) all += static_cast<char>(i);
    l.setfromlignecond(all.c_str());
    EXPECT_FALSE(l.iscase());
    l.setfromlignecond("AW\xff\xfe%");
    EXPECT_EQ(l.getvaleur(), 0);
    EXPECT_EQ(l.getpourcentage(), 0);
    l.setfromlignecond("AWPJ%999999999999");
    gstring g;
    l.givelignecourt(&g); // any percentage prints without trouble
    EXPECT_EQ(std::string(g.adr()).rfind("AWPJ", 0), 0u);
    std::string huge = "X" + std::string(70000, 'A') + "WPJ%-70000";
    l.setfromlignecond(huge.c_str());
    EXPECT_TRUE(l.ishexa());
    EXPECT_EQ(l.getchemin().getnbpas(0), 32767);
    EXPECT_EQ(l.getvaleur(), 1);
    l.setfromlignecond(nullptr);
    EXPECT_FALSE(l.ishexa());
    l.givelignecourt(&g);
    EXPECT_STREQ(g.adr(), "");
}
