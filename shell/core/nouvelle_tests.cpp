// A new grid through the game in progress: made on its thread, taken in play
// beside a catalogue grid, played, saved, read back by a new session with its
// entries; a cancelled job leaves the game untouched; damaged lines of the
// generated grid in the parameter file are dropped without harm.
#include "shell/core/nouvelletache.h"
#include "shell/core/paramuser_testing.h"
#include "shell/core/partie.h"

#include "grid/generation/generegrille.h"
#include "lattice/catalogue/grillecatalogue.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace std::chrono_literals;

solver::generated_puzzle faite(clanouvelletache& t) {
    while (!t.prete()) std::this_thread::sleep_for(1ms);
    const auto puzzle = t.recupere();
    EXPECT_TRUE(puzzle.has_value());
    return puzzle.value_or(solver::generated_puzzle{});
}

std::string etat(clagrivora& g) {
    gstring t;
    g.getactudata(3, &t);
    return t.adr();
}

TEST(nouvellegrille, MadeTakenPlayedSavedAndBackInANewSession) {
    nomgrinit();
    dossiertemporaire dossier;
    const std::string fichier = dossier.fichier("VORA.TXT");
    clapartie p;
    p.fixefichier(fichier);
    ASSERT_TRUE(p.charge(2).grillechargee);
    p.choisitvaleur(0);
    const std::string catalogue = etat(p.grilledessin());

    clanouvelletache t;
    ASSERT_FALSE(t.lance("blob 3", 3, 1)) << "not a shape";
    ASSERT_TRUE(t.lance("triangle 5", 3, 4242));
    const solver::generated_puzzle puzzle = faite(t);
    const effets e = p.prendnouvelle(t.description(), t.graine(), t.niveau(), puzzle);
    EXPECT_TRUE(e.grillechargee && e.niveauchange);
    const short n = p.parametres().numeronouvelle();
    ASSERT_EQ(p.parametres().grillecourante, n);
    EXPECT_EQ(p.parametres().chronos.getsec(n), 0) << "its time from zero";
    EXPECT_EQ(p.grille().getniveauvoulu(), 3);
    EXPECT_EQ(p.grille().getnbcases(), 46);
    EXPECT_FALSE(p.nouvelleentamee());
    EXPECT_EQ(p.clegrille(), "triangle 5");

    // One entry, then undo and redo: the move is the player's like any other.
    short c = 1;
    while (!p.grille().casestvide(c)) ++c;
    short v = 1;
    while (p.grille().isautorisee(c, v) == 0) ++v;
    p.choisitvaleur(v);
    p.clicgauche(c);
    ASSERT_EQ(p.grille().getcaseval(c), v);
    p.defaire();
    EXPECT_TRUE(p.grille().casestvide(c));
    p.refaire();
    EXPECT_TRUE(p.nouvelleentamee());
    // Another one over it: asked first, before the picker opens; a no keeps
    // it.
    effets autre = p.demandechoixnouvelle();
    ASSERT_TRUE(autre.question.has_value());
    EXPECT_FALSE(autre.question->texte.empty());
    EXPECT_EQ(autre.question->pardefaut, 2);
    EXPECT_FALSE(autre.choixnouvelle);
    EXPECT_FALSE(p.repond(reponsejeu::non).choixnouvelle);
    p.demandechoixnouvelle();
    EXPECT_TRUE(p.repond(reponsejeu::oui).choixnouvelle);
    autre = p.demandenouvelle("ring 2", 5);
    ASSERT_TRUE(autre.generer.has_value());
    EXPECT_FALSE(autre.question.has_value()) << "asked once, before the picker";
    EXPECT_EQ(autre.generer->forme, "ring 2");
    const std::string joue = etat(p.grilledessin());

    // Back to the catalogue grid and again to the new one: both as left.
    ASSERT_TRUE(p.charge(2).grillechargee);
    EXPECT_EQ(etat(p.grilledessin()), catalogue);
    EXPECT_TRUE(p.nouvelleentamee()) << "read from its saved state";
    ASSERT_TRUE(p.charge(n).grillechargee);
    EXPECT_EQ(etat(p.grilledessin()), joue);
    effets s;
    ASSERT_TRUE(p.sauvejeu(s));

    clapartie q;
    ASSERT_TRUE(q.litparametres(fichier.c_str()));
    EXPECT_EQ(q.parametres().grillecourante, n);
    EXPECT_EQ(q.parametres().nouvelle.forme, "triangle 5");
    EXPECT_EQ(q.parametres().nouvelle.graine, 4242u);
    EXPECT_EQ(q.parametres().nouvelle.textes, p.parametres().nouvelle.textes);
    ASSERT_TRUE(q.charge(n).grillechargee);
    EXPECT_EQ(etat(q.grilledessin()), joue);
    ASSERT_FALSE(p.solutionjeu().empty());
    EXPECT_EQ(q.solutionjeu(), p.solutionjeu()) << "the generator's solution, searched again";
    EXPECT_EQ(q.grille().getniveauvoulu(), 3);
    EXPECT_EQ(contenuparamuser(q.parametres()), litfichier(fichier)) << "written back the same";
}

TEST(nouvellegrille, ACancelledJobEndsAtOnceAndGivesNothing) {
    clanouvelletache t;
    ASSERT_TRUE(t.lance("compact 6", 7, 5));
    const auto debut = std::chrono::steady_clock::now();
    t.annule();
    EXPECT_LT(std::chrono::steady_clock::now() - debut, 500ms);
    EXPECT_FALSE(t.encours());
    EXPECT_FALSE(t.recupere().has_value());
    // A shape far beyond what the picker offers is not even started.
    EXPECT_FALSE(t.lance("compact 40", 7, 5));
    EXPECT_FALSE(t.encours());
}

TEST(nouvellegrille, DamagedLinesDropTheGeneratedGridAndKeepTheRest) {
    const std::string bon = "ver=3.6\r\ngri=6\r\ngv1:A=AB\r\nnvf=compact 1\r\nnvg=7\r\nnvl=2\r\n"
                            "nvt1=X,XA\r\nnvgv:A=GG\r\nnvniv=5\r\n";
    struct cas {
        const char* quoi;
        std::string avant; // a line of bon replaced
        std::string apres;
        bool garde;
    };
    const cas table[] = {
        {"all good", "", "", true},
        {"a text with a foreign character", "nvt1=X,XA", "nvt1=X;XA", false},
        {"no text", "nvt1=X,XA\r\n", "", false},
        {"a level out of range", "nvl=2", "nvl=8", false},
        {"a seed that overflows", "nvg=7", "nvg=4294967296", false},
        {"no shape", "nvf=compact 1\r\n", "", false},
        {"a control character in the shape", "nvf=compact 1", "nvf=compact\x01 1", false},
        {"a damaged state", "nvgv:A=GG", "nvgv:A=G?", true},
    };
    dossiertemporaire dossier;
    const std::string f = dossier.fichier("P.TXT");
    for (const cas& c : table) {
        SCOPED_TRACE(c.quoi);
        std::string contenu = bon;
        if (!c.avant.empty()) contenu.replace(contenu.find(c.avant), c.avant.size(), c.apres);
        ecrisfichier(f, contenu);
        claparamuser p;
        ASSERT_TRUE(getparamuser(p, f.c_str()));
        EXPECT_EQ(p.nouvelle.presente(), c.garde);
        EXPECT_EQ(p.grillecourante, c.garde ? 6 : 1) << "gri=6 names the generated grid";
        EXPECT_STREQ(p.etats.adr(1), "AB") << "the catalogue grid's state is kept";
        gstring e;
        grilluserfromram(p, e, 6);
        EXPECT_STREQ(e.adr(), c.garde && c.avant.empty() ? "GG" : "");
        EXPECT_EQ(niveauchoisi(p, 6), c.garde ? 5 : 0);
        const std::string ecrit = contenuparamuser(p);
        EXPECT_EQ(ecrit.find("nvf=") != std::string::npos, c.garde);
    }
}

} // namespace
