// Hints on every catalogue grid at every level: repeated hints alone finish
// the grid with the grid's own values, and every sentence names only what the
// highlighted picture shows, in both languages. Wrong entries come first.
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

// What the picture of h shows agrees with its sentence; the techniques
// recognised are added to vues.
void verifiephrase(const clagrivora& g, const indicejeu& h, std::set<std::string>& vues) {
    const std::string& t = h.texte;
    SCOPED_TRACE(t);
    EXPECT_TRUE(contient(t, {"his triangle", "e triangle", "So it holds", "Il tient donc"}));
    // A single's highlighted cells are the neighbours holding the values it names.
    const bool seul = contient(t, {"shares a corner with", "touche par un coin"});
    EXPECT_EQ(contient(t, {"highlighted", "surlign"}) || seul, !h.surlignees.empty());
    EXPECT_EQ(contient(t, {"hexagon"}), !h.ombrees.empty());
    EXPECT_EQ(contient(t, {"framed", "encadr"}), h.encadree != 0);
    if (h.encadree != 0) vues.insert("contradiction");
    if (contient(t, {"between them", "eux tous", "nothing else", "rien d'autre"}))
        vues.insert("subset");
    if (contient(t, {"one corner", "un même coin"})) vues.insert("intersection");
    if (seul) {
        vues.insert("single");
        // Each value named is held by a highlighted neighbour; with the
        // value to enter they make all six.
        std::set<short> autour;
        for (const short c : h.surlignees) {
            EXPECT_TRUE(voisines(g, h.cible, c));
            autour.insert(g.getcaseval(c));
        }
        EXPECT_EQ(autour.size(), 5u);
        EXPECT_EQ(autour.count(h.valeur), 0u);
        const std::string liste = t.substr(0, t.find(':'));
        for (short v = 1; v <= 6; ++v)
            EXPECT_EQ(liste.find(std::to_string(v)) != std::string::npos, autour.count(v) == 1);
    } else if (t.rfind("In this hexagon", 0) == 0 || t.rfind("Dans cet hexagone", 0) == 0) {
        vues.insert("hidden single");
        // Five other cells of the hexagon: each open one sees the value
        // in a highlighted cell.
        EXPECT_EQ(h.ombrees.size(), 5u);
        for (const short c : h.ombrees) {
            EXPECT_NE(g.getcaseval(c), h.valeur);
            if (!g.casestvide(c)) continue;
            EXPECT_TRUE(std::any_of(
                h.surlignees.begin(), h.surlignees.end(),
                [&](short w) { return g.getcaseval(w) == h.valeur && voisines(g, c, w); }))
                << "cell " << c;
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
                verifiephrase(g, h, vues);
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
// deduction and then marked, the hint entered by a second press and undone,
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
    EXPECT_EQ(e.aide->texte, "One of your entries does not match the solution. H again: show it.");
    EXPECT_EQ(e.aide->cible, 0);
    e = p.indice();
    ASSERT_TRUE(e.aide);
    EXPECT_EQ(e.aide->fausses, std::vector<short>{fausse});
    EXPECT_EQ(p.verifie().aide->fausses, std::vector<short>{fausse});
    p.defaire();
    EXPECT_TRUE(p.verifie().aide->fausses.empty());

    e = p.indice();
    ASSERT_TRUE(e.aide);
    const short cible = e.aide->cible;
    ASSERT_NE(cible, 0);
    EXPECT_NE(e.aide->texte.find("H again: enter the value."), std::string::npos);
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
