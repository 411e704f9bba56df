// Tests of the grid model: building from definition lines, tables and
// numbering, rows and columns, pixel centres and hit tests, and every
// accessor's answer to numbers outside the tables (the sanitizer build checks
// the memory).
#include "grid/chargegrille_testing.h"
#include "grid/clagrivora.h"

#include "foundation/lichavo_testing.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace {

using lichavotesting::contents;
using lichavotesting::texts;

TEST(GridBuild, HexagonLineGivesItsSixCellsAndNoPartial) {
    clagrivora g;
    chargegrille(g, {"X"});
    EXPECT_EQ(contents(g.getcases()), (texts{":AB", ":AF", "C:AF", "D:AB", "D:AF", "E:AB"}));
    EXPECT_EQ(contents(g.gethexas()), (texts{""}));
    EXPECT_EQ(g.getnbcases(), 6);
    EXPECT_EQ(g.getnbhexacompletes(), 1);
    EXPECT_EQ(g.getnbhexapartiels(), 0);
    EXPECT_EQ(g.getnbhexatotal(), 1);
    g.fautunelivopoint();
    EXPECT_EQ(g.getnbpoints(), 7);
}

TEST(GridBuild, SixCellLinesMakeAHexagonNoLineNames) {
    clagrivora g;
    chargegrille(g, {":AB", ":AF", "C:AF", "D:AB", "D:AF", "E:AB"});
    EXPECT_EQ(contents(g.gethexas()), (texts{""}));
    EXPECT_EQ(g.getnbhexacompletes(), 1);
}

TEST(GridBuild, DuplicateLinesGiveOneCellAndOneHexagon) {
    clagrivora g;
    chargegrille(g, {"XA", "xa", "A:AB", "A:ab", "XA1"});
    EXPECT_EQ(g.getnbhexacompletes(), 1);
    EXPECT_EQ(g.getnbcases(), 6);
}

TEST(GridBuild, KeepsItsOwnCopyOfTheLines) {
    clagrivora g;
    {
        lichavo l;
        l.padd("X");
        l.padd("XA2%80");
        g.setfromgrivecdef(&l);
    }
    EXPECT_EQ(contents(g.getlignesdef()), (texts{"X", "XA2%80"}));
    const short cases = g.getnbcases();
    // Rebuilding from its own lines gives the same grid.
    g.setfromgrivecdef(&g.getlignesdef());
    EXPECT_EQ(contents(g.getlignesdef()), (texts{"X", "XA2%80"}));
    EXPECT_EQ(g.getnbcases(), cases);
    g.setfromgrivecdef(nullptr);
    EXPECT_EQ(g.getlignesdef().effectif(), 0);
    EXPECT_EQ(g.getnbcases(), 0);
    chargegrille(g, {"X"});
    g.clear('N');
    EXPECT_EQ(g.getlignesdef().effectif(), 0);
}

TEST(GridBuild, ThreeToFiveCellsOfAPointMakeAPartialHexagon) {
    for (int n = 2; n <= 5; ++n) {
        const char* six[] = {":AB", "C:AF", "D:AB", "D:AF", "E:AB"};
        lichavo l;
        for (int i = 0; i < n; ++i) l.padd(six[i]);
        clagrivora g;
        g.setfromgrivecdef(&l);
        EXPECT_EQ(g.getnbhexacompletes(), 0) << n << " cells";
        EXPECT_EQ(g.getnbhexapartiels(), n >= 3 ? 1 : 0) << n << " cells";
        EXPECT_EQ(g.getnbhexatotal(), g.getnbhexapartiels());
    }
}

TEST(GridBuild, TwoHexagonsShareTwoCellsAndListPartials) {
    clagrivora g;
    chargegrille(g, {"X", "XA"});
    EXPECT_EQ(g.getnbcases(), 10);
    EXPECT_EQ(g.getnbhexacompletes(), 2);
    // The points B and F each hold four of their six cells.
    EXPECT_EQ(contents(g.getpartiels()), (texts{"B", "F"}));
    EXPECT_EQ(g.numerodelhexanor("A"), 2);
    EXPECT_EQ(g.numerodelhexanor("F"), 4);
    EXPECT_EQ(g.numerodelhexanor("ACE"), 1);
    EXPECT_EQ(g.numerodelhexanor("AA"), 0);
}

TEST(GridBuild, ReloadingForgetsThePreviousGrid) {
    clagrivora g;
    chargegrille(g, {"X", "XA", "WPJ%90"});
    g.fautunetabledescases();
    chargegrille(g, {"XB"});
    EXPECT_EQ(g.getnbcases(), 6);
    EXPECT_FALSE(g.faittabcases());
    EXPECT_FALSE(g.yavalfixes());
    EXPECT_EQ(g.getvalcafixes().liste.effectif(), 0);
}

TEST(GridTables, CellsAreNumberedInListOrderAndRecordZeroStaysClear) {
    clagrivora g;
    chargegrille(g, {"X"});
    g.fautunetabledescases();
    g.fautunetabledeshexas();
    for (short i = 1; i <= g.getnbcases(); ++i) EXPECT_EQ(g.numerodelacase(g.getcases().adr(i)), i);
    EXPECT_EQ(g.numerodelacase("d:ab"), 4);
    EXPECT_EQ(g.numerodelacase("A:AB"), 0);
    EXPECT_EQ(g.numerodelacase(""), 0);
    for (short c : {short(0), short(-1), short(7), short(32000)}) {
        g.setcaseval(c, 5);
        g.setvaluposs(c, 9);
        EXPECT_EQ(g.getcaseval(c), 0);
        EXPECT_EQ(g.getvaluposs(c), 0);
        EXPECT_EQ(g.possitabladr(c), nullptr);
        EXPECT_FALSE(g.casestfixe(c));
    }
    EXPECT_EQ(g.gethexacentrix(2), 0);
    for (short i = 1; i <= 6; ++i) {
        EXPECT_EQ(g.getcaseval(i), 0);
        EXPECT_EQ(g.getvaluposs(i), 0) << "a new cell table holds no possibilities";
        EXPECT_EQ(g.getpuser(i), 0);
    }
    g.setcaseval(3, 4);
    EXPECT_TRUE(g.casenonvide(3));
    EXPECT_TRUE(g.casestvide(2));
}

TEST(GridTables, RowsAndColumnsOfAHexagonAreTwoRowsOfThree) {
    clagrivora g;
    chargegrille(g, {"X"});
    g.fautunetabledescases();
    // :AB, :AF, C:AF, D:AB, D:AF, E:AB
    const short rangees[] = {1, 2, 1, 1, 2, 2};
    const short colonnes[] = {3, 3, 2, 1, 1, 2};
    for (short i = 1; i <= 6; ++i) {
        EXPECT_EQ(g.getrangee(i), rangees[i - 1]) << g.getcases().adr(i);
        EXPECT_EQ(g.getcolonne(i), colonnes[i - 1]) << g.getcases().adr(i);
        EXPECT_EQ(g.getcolonnecopie(i), colonnes[i - 1]);
    }
    EXPECT_EQ(g.getnbrangees(), 2);
    EXPECT_EQ(g.getnbcolonnes(), 3);
}

TEST(GridTables, PositaconvReadsExpandedLettersUpToTheColon) {
    EXPECT_EQ(clagrivora::positaconv('X', "AAB:AF"), 5);
    EXPECT_EQ(clagrivora::positaconv('Y', "AAB:AF"), 1);
    EXPECT_EQ(clagrivora::positaconv('X', "cde"), -4);
    EXPECT_EQ(clagrivora::positaconv('Y', "CDE"), 0);
    EXPECT_EQ(clagrivora::positaconv('X', "A3"), 2) << "digits are skipped";
    EXPECT_EQ(clagrivora::positaconv('Z', "AAA"), 0);
    EXPECT_EQ(clagrivora::positaconv('x', "AAA"), 0) << "only \"X\" and \"Y\" are axes";
    EXPECT_EQ(clagrivora::positaconv('y', "BBB"), 0);
}

TEST(GridTables, GivenValuesGoIntoTheCellTable) {
    clagrivora g;
    chargegrille(g, {"X", "WPJ%90", "VQJ%100", "AWRJ%80"});
    EXPECT_TRUE(g.yavalfixes());
    g.fautunetabledescases();
    g.fautvalfixentables();
    EXPECT_EQ(g.getvaldef(1), 1);
    EXPECT_EQ(g.getnidef(1), 90);
    EXPECT_EQ(g.getvaldef(2), 2);
    EXPECT_EQ(g.getnidef(2), 100);
    EXPECT_EQ(g.getvaldef(g.numerodelacase("A:AB")), 3);
    EXPECT_EQ(g.getnidef(g.numerodelacase("A:AB")), 80);
    EXPECT_EQ(g.getvaldef(g.numerodelacase("C:AF")), 0);
    EXPECT_FALSE(g.casestfixe(g.numerodelacase("C:AF")));
    EXPECT_EQ(g.getnbcases(), 7) << "a cell line adds its cell to the grid";
}

TEST(GridGeometry, CellAndHexagonCentresFollowSizeAndAngle) {
    clagrivora g;
    chargegrille(g, {"X", "XA"});
    g.fautcoordentableaux();
    const short ab = g.numerodelacase(":AB");
    const short dab = g.numerodelacase("D:AB");
    EXPECT_EQ(g.getcacentrix(ab), 20);
    EXPECT_EQ(g.getcacentry(ab), 11);
    EXPECT_EQ(g.getcacentrix(dab), -20);
    EXPECT_EQ(g.gethexacentrix(2), 40);
    g.settaillepix(60, 0);
    EXPECT_FALSE(g.faitcoord());
    g.fautcoordentableaux();
    EXPECT_EQ(g.getcacentrix(ab), 30);
    EXPECT_EQ(g.getcacentry(ab), 17);
    EXPECT_EQ(g.gethexacentrix(2), 60);
    g.settaillepix(40, 0);
    g.setangle(90);
    g.fautcoordentableaux();
    EXPECT_EQ(g.getcacentrix(ab), -11);
    EXPECT_EQ(g.getcacentry(ab), 20);
    EXPECT_EQ(g.gethexacentrix(2), 0);
    EXPECT_EQ(g.gethexacentry(2), 40);
}

TEST(GridGeometry, RectangleFormPlacesCellsHalfAWidthAboveOrBelow) {
    clagrivora g;
    chargegrille(g, {"XA"});
    g.settaillepix(30, 1);
    short x = 0;
    short y = 0;
    g.giveposicase("A:AB", x, y);
    EXPECT_EQ(x, 90);
    EXPECT_EQ(y, 15);
    g.giveposicase(":AF", x, y);
    EXPECT_EQ(x, 30);
    EXPECT_EQ(y, -15);
}

TEST(GridGeometry, CellGeometryIsAThirdOfTheSize) {
    clagrivora g;
    g.settaillepix(41, 0);
    EXPECT_EQ(g.getgravcase().gettaille(), 14);
    g.settaillepix(40, 0);
    EXPECT_EQ(g.getgravcase().gettaille(), 13);
}

TEST(GridGeometry, OutlinesAndBoundingFrame) {
    clagrivora g;
    chargegrille(g, {"X"});
    vopoint p[7];
    ASSERT_EQ(g.givecasepoints(g.numerodelacase(":AF"), p), 4);
    EXPECT_EQ(p[1].x, 40);
    EXPECT_EQ(p[2].x, 20);
    EXPECT_EQ(p[2].y, -35);
    EXPECT_EQ(g.givecasepoints(0, p), 0);
    EXPECT_EQ(g.givepthexapoints(1, p), 7);
    short x0, y0, x1, y1;
    g.posicadremax(x0, y0, x1, y1);
    EXPECT_EQ(x0, -40);
    EXPECT_EQ(x1, 40);
    EXPECT_EQ(y0, -35);
    EXPECT_EQ(y1, 35);
}

TEST(GridHitTest, CaseprocheStopsAtHalfTheSizeAndPrefersTheLowerNumber) {
    clagrivora g;
    chargegrille(g, {"X"});
    EXPECT_EQ(g.caseproche(20, 11), 1);
    EXPECT_EQ(g.caseproche(40, 11), 1) << "20 pixels away is still the cell";
    EXPECT_EQ(g.caseproche(41, 11), 0) << "21 pixels away is no cell";
    EXPECT_EQ(g.caseproche(20, 0), 1) << ":AB and :AF are both 11 pixels away";
    EXPECT_EQ(g.caseproche(20, -1), 2);
}

TEST(GridHitTest, HexagonAndPointThresholds) {
    clagrivora g;
    chargegrille(g, {"X", "XAA"});
    EXPECT_EQ(g.hexaproche(6, 0), 1);
    EXPECT_EQ(g.hexaproche(3, -3), 1);
    EXPECT_EQ(g.hexaproche(7, 0), 0);
    EXPECT_EQ(g.hexaproche(80, 6), 2);
    EXPECT_EQ(g.pointproche(0, 0), 1);
    EXPECT_EQ(g.pointproche(46, 0), g.getpoints().trouvexact("A"));
    EXPECT_EQ(g.pointproche(47, 0), 0);
}

TEST(GridHitTest, PartialHexagonsAreNumberedAfterCompleteOnes) {
    clagrivora g;
    chargegrille(g, {":AB", "C:AF", "D:AB", "D:AF"});
    EXPECT_EQ(g.hexapartproche(10, 0), 1);
    EXPECT_EQ(g.hexapartproche(11, 0), 0);
    clagrivora h;
    chargegrille(h, {"X", "XA"});
    const short f = h.numerodelhexanor("F");
    EXPECT_EQ(f, 4);
    EXPECT_EQ(h.hexapartproche(20, -35), f);
    EXPECT_EQ(h.hexapartproche(2, 0), 1);
}

TEST(GridClear, ModesKeepOrEmptyTheLists) {
    clagrivora g;
    chargegrille(g, {"X"});
    g.setnom("essai");
    g.setangle(30);
    g.fautunetabledescases();
    g.clear('R');
    EXPECT_STREQ(g.getnom(), "");
    EXPECT_EQ(g.getangle(), 0);
    EXPECT_EQ(g.getnbcases(), 0);
    EXPECT_FALSE(g.faittabcases());
    EXPECT_FALSE(g.faitbase());
    EXPECT_EQ(g.getcases().effectif(), 6) << "only mode N empties the lists";
    EXPECT_EQ(g.gettaillepix(), 40);
    EXPECT_EQ(g.getregledouze(), 1);
    g.clear('N');
    EXPECT_EQ(g.getcases().effectif(), 0);
    EXPECT_EQ(g.gethexas().effectif(), 0);
}

// Everything the accessors can tell about cells 1..nbcases.
std::vector<short> photo(const clagrivora& g) {
    std::vector<short> v;
    for (short c = 1; c <= g.getnbcases(); ++c) {
        v.push_back(g.getcaseval(c));
        v.push_back(g.getvaluposs(c));
        v.push_back(g.getpuser(c));
        v.push_back(g.casestfixe(c) ? 1 : 0);
    }
    return v;
}

// Calls every accessor that takes a cell or hexagon number with `numero`.
void touttoucher(clagrivora& g, short numero, short v) {
    g.setcaseval(numero, v);
    g.defixercase(numero);
    g.setvaluposs(numero, v);
    if (short* p = g.possitabladr(numero)) *p = g.getvaluposs(numero);
    g.swapossuser(numero, v);
    g.razpuser(numero);
    g.interdicaval(numero, v);
    g.interdidouze(numero, v);
    g.interditrois(numero, v);
    g.interdiquinze(numero, v);
    g.isautorisee(numero, v);
    short x = 0;
    short y = 0;
    g.givepossofuser(numero, v, x, y);
    g.possiproche(numero, x, y);
    vopoint points[7];
    g.givecasepoints(numero, points);
    g.givepthexapoints(numero, points);
    gstring t;
    g.ecricalignouv(&t, v, numero, "-");
    for (short i = -1; i <= 15; ++i) {
        g.casevoisine(numero, i);
        g.casopposee(numero, i);
    }
    g.getcaseval(numero);
    g.casestfixe(numero);
    g.getvaldef(numero);
    g.getnidef(numero);
    g.getrangee(numero);
    g.getcolonne(numero);
    g.getcolonnecopie(numero);
    g.getcacentrix(numero);
    g.getcacentry(numero);
    g.gethexacentrix(numero);
    g.gethexacentry(numero);
}

TEST(Robustness, NumbersOutsideTheTablesReadZeroAndWriteNothing) {
    clagrivora g;
    chargegrillejouable(g, {"X", "XA", "WPJ%100"});
    g.swapossuser(3, 2);
    const short n = g.getnbcases();
    const std::vector<short> avant = photo(g);
    std::mt19937 alea(17);
    for (int numero = -32768; numero <= 32767; ++numero) {
        const auto cell = static_cast<short>(numero);
        if (cell >= 1 && cell <= n) continue;
        touttoucher(g, cell, static_cast<short>(alea() % 9));
        ASSERT_EQ(g.getcaseval(cell), 0) << cell;
        ASSERT_EQ(g.getvaluposs(cell), 0) << cell;
        ASSERT_EQ(g.getpuser(cell), 0) << cell;
        ASSERT_EQ(g.possitabladr(cell), nullptr) << cell;
        ASSERT_EQ(g.casevoisine(cell, 0), 0) << cell;
    }
    EXPECT_EQ(photo(g), avant);
}

TEST(Robustness, AnyValueAtAnyCellKeepsTheTablesWhole) {
    clagrivora g;
    chargegrillejouable(g, {"X", "XA", "XB", "XAB"});
    const short n = g.getnbcases();
    std::mt19937 alea(29);
    for (int essai = 0; essai < 4000; ++essai) {
        const auto cell = static_cast<short>(static_cast<int>(alea() % (n + 4)) - 2);
        const auto v = static_cast<short>(static_cast<int>(alea() % 12) - 3);
        touttoucher(g, cell, v);
        g.metencase(cell, v);
        if (essai % 50 == 0) {
            g.ajustepossicase();
            g.setactudatabis(textedetat(g).c_str());
        }
    }
    const std::string s = textedetat(g);
    EXPECT_EQ(s.find_first_not_of("ABCDEFGHK01234567"), std::string::npos) << s;
    g.retourafixe();
    g.razallpuser();
    EXPECT_EQ(textedetat(g).find_first_not_of("GHK"), std::string::npos);
}

TEST(Robustness, AFreshGridAnswersEveryNumberWithZero) {
    clagrivora g;
    for (short cell : {short(-32768), short(-1), short(0), short(1), short(2), short(32767)}) {
        touttoucher(g, cell, 3);
        EXPECT_EQ(g.getcaseval(cell), 0);
        EXPECT_EQ(g.caseproche(cell, cell), 0);
        EXPECT_EQ(g.hexapartproche(cell, cell), 0);
        EXPECT_EQ(g.pointproche(cell, cell), 0);
    }
}

} // namespace
