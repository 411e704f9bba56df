// Tests of the topology lists of a grid (topolistes.h): each builder on small
// grids worked out by hand, then properties of each builder on random grids.
#include "lattice/topobase.h"
#include "lattice/topoitem.h"
#include "lattice/topolistes.h"
#include "lattice/vonormalise.h"

#include "foundation/lichavo.h"
#include "foundation/lichavo_testing.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using lichavotesting::contents;
using lichavotesting::listof;
using lichavotesting::texts;

// A grid given by its hexagons, with its cells completed.
struct grille {
    lichavo hexas;
    lichavo cases;
    explicit grille(const texts& h) : hexas(listof(h)) { topocompletecases(&cases, &hexas); }
};

const texts sixcasesorigine = {":AB", ":AF", "C:AF", "D:AB", "D:AF", "E:AB"};

} // namespace

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

TEST(Topolistes, OneHexagonCellsPointsAndCompleteHexagons) {
    grille g({""});
    EXPECT_EQ(contents(g.cases), sixcasesorigine);

    lichavo points;
    topocalculipoint(&points, &g.cases);
    EXPECT_EQ(contents(points), (texts{"", "A", "B", "C", "D", "E", "F"}));

    lichavo complete, partial;
    topoajoutcompartiels(&complete, &partial, &g.cases);
    EXPECT_EQ(contents(complete), texts{""});
    EXPECT_TRUE(partial.isempty()) << "each corner has only two of its cells";
    topoajoutcompartiels(&complete, &partial, &g.cases);
    EXPECT_EQ(contents(complete), texts{""}) << "a present hexagon is not added again";
}

TEST(Topolistes, OneHexagonNeighbours) {
    grille g({""});
    lichavo pairs, partial;
    topolisthexasvoisins(&pairs, &g.hexas, &partial);
    EXPECT_TRUE(pairs.isempty());

    lichavo normal, alternate;
    topofuturvoisidouze(&normal, &alternate, &g.cases, &g.hexas);
    ASSERT_EQ(normal.effectif(), 6);
    EXPECT_STREQ(normal.adr(1), ":AB,  :AF,C:AF,D:AB,D:AF,E:AB,");
    EXPECT_STREQ(normal.adr(6), "E:AB,  :AB,:AF,C:AF,D:AB,D:AF,");
    EXPECT_EQ(contents(alternate), contents(normal));
}

TEST(Topolistes, OneHexagonRingAround) {
    grille g({""});
    lichavo enclosed, outside;
    topocasesautourgri(&enclosed, &outside, &g.cases, &g.hexas);
    EXPECT_TRUE(enclosed.isempty());
    EXPECT_EQ(outside.effectif(), 18);
    EXPECT_TRUE(outside.tribon());
    EXPECT_NE(outside.trouvexact("B:AF"), 0);
    EXPECT_NE(outside.trouvexact("A:AB"), 0);
    EXPECT_EQ(outside.trouvexact(":AB"), 0);
}

TEST(Topolistes, OneHexagonOppositesAndContour) {
    grille g({""});
    lichavo opp, oppcomplete, demi;
    topocrealicasoppo(&opp, &oppcomplete, &g.cases, &g.hexas);
    EXPECT_TRUE(opp.isempty());
    topocrealistoppodemi(&demi, &g.cases, &g.hexas);
    EXPECT_TRUE(demi.isempty());

    lichavo inner, outer;
    topocontourtritop(&g.hexas, &inner, &outer);
    EXPECT_EQ(contents(inner), (texts{"D:AA", "E:BB", "F:CC"}))
        << "spokes merge through the centre";
    EXPECT_EQ(contents(outer), (texts{"C:A", "E:A", "D:B", "F:B", "A:C", "E:C"}));
}

TEST(Topolistes, TwoNeighbouringHexagons) {
    grille g({"", "XA"});
    EXPECT_EQ(contents(g.cases),
              (texts{":AB", ":AF", "A:AB", "A:AF", "B:AF", "C:AF", "D:AB", "D:AF", "E:AB", "F:AB"}))
        << "the two hexagons share :AB and :AF";

    lichavo complete, partial;
    complete = listof({"", "A"});
    topoajoutcompartiels(&complete, &partial, &g.cases);
    EXPECT_EQ(contents(complete), (texts{"", "A"}));
    EXPECT_EQ(contents(partial), (texts{"B", "F"})) << "B and F each have three cells";

    lichavo pairs;
    topolisthexasvoisins(&pairs, &complete, &partial);
    EXPECT_EQ(contents(pairs), (texts{"cc:,A", "cp:,B", "cp:,F", "cp:A,B", "cp:A,F"}));
    topotravengsp = 1;
    topolisthexasvoisins(&pairs, &complete, &partial);
    topotravengsp = 0;
    EXPECT_EQ(contents(pairs), texts{"cc:,A"});

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
    EXPECT_EQ(contents(inner), (texts{"D:AAA", "E:BB", "F:BB", "AF:CC", "F:CC"}));
    EXPECT_EQ(contents(outer), (texts{"C:AA", "E:AA", "AF:B", "D:B", "AA:C", "E:C"}));
}

TEST(Topolistes, AlternateNeighboursIgnoreTheCellList) {
    lichavo hexas, cells, normal, alternate;
    hexas = listof({""});
    cells = listof({":AB"});
    topofuturvoisidouze(&normal, &alternate, &cells, &hexas);
    EXPECT_EQ(contents(normal), texts{":AB,  "});
    EXPECT_EQ(contents(alternate), texts{":AB,  :AF,C:AF,D:AB,D:AF,E:AB,"});
}

TEST(Topolistes, PartialHexagonsFromCellsAlone) {
    lichavo complete, partial, cells;
    cells = listof({":AB", "C:AF", "D:AB"});
    topoajoutcompartiels(&complete, &partial, &cells);
    EXPECT_TRUE(complete.isempty());
    EXPECT_EQ(contents(partial), texts{""}) << "three of the origin's cells";
    cells = listof({":AB", "C:AF"});
    topoajoutcompartiels(&complete, &partial, &cells);
    EXPECT_TRUE(partial.isempty()) << "two cells are too few";
    cells = listof(sixcasesorigine);
    complete = listof({"B"});
    topoajoutcompartiels(&complete, &partial, &cells);
    EXPECT_EQ(contents(complete), (texts{"B", ""})) << "appended, not sorted";
}

TEST(Topolistes, LineOfThreeHexagonsOppositeCells) {
    grille g({"", "A", "D"});
    lichavo opp, oppcomplete;
    topocrealicasoppo(&opp, &oppcomplete, &g.cases, &g.hexas);
    EXPECT_EQ(contents(opp), (texts{"CD:AF,F:AB,  hx=1", "DE:AB,B:AF,  hx=1"}));
    EXPECT_TRUE(oppcomplete.isempty()) << "corners C, F and B, E are not hexagons";

    lichavo demi;
    topocrealistoppodemi(&demi, &g.cases, &g.hexas);
    EXPECT_EQ(contents(demi),
              (texts{"B:AF,D:AB,D:AF,E:AB,", "C:AF,DD:AB,DD:AF,DE:AB,", "C:AF,F:AB,A:AF,A:AB,",
                     "CD:AF,E:AB,:AF,:AB,", "DE:AB,:AF,:AB,C:AF,", "E:AB,A:AF,A:AB,B:AF,",
                     "E:AB,CD:AF,DD:AB,DD:AF,", "F:AB,C:AF,D:AB,D:AF,"}));
}

TEST(Topolistes, FlowerOfSevenHexagonsHasCompleteOppositePairs) {
    grille g({"", "A", "B", "C", "D", "E", "F"});
    lichavo opp, oppcomplete;
    topocrealicasoppo(&opp, &oppcomplete, &g.cases, &g.hexas);
    const texts centre = {"C:AB,E:AF,  hx=1", "CD:AF,F:AB,  hx=1", "DE:AB,B:AF,  hx=1"};
    const texts all = contents(opp);
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(texts(all.begin(), all.begin() + 3), centre);
    EXPECT_EQ(contents(oppcomplete), centre) << "only the centre has all its corners as hexagons";

    lichavo enclosed, outside;
    topocasesautourgri(&enclosed, &outside, &g.cases, &g.hexas);
    EXPECT_TRUE(enclosed.isempty());
}

TEST(Topolistes, RingOfSixHexagonsEnclosesItsHole) {
    grille g({"AA", "BB", "CC", "DD", "EE", "FF"});
    EXPECT_EQ(g.cases.effectif(), 36) << "the hexagons only touch at corners";

    lichavo complete, partial;
    complete = listof({"AA", "BB", "CC", "DD", "EE", "FF"});
    topoajoutcompartiels(&complete, &partial, &g.cases);
    EXPECT_EQ(complete.effectif(), 6);
    EXPECT_EQ(contents(partial), (texts{"AB", "AF", "BC", "CD", "DE", "EF"}));
    lichavo pairs;
    topolisthexasvoisins(&pairs, &complete, &partial);
    EXPECT_EQ(pairs.effectif(), 12);
    EXPECT_STREQ(pairs.adr(1), "cp:AA,AB");
    EXPECT_STREQ(pairs.adr(2), "cp:AA,AF");

    lichavo enclosed, outside;
    topocasesautourgri(&enclosed, &outside, &g.cases, &g.hexas);
    EXPECT_EQ(contents(enclosed), (texts{":AB", ":AF", "B:AF", "C:AB", "C:AF", "CD:AF", "D:AB",
                                         "D:AF", "DE:AB", "E:AB", "E:AF", "F:AB"}))
        << "the centre hexagon and the six cells across its edges";
    EXPECT_TRUE(outside.tribon());
    EXPECT_NE(outside.trouvexact("AAA:AB"), 0);
    for (const std::string& c : contents(enclosed)) EXPECT_EQ(outside.trouvexact(c.c_str()), 0);
    for (const std::string& c : contents(outside)) EXPECT_EQ(g.cases.trouvexact(c.c_str()), 0);
}

namespace {

const std::string lettres = "ABCDEF";

// The unit edges "P:A" of runs "P:AAA", in canonical form.
std::multiset<std::string> unites(const texts& runs) {
    std::multiset<std::string> edges;
    for (const std::string& run : runs) {
        const std::size_t deux = run.find(':');
        std::string p = run.substr(0, deux);
        for (std::size_t k = deux + 1; k < run.size(); ++k) {
            edges.insert(normeseg(p + ":" + run[k]));
            p = normepoint(p + run[k]);
        }
    }
    return edges;
}

// The two triangles on either side of a canonical unit edge "P:A", "P:B" or "P:C".
std::pair<std::string, std::string> cotes(const std::string& edge) {
    const std::string p = edge.substr(0, edge.find(':'));
    const char d = edge.back();
    const char* a = d == 'A' ? ":AB" : d == 'B' ? ":AB" : ":BC";
    const char* b = d == 'A' ? ":AF" : d == 'B' ? ":BC" : ":CD";
    return {normecase(p + a), normecase(p + b)};
}

// The random grids of the property tests: 150 sets of one to nine hexagon
// centres within three steps of the origin, from a fixed seed.
std::vector<texts> grillesaleatoires() {
    unsigned seed = 99;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    };
    std::vector<texts> grilles;
    for (int n = 0; n < 150; ++n) {
        std::set<std::string> centres;
        for (unsigned k = 1 + next() % 9; k > 0; --k) {
            std::string path;
            for (unsigned s = next() % 4; s > 0; --s) path += lettres[next() % 6];
            centres.insert(normepoint(path));
        }
        grilles.emplace_back(centres.begin(), centres.end());
    }
    return grilles;
}

} // namespace

TEST(Topolistes, RandomGridsCompleteCellsAndPartialHexagons) {
    for (const texts& hexagones : grillesaleatoires()) {
        grille g(hexagones);
        const texts cases = contents(g.cases);
        ASSERT_TRUE(g.cases.tribon());
        ASSERT_EQ(std::set<std::string>(cases.begin(), cases.end()).size(), cases.size())
            << "no duplicates";
        for (const std::string& h : hexagones)
            ASSERT_EQ(nbrecasesreelleshexa(h.c_str(), &g.cases), 6);

        lichavo complete = listof(hexagones);
        lichavo partial;
        topoajoutcompartiels(&complete, &partial, &g.cases);
        for (const std::string& h : contents(complete))
            ASSERT_EQ(nbrecasesreelleshexa(h.c_str(), &g.cases), 6);
        for (const std::string& p : contents(partial)) {
            const short k = nbrecasesreelleshexa(p.c_str(), &g.cases);
            ASSERT_TRUE(k >= 3 && k <= 5) << p << " has " << k << " cells";
        }
    }
}

TEST(Topolistes, RandomGridsNeighbourLinesAreSymmetric) {
    for (const texts& hexagones : grillesaleatoires()) {
        grille g(hexagones);
        const texts cases = contents(g.cases);
        // One line per cell, at most twelve neighbours, symmetric.
        lichavo normal, alternate;
        topofuturvoisidouze(&normal, &alternate, &g.cases, &g.hexas);
        ASSERT_EQ(normal.effectif(), g.cases.effectif());
        std::set<std::pair<std::string, std::string>> voisins;
        for (short i = 1; i <= normal.effectif(); ++i) {
            std::string line = normal.adr(i);
            const std::string cell = cases[static_cast<std::size_t>(i - 1)];
            ASSERT_EQ(line.rfind(cell + ",  ", 0), 0u) << line;
            line.erase(0, cell.size() + 3);
            int count = 0;
            for (std::size_t at = 0; at < line.size(); ++count) {
                const std::size_t comma = line.find(',', at);
                ASSERT_NE(comma, std::string::npos) << "neighbours are comma-terminated";
                voisins.emplace(cell, line.substr(at, comma - at));
                at = comma + 1;
            }
            ASSERT_LE(count, 12);
        }
        for (const auto& [a, b] : voisins) ASSERT_TRUE(voisins.count({b, a})) << a << " " << b;
    }
}

TEST(Topolistes, RandomGridsRingSplitsTheCellsAround) {
    globinitvoragotopo();
    lichavo motif;
    motif.setfromgskeep(dixhuitvoisineshexa);
    const texts dixhuit = contents(motif);
    ASSERT_EQ(dixhuit.size(), 18u);
    for (const texts& hexagones : grillesaleatoires()) {
        grille g(hexagones);
        const texts cases = contents(g.cases);
        const std::set<std::string> estcase(cases.begin(), cases.end());
        // Outside and enclosed split the cells around the grid.
        lichavo enclosed, outside;
        topocasesautourgri(&enclosed, &outside, &g.cases, &g.hexas);
        std::set<std::string> anneau;
        for (const std::string& h : hexagones)
            for (const std::string& item : dixhuit)
                if (!estcase.count(normecase(h + item))) anneau.insert(normecase(h + item));
        std::multiset<std::string> deux;
        for (const std::string& c : contents(enclosed)) deux.insert(c);
        for (const std::string& c : contents(outside)) deux.insert(c);
        ASSERT_EQ(deux, std::multiset<std::string>(anneau.begin(), anneau.end()));
        ASSERT_FALSE(outside.isempty());
    }
}

TEST(Topolistes, RandomGridsContourRunsAreMaximal) {
    for (const texts& hexagones : grillesaleatoires()) {
        grille g(hexagones);
        const texts cases = contents(g.cases);
        const std::set<std::string> estcase(cases.begin(), cases.end());
        // An edge of the grid's cells is inner when cells lie on both of its
        // sides and outer when on one; runs are maximal.
        lichavo inner, outer;
        topocontourtritop(&g.hexas, &inner, &outer);
        std::multiset<std::string> interieur, exterieur;
        for (const std::string& h : hexagones) {
            for (int i = 0; i < 6; ++i) {
                for (const std::string& e :
                     {normeseg(h + ":" + lettres[i]),
                      normeseg(h + lettres[i] + ":" + lettres[(i + 2) % 6])}) {
                    const auto [a, b] = cotes(e);
                    auto& dans = estcase.count(a) && estcase.count(b) ? interieur : exterieur;
                    if (!dans.count(e)) dans.insert(e);
                }
            }
        }
        ASSERT_EQ(unites(contents(inner)), interieur);
        ASSERT_EQ(unites(contents(outer)), exterieur);
        for (const lichavo* runs : {&inner, &outer}) {
            std::set<std::string> debuts;
            for (const std::string& run : contents(*runs))
                debuts.insert(run.substr(0, run.find(':')) + run.back());
            for (const std::string& run : contents(*runs)) {
                const std::string p = run.substr(0, run.find(':'));
                const std::string w = run.substr(run.find(':') + 1);
                ASSERT_EQ(w.find_first_not_of(w[0]), std::string::npos) << run;
                ASSERT_FALSE(debuts.count(normepoint(p + w) + w[0])) << run << " is not maximal";
            }
        }
    }
}
