// Tests of the topology's base patterns.
#include "lattice/topobase.h"

#include <gtest/gtest.h>

#include <string>

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
