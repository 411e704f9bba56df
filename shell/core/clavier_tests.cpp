// The keyboard intents of the game in progress on a catalogue grid (the
// cursor shown by an arrow, hidden by a click, the same rules of entry as the
// mouse), the pencil marks an entry cleans, with its undo and redo, and the
// counts of each value left to place.
#include "shell/core/partie.h"
#include "shell/core/partie_testing.h"

#include "shell/core/paramuser_testing.h"

#include "grid/generation/grilleforme.h"
#include "grid/solver/solver.h"
#include "grid/valuemasks.h"
#include "lattice/catalogue/grillecatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

class clavier : public ::testing::Test {
protected:
    void SetUp() override {
        nomgrinit();
        p.fixefichier(dossier.fichier("VORA.TXT"));
        ASSERT_TRUE(p.charge(1).grillechargee);
        for (short c = 1; c <= g().getnbcases() && a == 0; ++c)
            if (g().casestvide(c)) a = c;
        ASSERT_NE(a, 0);
        for (short v = 1; v <= 6; ++v) (g().isautorisee(a, v) != 0 ? permise : refusee) = v;
        ASSERT_NE(permise, 0);
        ASSERT_NE(refusee, 0);
    }
    clagrivora& g() { return p.grilledessin(); }
    // Cell c becomes current without any change (the eraser on an empty,
    // unmarked cell is refused), then an arrow shows the cursor there.
    void curseursur(short c) {
        p.choisitvaleur(0);
        p.clicgauche(c);
        p.deplacecurseur(sensdeplacement::haut);
        ASSERT_TRUE(p.curseurvisible());
        ASSERT_EQ(p.casecourante(), c);
    }
    dossiertemporaire dossier;
    clapartie p;
    short a = 0;
    short permise = 0;
    short refusee = 0;
};

TEST_F(clavier, TheKeysFollowTheRulesOfTheMouse) {
    EXPECT_FALSE(p.curseurvisible());
    const effets sans = p.touchechiffre(permise);
    EXPECT_FALSE(sans.repeindre);
    EXPECT_TRUE(g().casestvide(a)) << "no cursor: a digit only chooses, in the shell";
    const effets montre = p.deplacecurseur(sensdeplacement::droite);
    EXPECT_TRUE(montre.curseurdeplace && p.curseurvisible());
    EXPECT_EQ(p.casecourante(), 1) << "the first arrow shows the cursor where it is";
    curseursur(a);

    struct pas {
        std::string nom;
        std::function<effets()> intent;
        std::vector<bipjeu> bips;
        std::function<bool()> apres;
    };
    const std::vector<pas> suite{
        {"a refused digit", [&] { return p.touchechiffre(refusee); }, bipsderefus,
         [&] { return g().casestvide(a) && p.valeurcourante() == refusee; }},
        {"an allowed digit",
         [&] { return p.touchechiffre(permise); },
         {},
         [&] { return g().getcaseval(a) == permise && p.historique().getposition() == 1; }},
        {"Delete erases, the value stays current",
         [&] { return p.effacecase(); },
         {{250, 80}, {200, 80}, {150, 80}},
         [&] { return g().casestvide(a) && p.valeurcourante() == permise; }},
        {"a pencil mark",
         [&] { return p.basculemarque(4); },
         {},
         [&] { return yavaldpo(4, g().getpuser(a)) != 0; }},
        {"the same mark again",
         [&] { return p.basculemarque(4); },
         {},
         [&] { return g().getpuser(a) == 0; }},
        {"Return enters the current value",
         [&] { return p.entreevaleur(); },
         {},
         [&] { return g().getcaseval(a) == permise; }},
        {"no mark in a filled cell", [&] { return p.basculemarque(2); }, bipsderefus,
         [&] { return g().getpuser(a) == 0; }},
        {"undo", [&] { return p.defaire(); }, {}, [&] { return g().casestvide(a); }},
        {"redo", [&] { return p.refaire(); }, {}, [&] { return !g().casestvide(a); }},
    };
    for (const pas& s : suite) {
        const effets e = s.intent();
        EXPECT_EQ(e.bips, s.bips) << s.nom;
        EXPECT_TRUE(s.apres()) << s.nom;
        EXPECT_TRUE(p.curseurvisible()) << s.nom;
    }
    // A refused entry names the cells that hold the value around.
    p.effacecase();
    const effets refus = p.touchechiffre(refusee);
    ASSERT_FALSE(refus.conflits.empty());
    for (const short n : refus.conflits) EXPECT_EQ(g().getcaseval(n), refusee) << n;
    short donnee = 0;
    for (short c = 1; c <= g().getnbcases() && donnee == 0; ++c)
        if (g().casestfixe(c)) donnee = c;
    curseursur(donnee);
    EXPECT_EQ(p.effacecase().bips, bipsderefus) << "a given value cannot be erased";
    EXPECT_EQ(g().getcaseval(donnee), g().getvaldef(donnee));
    p.clicdroit(a, 0);
    EXPECT_FALSE(p.curseurvisible()) << "a click hides the cursor";
    EXPECT_FALSE(p.entreevaleur().repeindre);
}

TEST_F(clavier, AnEntryTakesTheFreePlacesOfItsValueAroundIt) {
    const auto avant = p.placeslibres();
    // The empty cells around a that could take the value, and a itself.
    short prises = 1;
    for (short i = 0; i < 12; ++i) {
        const short n = g().casevoisine(a, i);
        bool libre = n != 0 && g().casestvide(n);
        for (short j = 0; j < 12 && libre; ++j)
            libre = g().getcaseval(g().casevoisine(n, j)) != permise;
        if (libre) ++prises;
    }
    p.choisitvaleur(permise);
    p.clicgauche(a);
    const auto apres = p.placeslibres();
    for (short v = 1; v <= 6; ++v) {
        const auto i = static_cast<size_t>(v);
        if (v == permise) {
            EXPECT_EQ(apres[i], avant[i] - prises);
        } else {
            EXPECT_LE(apres[i], avant[i]) << v << ": only a is taken";
        }
    }
}

TEST_F(clavier, AnEntryCleansTheMarksAroundAndItsUndoPutsThemBack) {
    for (const bool nettoie : {true, false}) {
        accespartie::parametres(p).nettoiemarques = nettoie;
        // Every empty neighbour of a gets the marks of permise and of another value.
        const short autre = permise == 1 ? short(2) : short(1);
        std::vector<short> marquees;
        for (short i = 0; i < 12; ++i) {
            const short n = g().casevoisine(a, i);
            if (n == 0 || !g().casestvide(n)) continue;
            if (yavaldpo(permise, g().getpuser(n)) == 0) g().swapossuser(n, permise);
            if (yavaldpo(autre, g().getpuser(n)) == 0) g().swapossuser(n, autre);
            marquees.push_back(n);
        }
        ASSERT_FALSE(marquees.empty());
        const auto marque = [&](short c, short v) { return yavaldpo(v, g().getpuser(c)) != 0; };
        const short position = p.historique().getposition();
        p.choisitvaleur(permise);
        p.clicgauche(a);
        ASSERT_EQ(g().getcaseval(a), permise);
        EXPECT_EQ(p.historique().getposition(), position + 1) << "one step with the entry";
        for (const short n : marquees) {
            EXPECT_EQ(marque(n, permise), !nettoie) << n;
            EXPECT_TRUE(marque(n, autre)) << n;
        }
        p.defaire();
        EXPECT_TRUE(g().casestvide(a));
        for (const short n : marquees) EXPECT_TRUE(marque(n, permise)) << "undo puts it back";
        p.refaire();
        EXPECT_EQ(g().getcaseval(a), permise);
        for (const short n : marquees) EXPECT_EQ(marque(n, permise), !nettoie) << "redo";
        p.defaire();
    }
}

} // namespace

// On every playable grid, solved by the grid's own solver and entered cell by
// cell: the counts start at the empty cells of each value's solution, each
// entry of v takes one from v alone, its undo gives it back, and the finished
// grid has nothing left.
TEST(restantes, FollowTheEntriesToTheEndOnEveryGrid) {
    nomgrinit();
    dossiertemporaire dossier;
    for (short grille = 1; grille <= 5; ++grille) {
        SCOPED_TRACE("grid " + std::to_string(grille));
        clapartie p;
        p.fixefichier(dossier.fichier("VORA" + std::to_string(grille) + ".TXT"));
        ASSERT_TRUE(p.charge(grille).grillechargee);
        clagrivora& g = p.grilledessin();
        std::vector<std::uint8_t> donnees;
        for (short c = 1; c <= g.getnbcases(); ++c)
            donnees.push_back(static_cast<std::uint8_t>(std::max<short>(g.getcaseval(c), 0)));
        const solver::solve_result r = solver::solve(grillegen::formedelagrille(g), donnees, 2);
        ASSERT_EQ(r.solutions, 1);
        std::array<short, 7> attendu{};
        for (short c = 1; c <= g.getnbcases(); ++c)
            if (g.casestvide(c)) ++attendu[r.first[static_cast<size_t>(c - 1)]];
        ASSERT_TRUE(p.restantes().has_value());
        EXPECT_EQ(*p.restantes(), attendu);
        bool premiere = true;
        for (short c = 1; c <= g.getnbcases(); ++c) {
            if (!g.casestvide(c)) continue;
            const short v = r.first[static_cast<size_t>(c - 1)];
            p.choisitvaleur(v);
            p.clicgauche(c);
            --attendu[static_cast<size_t>(v)];
            EXPECT_EQ(*p.restantes(), attendu) << "cell " << c << " value " << v;
            if (premiere && !g.cestfini()) {
                premiere = false;
                p.defaire();
                ++attendu[static_cast<size_t>(v)];
                EXPECT_EQ(*p.restantes(), attendu) << "undone";
                p.refaire();
                --attendu[static_cast<size_t>(v)];
            }
        }
        EXPECT_EQ(*p.restantes(), (std::array<short, 7>{})) << "the finished grid";
    }
}
