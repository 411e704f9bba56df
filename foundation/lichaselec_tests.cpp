// Tests of selection by membership and of the comma-buffer list.
#include "foundation/gdliste.h"
#include "foundation/lichaselec.h"

#include "foundation/lichavo_testing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace lichavotesting;

TEST(Lichaselec, SelectsFoundOrMissingElements) {
    lichavo source = listof({"a", "B", "c", "d"});
    lichavo reference = listof({"b", "d"});
    lichavo target;
    EXPECT_EQ(lichaselec(lichaselec_found, source, reference, &target), 2);
    EXPECT_EQ(contents(target), (texts{"d", "B"})) << "appended in reverse source order";
    EXPECT_EQ(source.effectif(), 4);
    EXPECT_EQ(lichaselec(0, source, reference, nullptr), 2);
}

TEST(Lichaselec, RemovesAndInsertsSorted) {
    lichavo source = listof({"z", "a", "m", "a"});
    lichavo reference = listof({"m"});
    lichavo target = listof({"b"});
    short n = lichaselec(lichaselec_remove | lichaselec_sorted, source, reference, &target);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(contents(source), (texts{"m"}));
    EXPECT_EQ(contents(target), (texts{"a", "b", "z"})) << "sorted, the second \"a\" not copied";
}

TEST(Gdliste, PushesAddsAndPopsCommaSeparatedTexts) {
    gdliste l;
    EXPECT_TRUE(l.isempty());
    l.add("2");
    l.push("1");
    l.add(" 3 ");
    EXPECT_STREQ(l.adr(), "1,2, 3 ,");
    EXPECT_EQ(l.effectif(), 3);
    EXPECT_STREQ(l.pop().adr(), "1");
    gstring g;
    l.gpopto(g);
    EXPECT_STREQ(g.adr(), "2");
    EXPECT_STREQ(l.pop().adr(), " 3 ");
    EXPECT_TRUE(l.isempty());
    EXPECT_STREQ(l.pop().adr(), "");
}

} // namespace
