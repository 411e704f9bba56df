// The level control, the chronometer box, the splash window and the save
// failure, played through the game's main window.
#include "shell/fenetre_testing.h"
#include "shell/idcommandes.h"

#include "shell/boites.h"
#include "shell/chronoaffiche.h"
#include "shell/clagdtooltip.h"
#include "shell/fendemarrage.h"
#include "shell/pilotecolonne.h"

#include "grid/clagrivora.h"
#include "shell/core/horloge.h"
#include "shell/core/textesvora.h"

#include <cstdint>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace shelltest {
namespace {

std::uint32_t tickessai = 0;
std::uint32_t tickdessai() {
    return tickessai;
}

class niveau : public fenetrejeu {
protected:
    void SetUp() override {
        tickessai = 5000;
        fixesourcetick(tickdessai);
        fenetrejeu::SetUp();
    }
    void TearDown() override {
        fenetrejeu::TearDown();
        fixesourcetick(nullptr);
    }
    // A click on the level text: left steps up, right steps down.
    void clicniveautexte(bool droit) {
        const RECT z = zoneniveau(appli());
        clic(POINT{(z.left + z.right) / 2, (z.top + z.bottom) / 2}, droit);
    }
    // The cells showing a value: given, and entered by the player.
    short donnees() {
        short n = 0;
        for (short c = 1; c <= partie().grille().getnbcases(); ++c)
            if (partie().grille().casestfixe(c)) ++n;
        return n;
    }
    short saisies() {
        short n = 0;
        for (short c = 1; c <= partie().grille().getnbcases(); ++c)
            if (!partie().grille().casestfixe(c) && !partie().grille().casestvide(c)) ++n;
        return n;
    }
    // One entry of an allowed value and one pencil mark, recorded for undo.
    void joue() {
        const short c = casevide();
        partie().choisitvaleur(valeur(c, true));
        clicase(c);
        const short d = casevide();
        short x = 0;
        short y = 0;
        appli().page.modele().givepossofuser(d, 2, x, y);
        clic(client(x, y), true);
        ASSERT_EQ(saisies(), 1);
        ASSERT_NE(partie().grille().getpuser(d), 0);
    }
    std::string texteboite(HWND boite) {
        char texte[64] = {};
        GetWindowTextA(boite, texte, sizeof texte);
        return texte;
    }
};

TEST_F(niveau, ANoToTheLevelQuestionChangesNothing) {
    joue();
    const short avant = partie().grille().getniveauvoulu();
    const short donneesavant = donnees();
    reponses = {IDNO};
    clicniveautexte(true);
    ASSERT_EQ(questions.size(), 1u);
    // The question names the grid and the level it would go to.
    gstring francais;
    clagrivora::texteniv(niveauvoisin(avant, false, partie().niveaumax()), nullptr, &francais,
                         nullptr);
    EXPECT_NE(questions[0].find(francais.adr()), std::string::npos) << questions[0];
    EXPECT_NE(questions[0].find('1'), std::string::npos);
    EXPECT_EQ(partie().grille().getniveauvoulu(), avant);
    EXPECT_EQ(donnees(), donneesavant);
    EXPECT_EQ(saisies(), 1);
    EXPECT_EQ(partie().historique().effectif(), 2) << "the entry and the mark";
    EXPECT_EQ(niveauchoisi(partie().parametres(), 1), 0);
    EXPECT_EQ(partie().fenetre().verrous, 0);
    // A click beside the text is a click on the column, with no question.
    const RECT z = zoneniveau(appli());
    clic(POINT{z.left - 10, z.top});
    EXPECT_EQ(questions.size(), 1u);
}

TEST_F(niveau, AYesEmptiesTheGridClearsUndoResetsTheTimeAndIsSaved) {
    joue();
    tickessai += 7000;
    appli().chronomevaluer();
    ASSERT_GE(partie().parametres().chronos.getsec(1), 7);
    const short avant = partie().grille().getniveauvoulu();
    const short apres = niveauvoisin(avant, true, partie().niveaumax());
    reponses = {IDYES};
    clicniveautexte(false);
    EXPECT_EQ(partie().grille().getniveauvoulu(), apres);
    EXPECT_EQ(niveauchoisi(partie().parametres(), 1), apres);
    EXPECT_EQ(saisies(), 0);
    EXPECT_EQ(partie().grille().yadespossusers(), 0);
    EXPECT_EQ(partie().historique().effectif(), 0);
    EXPECT_FALSE(IsWindowEnabled(bouton(idannuler)));
    EXPECT_EQ(partie().parametres().chronos.getsec(1), 0);
    // "S" writes the chosen level.
    reponses = {IDYES};
    presse(idsauver);
    const std::string nom = fichierparam();
    EXPECT_NE(litfichier(nom).find("niv1=" + std::to_string(apres)), std::string::npos);
    // The next start restores the level before the saved state.
    const short donneesapres = donnees();
    reponses = {IDYES};
    presse(idquitter);
    finjeu(appli());
    fenetre = relance();
    ASSERT_NE(fenetre, nullptr);
    peins();
    EXPECT_EQ(partie().grille().getniveauvoulu(), apres);
    EXPECT_EQ(donnees(), donneesapres);
}

// Every level in turn, up and then down: the walk wraps round to where it
// began, and a harder level never shows more givens.
TEST_F(niveau, LeftClicksWalkEveryLevelRoundAndRightClicksWalkBack) {
    const short plafond = partie().niveaumax();
    const short depart = partie().grille().getniveauvoulu();
    std::vector<short> donneesparniveau(8, 0);
    for (short i = 0; i < plafond; ++i) {
        reponses = {IDYES};
        clicniveautexte(false);
        donneesparniveau[static_cast<size_t>(partie().grille().getniveauvoulu())] = donnees();
    }
    EXPECT_EQ(partie().grille().getniveauvoulu(), depart);
    for (short n = 2; n <= plafond; ++n)
        EXPECT_LE(donneesparniveau[static_cast<size_t>(n)],
                  donneesparniveau[static_cast<size_t>(n - 1)])
            << "level " << n;
    EXPECT_GT(donneesparniveau[1], donneesparniveau[static_cast<size_t>(plafond)]);
    for (short i = 1; i <= plafond; ++i) {
        reponses = {IDYES};
        clicniveautexte(true);
        EXPECT_EQ(partie().grille().getniveauvoulu(),
                  static_cast<short>((depart - i - 1 + 2 * plafond) % plafond + 1));
    }
    EXPECT_TRUE(questions.empty()) << "an untouched grid has nothing to lose";
}

// From level 4 to level 7: no question on the untouched grid; with an entry,
// one question at the first step (its yes empties the grid), none after.
TEST_F(niveau, AWalkOfLevelsAsksOnceAndNoneOnAnUntouchedGrid) {
    ASSERT_EQ(partie().niveaumax(), 7);
    for (const bool entamee : {false, true}) {
        SCOPED_TRACE(entamee ? "with an entry" : "untouched");
        while (partie().grille().getniveauvoulu() != 4) {
            reponses = {IDYES};
            clicniveautexte(false);
        }
        if (entamee) joue();
        questions.clear();
        for (int i = 0; i < 3; ++i) {
            reponses = {IDYES};
            clicniveautexte(false);
        }
        EXPECT_EQ(partie().grille().getniveauvoulu(), 7);
        EXPECT_EQ(questions.size(), entamee ? 1u : 0u);
        EXPECT_EQ(saisies(), 0);
    }
}

TEST_F(niveau, TheChronometerBoxShowsTheTimeOfTheGridInPlay) {
    ASSERT_NE(appli().colonne.boitechrono(), nullptr);
    tickessai += 3000;
    SendMessageA(fenetre, WM_TIMER, 1, 0);
    EXPECT_NE(texteboite(appli().colonne.boitechrono()).find("03s"), std::string::npos)
        << texteboite(appli().colonne.boitechrono());
    tickessai += 62000;
    SendMessageA(fenetre, WM_TIMER, 1, 0);
    EXPECT_NE(texteboite(appli().colonne.boitechrono()).find("01mn 05s"), std::string::npos)
        << texteboite(appli().colonne.boitechrono());
    // While a box is open the time stands still.
    pendantboite = [] { tickessai += 50000; };
    reponses = {IDNO};
    presse(idfixe);
    SendMessageA(fenetre, WM_TIMER, 1, 0);
    EXPECT_NE(texteboite(appli().colonne.boitechrono()).find("01mn 05s"), std::string::npos)
        << texteboite(appli().colonne.boitechrono());
}

TEST_F(niveau, TheSplashIsShownWhileStartingAndLoadingAndHiddenByThePaint) {
    ASSERT_NE(fendemarrage().fenetre(), nullptr);
    EXPECT_FALSE(fendemarrage().estvisible());
    // While grid 2 loads the splash stands 180 pixels right of and below the
    // window; the paint after it hides it.
    RECT w{};
    GetWindowRect(fenetre, &w);
    bool vupendant = false;
    RECT pendant{};
    appli().observateurbips = {};
    reponses = {IDYES};
    SendMessageA(fenetre, WM_COMMAND, idbouttongrille(2), 0);
    vupendant = fendemarrage().estvisible();
    pendant = fendemarrage().rectangle();
    peins();
    EXPECT_TRUE(vupendant);
    EXPECT_EQ(pendant.left, w.left + 180);
    EXPECT_EQ(pendant.top, w.top + 180);
    EXPECT_FALSE(fendemarrage().estvisible());
    EXPECT_FALSE(IsWindowVisible(fendemarrage().fenetre()));
}

TEST_F(niveau, ASaveThatCannotBeWrittenIsToldAndTheGameGoesOn) {
    const std::string nom = fichierparam();
    reponses = {IDYES};
    presse(idsauver);
    const std::string precedent = litfichier(nom);
    ASSERT_FALSE(precedent.empty());
    joue();
    questions.clear();
    reponses = {IDYES, IDOK};
    {
        const echececriture echec(nom);
        presse(idsauver);
    }
    ASSERT_EQ(questions.size(), 2u);
    gstring attendu;
    createmsg(&attendu, 17, partie().parametres().langue, nom.c_str());
    EXPECT_EQ(questions[1], attendu.adr());
    EXPECT_EQ(litfichier(nom), precedent);
    EXPECT_EQ(partie().fenetre().verrous, 0);
    EXPECT_EQ(partie().mode(), modeappli::jeu);
    // The game goes on: undo takes the mark back, then the entry.
    const short avant = saisies();
    presse(idannuler);
    EXPECT_EQ(partie().grille().yadespossusers(), 0);
    presse(idannuler);
    EXPECT_EQ(saisies(), avant - 1);
}

#ifndef _WIN32
TEST_F(niveau, TheLevelTextHasATooltipInBothLanguages) {
    // An entry made through the game alone (a click would hide the tip).
    const short c = casevide();
    partie().choisitvaleur(valeur(c, true));
    partie().clicgauche(c);
    const RECT z = zoneniveau(appli());
    auto survole = [this](POINT p) {
        vora::platform::testing::send_mouse_move(fenetre, p);
        peins();
    };
    survole(POINT{(z.left + z.right) / 2, (z.top + z.bottom) / 2});
    EXPECT_TRUE(tooltip().estvisible());
    EXPECT_STREQ(tooltip().textelabel(), "  Niveau : clic gauche +1, clic droit -1 (Page pr\xE9"
                                         "c., Page suiv.)  ");
    reponses = {IDOK};
    presse(idlangue);
    survole(POINT{5, 5});
    survole(POINT{(z.left + z.right) / 2, (z.top + z.bottom) / 2});
    EXPECT_STREQ(tooltip().textelabel(),
                 "  Level: left click up, right click down (Page Up, Page Down)  ");
    // The question (asked: the grid holds an entry) does not open under the
    // tooltip.
    bool visiblependant = true;
    pendantboite = [this, &visiblependant] { visiblependant = tooltip().estvisible(); };
    reponses = {IDNO};
    clicniveautexte(true);
    EXPECT_FALSE(visiblependant);
    // Nor does any other box, such as a grid button's question.
    survole(POINT{(z.left + z.right) / 2, (z.top + z.bottom) / 2});
    ASSERT_TRUE(tooltip().estvisible());
    visiblependant = true;
    pendantboite = [this, &visiblependant] { visiblependant = tooltip().estvisible(); };
    reponses = {IDNO};
    presse(idbouttongrille(partie().parametres().grillecourante == 5 ? 4 : 5));
    EXPECT_FALSE(visiblependant);
}
#endif

} // namespace
} // namespace shelltest
