// Tests of the topology of single items: the cells of a hexagon, the
// neighbours of a point, the corners and edge neighbours of a cell, and the
// two counts.
#include "lattice/topoitem.h"

#include "foundation/gstring.h"
#include "foundation/lichavo.h"
#include "foundation/lichavo_testing.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string give(void (*fn)(gstring*, const char*), const char* arg) {
    gstring g;
    fn(&g, arg);
    return g.adr();
}

} // namespace

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

    const lichavo cells = lichavotesting::listof({":AB", "D:AF", "A:AB"});
    EXPECT_EQ(nbrecasesreelleshexa("", &cells), 2);
    EXPECT_EQ(nbrecasesreelleshexa("A", &cells), 2);
    EXPECT_EQ(nbrecasesreelleshexa("B", &cells), 1);
    EXPECT_EQ(topodistanseg("AAB", "AB"), 3);
    EXPECT_EQ(topodistanseg("AAB", "CD"), 0);
    EXPECT_EQ(topodistanseg("AC", "B"), 1) << "counted on the canonical path";
}
