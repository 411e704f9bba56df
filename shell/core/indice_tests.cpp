// Hints on every catalogue grid at every level: repeated hints alone finish
// the grid with the grid's own values, each deduction in three stages whose
// sentences name only what their pictures show, in both languages. Wrong
// entries come first.
#include "shell/core/indice.h"

#include "shell/core/paramuser.h"
#include "shell/core/paramuser_testing.h"
#include "shell/core/partie.h"
#include "shell/core/partie_testing.h"
#include "shell/core/solutiongrille.h"

#include "grid/generation/grilleforme.h"
#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "grid/chargegrille_testing.h"

namespace {

bool contient(const std::string& t, std::initializer_list<const char*> mots) {
    return std::any_of(mots.begin(), mots.end(),
                       [&](const char* m) { return t.find(m) != std::string::npos; });
}

bool voisines(const clagrivora& g, short a, short b) {
    for (short i = 0; i < 12; ++i)
        if (g.casevoisine(a, i) == b) return true;
    return false;
}

// Each stage of h names what its picture shows, and only that: stage 1 where
// to look (a hexagon, a corner or a triangle), stage 2 why (the blue cells
// hold the value, the green-framed could take it), stage 3 what follows (the
// orange cells); the techniques recognised are added to vues.
void verifieetapes(const clagrivora& g, const indicejeu& h, std::set<std::string>& vues) {
    ASSERT_FALSE(h.etapes.empty());
    ASSERT_EQ(h.etapes.size() % 3, 0u) << "three stages a deduction";
    const bool seuleetape = h.etapes.size() == 3;
    std::string technique;
    for (std::size_t i = 0; i < h.etapes.size(); ++i) {
        const etapeindice& e = h.etapes[i];
        const std::string& t = e.texte;
        SCOPED_TRACE(t);
        const bool derniere = i + 1 == h.etapes.size();
        switch (i % 3) {
        case 0:
            EXPECT_EQ(
                (e.ombrees.empty() ? 0 : 1) + (e.encadree == 0 ? 0 : 1) + (e.coin == 0 ? 0 : 1), 1)
                << "one place to look";
            EXPECT_TRUE(e.tiennent.empty() && e.possibles.empty() && e.retirees.empty() &&
                        e.cible == 0)
                << "nothing more";
            EXPECT_EQ(contient(t, {"hexagon"}), !e.ombrees.empty());
            EXPECT_EQ(contient(t, {"framed", "encadr"}), e.encadree != 0);
            EXPECT_EQ(contient(t, {"marked corner", "coin marqu"}), e.coin != 0);
            technique = contient(t, {"Single", "seule"})            ? "single"
                        : contient(t, {"Only place", "unique"})     ? "hidden single"
                        : contient(t, {"Shared", "oblig"})          ? "intersection"
                        : contient(t, {"air", "rio", "riple"})      ? "subset"
                        : contient(t, {"contradiction", "absurde"}) ? "contradiction"
                                                                    : "";
            EXPECT_FALSE(technique.empty());
            vues.insert(technique);
            break;
        case 1:
            EXPECT_EQ(contient(t, {"blue", "bleu"}), !e.tiennent.empty());
            EXPECT_EQ(contient(t, {"green", "vert"}), !e.possibles.empty());
            EXPECT_TRUE(e.retirees.empty() && e.cible == 0) << "no conclusion yet";
            if (technique == "intersection") {
                EXPECT_NE(e.coin, 0);
                EXPECT_GE(e.possibles.size(), 2u);
            }
            if (i + 2 == h.etapes.size()) {
                // The placement's reasons.
                for (const short c : e.tiennent) {
                    if (technique == "single") {
                        EXPECT_TRUE(voisines(g, h.cible, c));
                    } else if (technique == "hidden single") {
                        EXPECT_EQ(g.getcaseval(c), h.valeur);
                    }
                }
                if (technique == "hidden single") {
                    EXPECT_EQ(e.possibles, std::vector<short>{h.cible});
                }
            }
            if (seuleetape && technique == "single") {
                // The five values named are held by blue neighbours.
                std::set<short> autour;
                for (const short c : e.tiennent) autour.insert(g.getcaseval(c));
                EXPECT_EQ(autour.size(), 5u);
                EXPECT_EQ(autour.count(h.valeur), 0u);
                for (short v = 1; v <= 6; ++v)
                    EXPECT_EQ(t.find(std::to_string(v)) != std::string::npos, autour.count(v) == 1);
            }
            if (seuleetape && technique == "hidden single") {
                // Each other open cell of the hexagon sees the value in a
                // blue cell.
                EXPECT_EQ(e.ombrees.size(), 6u);
                for (const short c : e.ombrees) {
                    if (c == h.cible || !g.casestvide(c)) continue;
                    EXPECT_TRUE(std::any_of(e.tiennent.begin(), e.tiennent.end(),
                                            [&](short w) { return voisines(g, c, w); }))
                        << "cell " << c;
                }
            }
            break;
        default:
            EXPECT_EQ(contient(t, {"orange"}), true);
            if (derniere) {
                EXPECT_EQ(e.cible, h.cible);
                EXPECT_TRUE(e.retirees.empty());
                EXPECT_NE(t.find(std::to_string(h.valeur)), std::string::npos);
            } else {
                EXPECT_EQ(e.cible, 0);
                EXPECT_FALSE(e.retirees.empty());
            }
            break;
        }
    }
}

TEST(indice, RepeatedHintsFinishEveryCatalogueGridAtEveryLevel) {
    globinitvocalcul();
    std::set<std::string> vues;
    for (short i = 1; i <= nbgrillescatalogue(); ++i) {
        gstring nom;
        nomgrillecatalogue(i, &nom);
        clagrivora g;
        ASSERT_EQ(grilleload(0, &g, nom.adr()), 1);
        g.fautunetablevoisiquinze();
        const solutiongrille s = solutiondelagrille(g);
        const std::vector<short>& solution = s.valeurs;
        ASSERT_EQ(solution.size(), static_cast<std::size_t>(g.getnbcases()));
        for (const short seuil :
             {short(75), short(80), short(85), short(90), short(95), short(100), short(120)}) {
            SCOPED_TRACE(std::string(nom.adr()) + " at " + std::to_string(seuil));
            const solver::cellvalues donnees = grillegen::donneesauseuil(g, seuil);
            for (short c = 1; c <= g.getnbcases(); ++c)
                g.setcaseval(c, donnees[static_cast<std::size_t>(c - 1)]);
            for (short pas = 0; !g.cestfini(); ++pas) {
                const indicejeu h =
                    chercheindice(g, s.forme, pas % 2 != 0 ? langueanglais : languefrancais);
                ASSERT_TRUE(h.trouve) << "step " << pas << ": " << h.texte;
                ASSERT_TRUE(g.casestvide(h.cible));
                ASSERT_EQ(h.valeur, solution[static_cast<std::size_t>(h.cible - 1)])
                    << "a hint is never wrong";
                verifieetapes(g, h, vues);
                g.setcaseval(h.cible, h.valeur);
            }
        }
    }
    for (const char* t : {"single", "hidden single", "intersection", "subset", "contradiction"})
        EXPECT_EQ(vues.count(t), 1u) << t << " never seen";
}

TEST(indice, NoHintWithoutAnyValueAndCandidatesLeaveWhatTheCornersHold) {
    globinitvocalcul();
    clagrivora g;
    ASSERT_EQ(grilleload(0, &g, "1709-6"), 1);
    g.fautunetablevoisiquinze();
    for (short c = 1; c <= g.getnbcases(); ++c) g.setcaseval(c, 0);
    const indicejeu h = chercheindice(g, grillegen::formedelagrille(g), langueanglais);
    EXPECT_FALSE(h.trouve);
    EXPECT_EQ(h.texte, "No technique of this game finds a next value from here.");
    g.setcaseval(1, 4);
    EXPECT_EQ(candidatsdelacase(g, 1), 0);
    for (short c = 2; c <= g.getnbcases(); ++c)
        EXPECT_EQ(candidatsdelacase(g, c), voisines(g, 1, c) ? 63 - 8 : 63) << c;
}

// The three intents on a grid in play: a wrong entry reported before any
// deduction and then marked, the hint shown in stages and entered by the
// press after them, then undone,
// the candidates filled in one undo step.
TEST(indice, HelpIntentsOnAGridInPlay) {
    globinitvocalcul();
    nomgrinit();
    dossiertemporaire dossier;
    clapartie p;
    p.fixefichier(dossier.fichier("VORA.TXT"));
    accespartie::parametres(p).langue = langueanglais;
    ASSERT_TRUE(p.charge(1).grillechargee);
    clagrivora& g = p.grilledessin();
    const std::vector<short> solution = p.solutionjeu();
    ASSERT_EQ(solution, solutiondelagrille(g).valeurs) << "worked out once, as it is searched";
    short fausse = 0;
    for (short c = 1; c <= g.getnbcases() && fausse == 0; ++c)
        for (short v = 1; v <= 6 && fausse == 0; ++v)
            if (g.casestvide(c) && g.isautorisee(c, v) != 0 && v != solution[c - 1UL]) {
                p.choisitvaleur(v);
                p.clicgauche(c);
                fausse = c;
            }
    ASSERT_NE(fausse, 0);

    effets e = p.indice();
    ASSERT_TRUE(e.aide);
    EXPECT_EQ(e.aide->etape.texte,
              "One of your entries does not match the solution. H again: show it.");
    EXPECT_EQ(e.aide->etape.cible, 0);
    e = p.indice();
    ASSERT_TRUE(e.aide);
    EXPECT_EQ(e.aide->fausses, std::vector<short>{fausse});
    EXPECT_EQ(p.verifie().aide->fausses, std::vector<short>{fausse});
    p.defaire();
    EXPECT_TRUE(p.verifie().aide->fausses.empty());

    // The hint's stages, one a press (grid 1's first is a single
    // deduction): where, why, what; the next press enters the value.
    e = p.indice();
    ASSERT_TRUE(e.aide);
    EXPECT_EQ(e.aide->etape.cible, 0);
    EXPECT_NE(e.aide->etape.texte.find("H again: why."), std::string::npos);
    e = p.indice();
    ASSERT_TRUE(e.aide);
    EXPECT_EQ(e.aide->etape.cible, 0);
    e = p.indice();
    ASSERT_TRUE(e.aide);
    const short cible = e.aide->etape.cible;
    ASSERT_NE(cible, 0);
    EXPECT_NE(e.aide->etape.texte.find("H again: enter the value."), std::string::npos);
    ASSERT_TRUE(g.casestvide(cible));
    const short valeur = p.valeurcourante();
    e = p.indice();
    EXPECT_FALSE(e.aide);
    EXPECT_EQ(g.getcaseval(cible), solution[cible - 1UL]);
    EXPECT_EQ(p.valeurcourante(), valeur);
    p.defaire();
    EXPECT_TRUE(g.casestvide(cible));
    // Forgotten (another key): the next press shows the hint again.
    p.indice();
    p.oublieaide();
    EXPECT_TRUE(p.indice().aide);

    g.swapossuser(cible, 1);
    const std::string avant = textedetat(g);
    ASSERT_TRUE(p.notecandidats().repeindre);
    for (short c = 1; c <= g.getnbcases(); ++c)
        EXPECT_EQ(g.getpuser(c), g.casestvide(c) ? candidatsdelacase(g, c) : 0) << c;
    EXPECT_FALSE(p.notecandidats().repeindre) << "nothing left to fill";
    p.defaire();
    EXPECT_EQ(textedetat(g), avant);
    p.refaire();
    EXPECT_EQ(g.getpuser(cible), candidatsdelacase(g, cible));
    // Counted: every hint shown (not its second press), every check (the
    // wrong entries shown too), every fill that changed a mark.
    EXPECT_EQ(p.aidesutilisees(), (aidesgrille{4, 3, 1}));
}

} // namespace
