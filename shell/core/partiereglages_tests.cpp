// The settings and the boxes of the game in progress, through its intents
// alone: the options and the language switched, the choice of the current
// value from the mouse and the keyboard (with the six-6 display), the
// chronometer rule reading the window's flags, and every box asked as a
// question answered through repond (pause, the "I" pages, the arrows, a new
// grid over an entered one, the shell's own boxes).
#include "shell/core/partie.h"

#include "shell/core/horloge.h"
#include "shell/core/paramuser_testing.h"

#include "lattice/catalogue/grillecatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::uint32_t tickessai = 1000;

class reglages : public ::testing::Test {
protected:
    void SetUp() override {
        nomgrinit();
        p.fixefichier(dossier.fichier("VORA.TXT"));
        ASSERT_TRUE(p.charge(1).grillechargee);
    }
    // The empty cell a value is allowed in.
    void entreeune() {
        const clagrivora& g = p.grille();
        for (short c = 1; c <= g.getnbcases(); ++c)
            for (short v = 1; v <= 6 && g.casestvide(c); ++v)
                if (g.isautorisee(c, v) != 0) {
                    p.choisitvaleur(v);
                    p.clicgauche(c);
                    return;
                }
    }
    dossiertemporaire dossier;
    clapartie p;
};

TEST_F(reglages, OptionsAndLanguageSwitchAndAreSaved) {
    const struct {
        optionjeu o;
        bool avant;
        const char* ligne;
    } options[] = {{optionjeu::surligne, false, "surl=1"},
                   {optionjeu::comptes, false, "cpt=1"},
                   {optionjeu::nettoie, true, "net=0"}};
    for (const auto& o : options) {
        EXPECT_EQ(p.option(o.o), o.avant) << o.ligne;
        EXPECT_TRUE(p.basculeoption(o.o).repeindre) << o.ligne;
        EXPECT_EQ(p.option(o.o), !o.avant) << o.ligne;
    }
    effets e = p.changelangue();
    EXPECT_TRUE(e.languechangee);
    EXPECT_FALSE(e.repeindre) << "the shell repaints after the tips and texts follow";
    EXPECT_FALSE(e.question.has_value()) << "no box: the next key goes to the game";
    EXPECT_EQ(p.parametres().langue, langueanglais);
    p.fixetaillecase(60);
    p.fixeposition(12, 34);
    effets s;
    ASSERT_TRUE(p.sauvejeu(s));
    const std::string contenu = litfichier(p.getfichier());
    for (const char* ligne : {"surl=1", "cpt=1", "net=0", "lng=2", "tca=60", "left=12", "top=34"})
        EXPECT_NE(contenu.find(std::string("\r\n") + ligne + "\r\n"), std::string::npos) << ligne;
    e = p.changelangue();
    EXPECT_TRUE(e.languechangee);
    EXPECT_FALSE(e.question.has_value());
    EXPECT_EQ(p.parametres().langue, languefrancais);
}

// The desktop's language counts only for a first start: a file read keeps
// its own language, or the French of a file without a language line.
TEST_F(reglages, DesktopLanguageOnlyWithoutAParameterFile) {
    const struct {
        const char* quoi;
        const char* contenu; // nullptr: no file
        short bureau;
        short langue;
    } cas[] = {
        {"no file, English desktop", nullptr, langueanglais, langueanglais},
        {"no file, French desktop", nullptr, languefrancais, languefrancais},
        {"a file without lng, English desktop", "gri=1\r\n", langueanglais, languefrancais},
        {"lng=1 on an English desktop", "lng=1\r\n", langueanglais, languefrancais},
        {"lng=2 on a French desktop", "lng=2\r\n", languefrancais, langueanglais},
    };
    int n = 0;
    for (const auto& c : cas) {
        const std::string fichier = dossier.fichier("L" + std::to_string(++n) + ".TXT");
        if (c.contenu != nullptr) ecrisfichier(fichier, c.contenu);
        clapartie q;
        EXPECT_EQ(q.litparametres(fichier.c_str(), c.bureau), c.contenu != nullptr) << c.quoi;
        EXPECT_EQ(q.parametres().langue, c.langue) << c.quoi;
    }
}

TEST_F(reglages, ValuesChosenByMouseAndKeyboardAndSixSixesShowTheConstraints) {
    struct pas {
        const char* quoi;
        short valeur; // -1: Tab
        bool clavier; // touchevaleur, else choisitvaleur
        bool repeint; // the effect's repaint
        short courante;
        bool contraintes;
    };
    const pas table[] = {
        {"a click on 3", 3, false, true, 3, false},
        {"the same click again repaints", 3, false, true, 3, false},
        {"the key 3 again changes nothing shown", 3, true, false, 3, false},
        {"the key 4", 4, true, true, 4, false},
        {"Tab", -1, true, true, 5, false},
        {"Tab", -1, true, true, 6, false},
        {"Tab after 6 gives 1", -1, true, true, 1, false},
        {"a value out of range does nothing", 7, false, false, 1, false},
        {"6, first", 6, false, true, 6, false},
        {"6, second", 6, true, false, 6, false},
        {"6, third", 6, false, true, 6, false},
        {"6, fourth", 6, true, false, 6, false},
        {"6, fifth", 6, false, true, 6, false},
        {"6, sixth: the constraints show", 6, true, true, 6, true},
        {"6, seventh: they stay", 6, true, false, 6, true},
        {"the eraser hides them", 0, true, true, 0, false},
        {"Tab after 0 gives 1", -1, true, true, 1, false},
    };
    for (const pas& t : table) {
        const effets e = t.valeur < 0 ? p.valeursuivante()
                         : t.clavier  ? p.touchevaleur(t.valeur)
                                      : p.choisitvaleur(t.valeur);
        EXPECT_EQ(e.repeindre, t.repeint) << t.quoi;
        EXPECT_EQ(e.valeurchoisie, t.valeur <= 6) << t.quoi;
        EXPECT_EQ(p.valeurcourante(), t.courante) << t.quoi;
        EXPECT_EQ(p.contraintesaffichees(), t.contraintes) << t.quoi;
    }
    // A grid loaded, the rules pages or a mode set hide them.
    for (int i = 0; i < 6; ++i) p.choisitvaleur(6);
    ASSERT_TRUE(p.contraintesaffichees());
    p.ouvreregles();
    EXPECT_FALSE(p.contraintesaffichees());
    p.quitteregles();
    for (int i = 0; i < 6; ++i) p.choisitvaleur(6);
    p.charge(2);
    EXPECT_FALSE(p.contraintesaffichees());
}

TEST_F(reglages, AGivenClickedOrKeyedMakesItsValueTheCurrentOne) {
    short donnee = 0;
    for (short c = 1; c <= p.grille().getnbcases() && donnee == 0; ++c)
        if (p.grille().casestfixe(c)) donnee = c;
    ASSERT_NE(donnee, 0);
    const short v = p.grille().getcaseval(donnee);
    const short autre = v == 1 ? 2 : 1;
    p.choisitvaleur(autre);
    effets e = p.clicgauche(donnee);
    EXPECT_TRUE(e.valeurchoisie && e.repeindre);
    EXPECT_EQ(p.valeurcourante(), v);
    // The cursor on the given and another digit: that digit is chosen, then
    // the given's value, as a click on it chooses.
    p.deplacecurseur(sensdeplacement::droite);
    ASSERT_TRUE(p.curseurvisible());
    ASSERT_EQ(p.casecourante(), donnee);
    e = p.touchechiffre(autre);
    EXPECT_TRUE(e.valeurchoisie);
    EXPECT_EQ(p.valeurcourante(), v);
    EXPECT_EQ(p.historique().effectif(), 0);
}

TEST_F(reglages, TheChronometerRuleReadsTheWindowsFlagsAndTheCoreClearsItsTime) {
    fixesourcetick([] { return tickessai; });
    p.chronomevaluer();
    ASSERT_EQ(chronoquitourne(p.etatchronocourant()), 1);
    for (const etatfenetre f :
         {etatfenetre{false, false, 0}, etatfenetre{true, true, 0}, etatfenetre{true, false, 2}}) {
        p.fixefenetre(f);
        EXPECT_EQ(chronoquitourne(p.etatchronocourant()), 0) << f.actif << f.minimise << f.verrous;
        EXPECT_EQ(p.fenetre().verrous, f.verrous);
    }
    p.fixefenetre({});
    p.chronomevaluer();
    tickessai += 65000;
    gstring t;
    EXPECT_TRUE(p.textechrono(true, t));
    EXPECT_NE(std::string(t.adr()).find("01mn 05s"), std::string::npos) << t.adr();
    EXPECT_FALSE(p.textechrono(true, t)) << "the same text";
    entreeune();
    p.demandefixe();
    p.repond(reponsejeu::oui);
    EXPECT_EQ(p.parametres().chronos.getsec(1), 0) << "F clears the time itself";
    fixesourcetick(nullptr);
}

TEST_F(reglages, EveryBoxIsAQuestionAnsweredThroughRepond) {
    effets e = p.demandepause();
    ASSERT_TRUE(e.question.has_value());
    EXPECT_EQ(e.question->numero, 8);
    EXPECT_EQ(e.question->pardefaut, 2);
    EXPECT_FALSE(p.repond(reponsejeu::non).pause);
    p.demandepause();
    EXPECT_TRUE(p.repond(reponsejeu::oui).pause);

    // "I": five pages, six with the arrows'; OK goes on, Cancel stops.
    for (const bool fleches : {false, true}) {
        e = p.demandeinformations(fleches);
        std::vector<std::string> pages;
        while (e.question) {
            pages.push_back(e.question->texte);
            e = p.repond(reponsejeu::ok);
        }
        ASSERT_EQ(pages.size(), fleches ? 6u : 5u);
        EXPECT_NE(pages[0].find(p.getfichier()), std::string::npos) << pages[0];
        EXPECT_NE(pages.back().find(fleches ? "6" : "5"), std::string::npos);
    }
    e = p.demandeinformations(false);
    EXPECT_EQ(e.question->choix, questionjeu::boutons::okannuler);
    EXPECT_FALSE(p.repond(reponsejeu::annuler).question.has_value());

    // The arrows are explained once in a session.
    e = p.expliquefleches();
    ASSERT_TRUE(e.question.has_value());
    EXPECT_EQ(e.question->numero, 2);
    p.repond(reponsejeu::ok);
    EXPECT_FALSE(p.expliquefleches().question.has_value());

    // A new grid: the picker at once, or after a question once the generated
    // grid holds entries (none here: at once); the grid picked is made.
    e = p.demandechoixnouvelle();
    EXPECT_TRUE(e.choixnouvelle);
    EXPECT_FALSE(e.question.has_value());
    e = p.demandenouvelle("compact 2", 3);
    ASSERT_TRUE(e.generer.has_value());
    EXPECT_EQ(e.generer->forme, "compact 2");
    EXPECT_EQ(e.generer->niveau, 3);
    EXPECT_FALSE(e.question.has_value());

    // A box of the shell's own.
    questionjeu q;
    q.texte = "keys";
    e = p.annonce(q);
    EXPECT_EQ(e.question->texte, "keys");
    EXPECT_FALSE(p.repond(reponsejeu::ok).question.has_value());
}

} // namespace
