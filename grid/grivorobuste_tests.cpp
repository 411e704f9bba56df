// Robustness of the grid model against any game-state text and any cell or
// hexagon number: nothing is read or written outside the tables (the
// sanitizer build checks the memory), values stay 0..6 and marks 0..63.
#include "grid/chargegrille_testing.h"
#include "grid/clagrivora.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace {

std::string etat(clagrivora& g) {
    gstring t;
    g.getactudata(3, &t);
    return t.adr();
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

// A text mixing the characters of game-state texts with any other byte.
std::string textealeatoire(std::mt19937& alea, size_t longueur) {
    static const std::string utiles = "ABCDEFGHKabcdefghk01234567";
    std::string t(longueur, ' ');
    for (char& ch : t) {
        if (alea() % 2)
            ch = utiles[alea() % utiles.size()];
        else
            ch = static_cast<char>(1 + alea() % 255);
    }
    return t;
}

TEST(Robustness, AnyStateTextDecodesWithinTheTables) {
    clagrivora g;
    chargegrillejouable(g, {"X", "XA", "XB", "WPJ%100", "AVRJ%90"});
    const short n = g.getnbcases();
    std::mt19937 alea(20261208);
    for (int essai = 0; essai < 4000; ++essai) {
        const std::string t = textealeatoire(alea, alea() % (3 * static_cast<size_t>(n)));
        g.setactudatabis(t.c_str());
        for (short c = 1; c <= n; ++c) {
            ASSERT_GE(g.getcaseval(c), 0) << t;
            ASSERT_LE(g.getcaseval(c), 6) << t;
            ASSERT_GE(g.getpuser(c), 0) << t;
            ASSERT_LE(g.getpuser(c), 63) << t;
        }
        for (short i = 1; i <= lisaisiesattente.effectif(); ++i) {
            gstring entree(lisaisiesattente.adr(i));
            gstring genre;
            genre.depilefrom(entree.adr());
            gstring numero;
            numero.depilefrom(entree.adr());
            const short cell = static_cast<short>(std::stoi(numero.adr()));
            ASSERT_GE(cell, 1) << t;
            ASSERT_LE(cell, n) << t;
        }
        g.injecterpossuval();
        const std::string s = etat(g);
        g.setactudatabis(s.c_str());
        ASSERT_EQ(etat(g), s) << "a text the grid wrote reads back the same";
    }
}

TEST(Robustness, TextsLongerThanSixteenBitsAreRejected) {
    clagrivora g;
    chargegrillejouable(g, {"X", "WPJ%100"});
    std::mt19937 alea(5);
    for (size_t longueur : {size_t{32767}, size_t{32768}, size_t{65537}, size_t{100000}}) {
        const std::string t = textealeatoire(alea, longueur);
        g.setactudatabis(t.c_str());
        EXPECT_EQ(g.getcaseval(1), 1) << "the given is kept";
        for (short c = 2; c <= g.getnbcases(); ++c) EXPECT_EQ(g.getcaseval(c), 0);
        EXPECT_EQ(g.yadespossusers(), 0);
        EXPECT_TRUE(lisaisiesattente.isempty());
    }
    g.setactudatabis(std::string(50000, 'K').c_str());
    EXPECT_EQ(etat(g), "AKH") << "givens only";
}

TEST(Robustness, StateTextsOfAGridWithoutCells) {
    clagrivora g;
    g.setactudatabis("ABC12KH");
    EXPECT_TRUE(lisaisiesattente.isempty());
    EXPECT_EQ(etat(g), "");
    g.injecterpossuval();
    EXPECT_EQ(g.cestfini(), 0);
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
            g.setactudatabis(etat(g).c_str());
        }
    }
    const std::string s = etat(g);
    EXPECT_EQ(s.find_first_not_of("ABCDEFGHK01234567"), std::string::npos) << s;
    g.retourafixe();
    g.razallpuser();
    EXPECT_EQ(etat(g).find_first_not_of("GHK"), std::string::npos);
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
