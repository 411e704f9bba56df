// Test of the module start-up: one call readies the topology patterns and every
// value table.
#include "grid/vocalculinit.h"

#include "grid/combitables.h"
#include "grid/valuemasks.h"
#include "lattice/topobase.h"

#include <gtest/gtest.h>

namespace {

TEST(globinitvocalcul, builds_topology_patterns_and_value_tables_once) {
    globinitvocalcul();
    EXPECT_STRNE(sixcasesdunhexa.adr(), "") << "the topology patterns are built first";
    EXPECT_EQ(possunevaleur(6), 32);
    EXPECT_EQ(nombrevaldansposs(63), 6);
    EXPECT_EQ(vocombitab(2, 6), 15);
    EXPECT_EQ(vovaleurordre(5, 2), 3);
    EXPECT_EQ(vopaire(1), 3);
    EXPECT_EQ(votriple(20), 56);
    globinitvocalcul();
    EXPECT_EQ(vopaire(15), 48);
}

} // namespace
