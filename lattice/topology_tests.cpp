// Tests of the topology: base patterns, per-item operations and the list
// builders on small grids worked out by hand.
#include "lattice/topobase.h"
#include "lattice/topoitem.h"
#include "lattice/topolistes.h"

#include "foundation/gstring.h"
#include "foundation/lichavo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using texts = std::vector<std::string>;

void fill(lichavo& l, const texts& v) {
    l.clear();
    for (const std::string& s : v) l.padd(s.c_str());
}

texts content(const lichavo& l) {
    texts v;
    for (short i = 1; i <= l.effectif(); ++i) v.emplace_back(l.adr(i));
    return v;
}

std::string give(void (*fn)(gstring*, const char*), const char* arg) {
    gstring g;
    fn(&g, arg);
    return g.adr();
}

// A grid given by its hexagons, with its cells completed.
struct grille {
    lichavo hexas;
    lichavo cases;
    explicit grille(const texts& h) {
        fill(hexas, h);
        topocompletecases(&cases, &hexas);
    }
};

const texts sixcasesorigine = {":AB", ":AF", "C:AF", "D:AB", "D:AF", "E:AB"};

} // namespace

TEST(Topobase, PatternsAndRepeatedStartUp) {
    globinitvoragotopo();
    globinitvoragotopo();
    EXPECT_STREQ(sixcasesdunhexa.adr(), ":AB,C:AF,D:AB,D:AF,E:AB,:AF,");
    EXPECT_STREQ(sixvoisineshexapcote.adr(), "B:AF,C:AB,CD:AF,DE:AB,E:AF,F:AB,");
    EXPECT_STREQ(sixcasopposhexa.adr(), "C:AB,E:AF,CD:AF,F:AB,DE:AB,B:AF,");
    EXPECT_STREQ(sixcasopposgspvo.adr(),
                 "C:AB,E:AF,B,C,E,F,CD:AF,F:AB,C,D,F,A,DE:AB,B:AF,D,E,A,B,");
    EXPECT_STREQ(sixsegminternes.adr(), ":A,:B,:C,D:A,E:B,F:C,");
    EXPECT_STREQ(sixsegmexternes.adr(), "C:A,D:B,E:C,E:A,F:B,A:C,");
    EXPECT_EQ(std::string(douzevoisineshexapsommet.adr()).rfind("A:AB,A:AF,BC:AF,B:AB,", 0), 0u)
        << douzevoisineshexapsommet.adr();
    EXPECT_EQ(std::string(dixhuitvoisineshexa.adr()),
              std::string(sixvoisineshexapcote.adr()) + douzevoisineshexapsommet.adr());
    EXPECT_STREQ(troispointscaseab.adr(), ",A,B");
    EXPECT_STREQ(troisvoisicaseaf.adr(), ":AB,E:AB,F:AB");
}

TEST(Topoitem, CellsCornersAndNeighbours) {
    EXPECT_EQ(give(topocasespotcethexa, "XA"), "A:AB,B:AF,:AB,:AF,F:AB,A:AF,");
    EXPECT_EQ(give(topocasespotcethexa, ""), ":AB,C:AF,D:AB,D:AF,E:AB,:AF,");
    EXPECT_EQ(give(topovoisinspotcethexa, "A"), "AA,AB,B,,F,AF,");
    EXPECT_EQ(give(topogivetroispointscase, "C:AF"), "C,B,,");
    EXPECT_EQ(give(topogivetroispointscase, "AB:AB"), "AB,AAB,ABB,");
    EXPECT_EQ(give(topogivetroisvoisicase, ":AB"), ":AF,B:AF,C:AF,");
    EXPECT_EQ(give(topogivetroisvoisicase, "A:AF"), "A:AB,F:AB,AF:AB,");
    EXPECT_EQ(give(topogivetroisvoisicase, "B:CB"), "BC:AB,C:AB,B:AB,")
        << "the name is normalised first (B:CB is BC:AF)";
    EXPECT_EQ(give(topogivetroisvoisicase, "B:CB"), give(topogivetroisvoisicase, "BC:AF"));

    lichavo cells;
    fill(cells, {":AB", "D:AF", "A:AB"});
    EXPECT_EQ(nbrecasesreelleshexa("", &cells), 2);
    EXPECT_EQ(nbrecasesreelleshexa("A", &cells), 2);
    EXPECT_EQ(nbrecasesreelleshexa("B", &cells), 1);
    EXPECT_EQ(topodistanseg("AAB", "AB"), 3);
    EXPECT_EQ(topodistanseg("AAB", "CD"), 0);
    EXPECT_EQ(topodistanseg("AC", "B"), 1) << "counted on the canonical path";
}

TEST(Topolistes, EmptyGridGivesEmptyLists) {
    lichavo hexas, cases, a, b;
    a.padd("stale");
    b.padd("stale");
    topocompletecases(&cases, &hexas);
    EXPECT_TRUE(cases.isempty());
    topocalculipoint(&a, &cases);
    EXPECT_TRUE(a.isempty());
    topoajoutcompartiels(&hexas, &b, &cases);
    EXPECT_TRUE(hexas.isempty());
    EXPECT_TRUE(b.isempty());
    topolisthexasvoisins(&a, &hexas, &b);
    EXPECT_TRUE(a.isempty());
    a.padd("stale");
    topofuturvoisidouze(&a, &b, &cases, &hexas);
    EXPECT_TRUE(a.isempty());
    EXPECT_TRUE(b.isempty());
    a.padd("stale");
    topocasesautourgri(&a, &b, &cases, &hexas);
    EXPECT_TRUE(a.isempty());
    EXPECT_TRUE(b.isempty());
    a.padd("stale");
    topocrealicasoppo(&a, &b, &cases, &hexas);
    EXPECT_TRUE(a.isempty());
    a.padd("stale");
    topocrealistoppodemi(&a, &cases, &hexas);
    EXPECT_TRUE(a.isempty());
    a.padd("stale");
    b.padd("stale");
    topocontourtritop(&hexas, &a, &b);
    EXPECT_TRUE(a.isempty());
    EXPECT_TRUE(b.isempty());
}

TEST(Topolistes, OneHexagon) {
    grille g({""});
    EXPECT_EQ(content(g.cases), sixcasesorigine);

    lichavo points;
    topocalculipoint(&points, &g.cases);
    EXPECT_EQ(content(points), (texts{"", "A", "B", "C", "D", "E", "F"}));

    lichavo complete, partial;
    topoajoutcompartiels(&complete, &partial, &g.cases);
    EXPECT_EQ(content(complete), texts{""});
    EXPECT_TRUE(partial.isempty()) << "each corner has only two of its cells";
    topoajoutcompartiels(&complete, &partial, &g.cases);
    EXPECT_EQ(content(complete), texts{""}) << "a present hexagon is not added again";

    lichavo pairs;
    topolisthexasvoisins(&pairs, &g.hexas, &partial);
    EXPECT_TRUE(pairs.isempty());

    lichavo normal, alternate;
    topofuturvoisidouze(&normal, &alternate, &g.cases, &g.hexas);
    ASSERT_EQ(normal.effectif(), 6);
    EXPECT_STREQ(normal.adr(1), ":AB,  :AF,C:AF,D:AB,D:AF,E:AB,");
    EXPECT_STREQ(normal.adr(6), "E:AB,  :AB,:AF,C:AF,D:AB,D:AF,");
    EXPECT_EQ(content(alternate), content(normal));

    lichavo enclosed, outside;
    topocasesautourgri(&enclosed, &outside, &g.cases, &g.hexas);
    EXPECT_TRUE(enclosed.isempty());
    EXPECT_EQ(outside.effectif(), 18);
    EXPECT_TRUE(outside.tribon());
    EXPECT_NE(outside.trouvexact("B:AF"), 0);
    EXPECT_NE(outside.trouvexact("A:AB"), 0);
    EXPECT_EQ(outside.trouvexact(":AB"), 0);

    lichavo opp, oppcomplete, demi;
    topocrealicasoppo(&opp, &oppcomplete, &g.cases, &g.hexas);
    EXPECT_TRUE(opp.isempty());
    topocrealistoppodemi(&demi, &g.cases, &g.hexas);
    EXPECT_TRUE(demi.isempty());

    lichavo inner, outer;
    topocontourtritop(&g.hexas, &inner, &outer);
    EXPECT_EQ(content(inner), (texts{"D:AA", "E:BB", "F:CC"})) << "spokes merge through the centre";
    EXPECT_EQ(content(outer), (texts{"C:A", "E:A", "D:B", "F:B", "A:C", "E:C"}));
}

TEST(Topolistes, TwoNeighbouringHexagons) {
    grille g({"", "XA"});
    EXPECT_EQ(content(g.cases),
              (texts{":AB", ":AF", "A:AB", "A:AF", "B:AF", "C:AF", "D:AB", "D:AF", "E:AB", "F:AB"}))
        << "the two hexagons share :AB and :AF";

    lichavo complete, partial;
    fill(complete, {"", "A"});
    topoajoutcompartiels(&complete, &partial, &g.cases);
    EXPECT_EQ(content(complete), (texts{"", "A"}));
    EXPECT_EQ(content(partial), (texts{"B", "F"})) << "B and F each have three cells";

    lichavo pairs;
    topolisthexasvoisins(&pairs, &complete, &partial);
    EXPECT_EQ(content(pairs), (texts{"cc:,A", "cp:,B", "cp:,F", "cp:A,B", "cp:A,F"}));
    topotravengsp = 1;
    topolisthexasvoisins(&pairs, &complete, &partial);
    topotravengsp = 0;
    EXPECT_EQ(content(pairs), texts{"cc:,A"});

    lichavo normal, alternate;
    topofuturvoisidouze(&normal, &alternate, &g.cases, &g.hexas);
    ASSERT_EQ(normal.effectif(), 10);
    EXPECT_STREQ(normal.adr(1), ":AB,  :AF,A:AB,A:AF,B:AF,C:AF,D:AB,D:AF,E:AB,F:AB,");
    EXPECT_STREQ(alternate.adr(1), normal.adr(1));
    EXPECT_STREQ(normal.adr(5), "B:AF,  :AB,:AF,A:AB,A:AF,C:AF,F:AB,");
    EXPECT_STREQ(alternate.adr(5), "B:AF,  :AB,:AF,A:AB,A:AF,F:AB,")
        << "only hexagon A contains B:AF";

    lichavo inner, outer;
    topocontourtritop(&g.hexas, &inner, &outer);
    EXPECT_EQ(content(inner), (texts{"D:AAA", "E:BB", "F:BB", "AF:CC", "F:CC"}));
    EXPECT_EQ(content(outer), (texts{"C:AA", "E:AA", "AF:B", "D:B", "AA:C", "E:C"}));
}

TEST(Topolistes, AlternateNeighboursIgnoreTheCellList) {
    lichavo hexas, cells, normal, alternate;
    fill(hexas, {""});
    fill(cells, {":AB"});
    topofuturvoisidouze(&normal, &alternate, &cells, &hexas);
    EXPECT_EQ(content(normal), texts{":AB,  "});
    EXPECT_EQ(content(alternate), texts{":AB,  :AF,C:AF,D:AB,D:AF,E:AB,"});
}

TEST(Topolistes, PartialHexagonsFromCellsAlone) {
    lichavo complete, partial, cells;
    fill(cells, {":AB", "C:AF", "D:AB"});
    topoajoutcompartiels(&complete, &partial, &cells);
    EXPECT_TRUE(complete.isempty());
    EXPECT_EQ(content(partial), texts{""}) << "three of the origin's cells";
    fill(cells, {":AB", "C:AF"});
    topoajoutcompartiels(&complete, &partial, &cells);
    EXPECT_TRUE(partial.isempty()) << "two cells are too few";
    fill(cells, sixcasesorigine);
    fill(complete, {"B"});
    topoajoutcompartiels(&complete, &partial, &cells);
    EXPECT_EQ(content(complete), (texts{"B", ""})) << "appended, not sorted";
}

TEST(Topolistes, LineOfThreeHexagonsOppositeCells) {
    grille g({"", "A", "D"});
    lichavo opp, oppcomplete;
    topocrealicasoppo(&opp, &oppcomplete, &g.cases, &g.hexas);
    EXPECT_EQ(content(opp), (texts{"CD:AF,F:AB,  hx=1", "DE:AB,B:AF,  hx=1"}));
    EXPECT_TRUE(oppcomplete.isempty()) << "corners C, F and B, E are not hexagons";

    lichavo demi;
    topocrealistoppodemi(&demi, &g.cases, &g.hexas);
    EXPECT_EQ(content(demi),
              (texts{"B:AF,D:AB,D:AF,E:AB,", "C:AF,DD:AB,DD:AF,DE:AB,", "C:AF,F:AB,A:AF,A:AB,",
                     "CD:AF,E:AB,:AF,:AB,", "DE:AB,:AF,:AB,C:AF,", "E:AB,A:AF,A:AB,B:AF,",
                     "E:AB,CD:AF,DD:AB,DD:AF,", "F:AB,C:AF,D:AB,D:AF,"}));
}

TEST(Topolistes, FlowerOfSevenHexagonsHasCompleteOppositePairs) {
    grille g({"", "A", "B", "C", "D", "E", "F"});
    lichavo opp, oppcomplete;
    topocrealicasoppo(&opp, &oppcomplete, &g.cases, &g.hexas);
    const texts centre = {"C:AB,E:AF,  hx=1", "CD:AF,F:AB,  hx=1", "DE:AB,B:AF,  hx=1"};
    const texts all = content(opp);
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(texts(all.begin(), all.begin() + 3), centre);
    EXPECT_EQ(content(oppcomplete), centre) << "only the centre has all its corners as hexagons";

    lichavo enclosed, outside;
    topocasesautourgri(&enclosed, &outside, &g.cases, &g.hexas);
    EXPECT_TRUE(enclosed.isempty());
}

TEST(Topolistes, RingOfSixHexagonsEnclosesItsHole) {
    grille g({"AA", "BB", "CC", "DD", "EE", "FF"});
    EXPECT_EQ(g.cases.effectif(), 36) << "the hexagons only touch at corners";

    lichavo complete, partial;
    fill(complete, {"AA", "BB", "CC", "DD", "EE", "FF"});
    topoajoutcompartiels(&complete, &partial, &g.cases);
    EXPECT_EQ(complete.effectif(), 6);
    EXPECT_EQ(content(partial), (texts{"AB", "AF", "BC", "CD", "DE", "EF"}));
    lichavo pairs;
    topolisthexasvoisins(&pairs, &complete, &partial);
    EXPECT_EQ(pairs.effectif(), 12);
    EXPECT_STREQ(pairs.adr(1), "cp:AA,AB");
    EXPECT_STREQ(pairs.adr(2), "cp:AA,AF");

    lichavo enclosed, outside;
    topocasesautourgri(&enclosed, &outside, &g.cases, &g.hexas);
    EXPECT_EQ(content(enclosed), (texts{":AB", ":AF", "B:AF", "C:AB", "C:AF", "CD:AF", "D:AB",
                                        "D:AF", "DE:AB", "E:AB", "E:AF", "F:AB"}))
        << "the centre hexagon and the six cells across its edges";
    EXPECT_TRUE(outside.tribon());
    EXPECT_NE(outside.trouvexact("AAA:AB"), 0);
    for (const std::string& c : content(enclosed)) EXPECT_EQ(outside.trouvexact(c.c_str()), 0);
    for (const std::string& c : content(outside)) EXPECT_EQ(g.cases.trouvexact(c.c_str()), 0);
}
