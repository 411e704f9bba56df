// The level control, the chronometer box, the splash window and the save
// failure, played through the game's main window.
#include "shell/fenetre_testing.h"

#include "shell/boites.h"
#include "shell/chronoaffiche.h"
#include "shell/clagdtooltip.h"
#include "shell/fendemarrage.h"
#include "shell/niveauchoix.h"

#include "grid/clagrivora.h"
#include "shell/core/horloge.h"
#include "shell/core/textesvora.h"

#include <cstdint>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace shelltest {
namespace {

TEST(niveauvoisin, StepsAndWrapsWithinTheGridsLevels) {
    struct cas {
        short courant;
        bool monter;
        short plafond;
        short attendu;
    };
    const cas table[] = {
        {1, true, 7, 2},  {6, true, 7, 7},  {7, true, 7, 1}, {6, true, 6, 1},  {1, false, 7, 7},
        {1, false, 6, 6}, {4, false, 6, 3}, {9, true, 6, 1}, {0, false, 6, 6}, {7, false, 6, 5},
    };
    for (const cas& c : table)
        EXPECT_EQ(niveauvoisin(c.courant, c.monter, c.plafond), c.attendu)
            << c.courant << (c.monter ? " up within 1.." : " down within 1..") << c.plafond;
}

std::uint32_t tickessai = 0;
std::uint32_t tickdessai() {
    return tickessai;
}

class niveau : public partie {
protected:
    void SetUp() override {
        tickessai = 5000;
        fixesourcetick(tickdessai);
        partie::SetUp();
    }
    void TearDown() override {
        partie::TearDown();
        fixesourcetick(nullptr);
    }
    // A click on the level text: left steps up, right steps down.
    void clicniveautexte(bool droit) {
        const RECT z = zoneniveau();
        clic(POINT{(z.left + z.right) / 2, (z.top + z.bottom) / 2}, droit);
    }
    // The cells showing a value: given, and entered by the player.
    static short donnees() {
        short n = 0;
        for (short c = 1; c <= grilleram.modele().getnbcases(); ++c)
            if (grilleram.modele().casestfixe(c)) ++n;
        return n;
    }
    static short saisies() {
        short n = 0;
        for (short c = 1; c <= grilleram.modele().getnbcases(); ++c)
            if (!grilleram.modele().casestfixe(c) && !grilleram.modele().casestvide(c)) ++n;
        return n;
    }
    // One entry of an allowed value and one pencil mark, recorded for undo.
    void joue() {
        const short c = casevide();
        jeu.valeurcourante = valeur(c, true);
        clicase(c);
        const short d = casevide();
        short x = 0;
        short y = 0;
        grilleram.modele().givepossofuser(d, 2, x, y);
        clic(client(x, y), true);
        ASSERT_EQ(saisies(), 1);
        ASSERT_NE(grilleram.modele().getpuser(d), 0);
    }
    static std::string texteboite(HWND boite) {
        char texte[64] = {};
        GetWindowTextA(boite, texte, sizeof texte);
        return texte;
    }
};

TEST_F(niveau, ANoToTheLevelQuestionChangesNothing) {
    joue();
    const short avant = grilleram.modele().getniveauvoulu();
    const short donneesavant = donnees();
    reponses = {IDNO};
    clicniveautexte(true);
    ASSERT_EQ(questions.size(), 1u);
    // The question names the grid and the level it would go to.
    gstring francais;
    clagrivora::texteniv(niveauvoisin(avant, false, niveaumax()), nullptr, &francais, nullptr);
    EXPECT_NE(questions[0].find(francais.adr()), std::string::npos) << questions[0];
    EXPECT_NE(questions[0].find('1'), std::string::npos);
    EXPECT_EQ(grilleram.modele().getniveauvoulu(), avant);
    EXPECT_EQ(donnees(), donneesavant);
    EXPECT_EQ(saisies(), 1);
    EXPECT_EQ(historique.effectif(), 1);
    EXPECT_EQ(niveauchoisi(paramjeu, 1), 0);
    EXPECT_EQ(jeu.verrousjeu, 0);
    // A click beside the text is a click on the column, with no question.
    const RECT z = zoneniveau();
    clic(POINT{z.left - 10, z.top});
    EXPECT_EQ(questions.size(), 1u);
}

TEST_F(niveau, AYesEmptiesTheGridClearsUndoResetsTheTimeAndIsSaved) {
    joue();
    tickessai += 7000;
    chronomevaluer();
    ASSERT_GE(paramjeu.chronos.getsec(1), 7);
    const short avant = grilleram.modele().getniveauvoulu();
    const short apres = niveauvoisin(avant, true, niveaumax());
    reponses = {IDYES};
    clicniveautexte(false);
    EXPECT_EQ(grilleram.modele().getniveauvoulu(), apres);
    EXPECT_EQ(niveauchoisi(paramjeu, 1), apres);
    EXPECT_EQ(saisies(), 0);
    EXPECT_EQ(grilleram.modele().yadespossusers(), 0);
    EXPECT_EQ(historique.effectif(), 0);
    EXPECT_FALSE(IsWindowEnabled(bouton(idannuler)));
    EXPECT_EQ(paramjeu.chronos.getsec(1), 0);
    // "S" writes the chosen level.
    reponses = {IDYES};
    presse(idsauver);
    gstring nom;
    nomfichierparam(nom);
    EXPECT_NE(litfichier(nom.adr()).find("niv1=" + std::to_string(apres)), std::string::npos);
    // The next start restores the level before the saved state.
    const short donneesapres = donnees();
    reponses = {IDYES};
    presse(idquitter);
    finjeu();
    fenetre = demarrage(nullptr, SW_SHOW);
    ASSERT_NE(fenetre, nullptr);
    peins();
    EXPECT_EQ(grilleram.modele().getniveauvoulu(), apres);
    EXPECT_EQ(donnees(), donneesapres);
}

// Every level in turn, up and then down: the walk wraps round to where it
// began, and a harder level never shows more givens.
TEST_F(niveau, LeftClicksWalkEveryLevelRoundAndRightClicksWalkBack) {
    const short plafond = niveaumax();
    const short depart = grilleram.modele().getniveauvoulu();
    std::vector<short> donneesparniveau(8, 0);
    for (short i = 0; i < plafond; ++i) {
        reponses = {IDYES};
        clicniveautexte(false);
        donneesparniveau[static_cast<size_t>(grilleram.modele().getniveauvoulu())] = donnees();
    }
    EXPECT_EQ(grilleram.modele().getniveauvoulu(), depart);
    for (short n = 2; n <= plafond; ++n)
        EXPECT_LE(donneesparniveau[static_cast<size_t>(n)],
                  donneesparniveau[static_cast<size_t>(n - 1)])
            << "level " << n;
    EXPECT_GT(donneesparniveau[1], donneesparniveau[static_cast<size_t>(plafond)]);
    for (short i = 1; i <= plafond; ++i) {
        reponses = {IDYES};
        clicniveautexte(true);
        EXPECT_EQ(grilleram.modele().getniveauvoulu(),
                  static_cast<short>((depart - i - 1 + 2 * plafond) % plafond + 1));
    }
    EXPECT_EQ(questions.size(), static_cast<size_t>(2 * plafond));
}

TEST_F(niveau, TheChronometerBoxShowsTheTimeOfTheGridInPlay) {
    ASSERT_NE(boitechrono(), nullptr);
    tickessai += 3000;
    SendMessageA(fenetre, WM_TIMER, 1, 0);
    EXPECT_NE(texteboite(boitechrono()).find("03s"), std::string::npos)
        << texteboite(boitechrono());
    tickessai += 62000;
    SendMessageA(fenetre, WM_TIMER, 1, 0);
    EXPECT_NE(texteboite(boitechrono()).find("01mn 05s"), std::string::npos)
        << texteboite(boitechrono());
    // While a box is open the time stands still.
    pendantboite = [] { tickessai += 50000; };
    reponses = {IDNO};
    presse(idfixe);
    SendMessageA(fenetre, WM_TIMER, 1, 0);
    EXPECT_NE(texteboite(boitechrono()).find("01mn 05s"), std::string::npos)
        << texteboite(boitechrono());
}

TEST_F(niveau, TheSplashIsShownWhileStartingAndLoadingAndHiddenByThePaint) {
    ASSERT_NE(fendemarrage.fenetre(), nullptr);
    EXPECT_FALSE(fendemarrage.estvisible());
    // While grid 2 loads the splash stands 180 pixels right of and below the
    // window; the paint after it hides it.
    RECT w{};
    GetWindowRect(fenetre, &w);
    bool vupendant = false;
    RECT pendant{};
    fixeobservateurbips({});
    reponses = {IDYES};
    SendMessageA(fenetre, WM_COMMAND, idbouttongrille(2), 0);
    vupendant = fendemarrage.estvisible();
    pendant = fendemarrage.rectangle();
    peins();
    EXPECT_TRUE(vupendant);
    EXPECT_EQ(pendant.left, w.left + 180);
    EXPECT_EQ(pendant.top, w.top + 180);
    EXPECT_FALSE(fendemarrage.estvisible());
    EXPECT_FALSE(IsWindowVisible(fendemarrage.fenetre()));
}

TEST_F(niveau, ASaveThatCannotBeWrittenIsToldAndTheGameGoesOn) {
    gstring nom;
    nomfichierparam(nom);
    reponses = {IDYES};
    presse(idsauver);
    const std::string precedent = litfichier(nom.adr());
    ASSERT_FALSE(precedent.empty());
    joue();
    questions.clear();
    reponses = {IDYES, IDOK};
    {
        const echececriture echec(nom.adr());
        presse(idsauver);
    }
    ASSERT_EQ(questions.size(), 2u);
    gstring attendu;
    createmsg(&attendu, 17, paramjeu.langue, nom.adr());
    EXPECT_EQ(questions[1], attendu.adr());
    EXPECT_EQ(litfichier(nom.adr()), precedent);
    EXPECT_EQ(jeu.verrousjeu, 0);
    EXPECT_EQ(jeu.mode, modejeu);
    // The game goes on: undo takes the entry back.
    const short avant = saisies();
    presse(idannuler);
    EXPECT_EQ(saisies(), avant - 1);
}

#ifndef _WIN32
TEST_F(niveau, TheLevelTextHasATooltipInBothLanguages) {
    const RECT z = zoneniveau();
    auto survole = [this](POINT p) {
        vora::platform::testing::send_mouse_move(fenetre, p);
        peins();
    };
    survole(POINT{(z.left + z.right) / 2, (z.top + z.bottom) / 2});
    EXPECT_TRUE(tooltip.estvisible());
    EXPECT_STREQ(tooltip.textelabel(), "  Niveau : clic gauche +1, clic droit -1  ");
    reponses = {IDOK};
    presse(idlangue);
    survole(POINT{5, 5});
    survole(POINT{(z.left + z.right) / 2, (z.top + z.bottom) / 2});
    EXPECT_STREQ(tooltip.textelabel(), "  Level: left click up, right click down  ");
    // The question does not open under the tooltip.
    bool visiblependant = true;
    pendantboite = [&visiblependant] { visiblependant = tooltip.estvisible(); };
    reponses = {IDNO};
    clicniveautexte(true);
    EXPECT_FALSE(visiblependant);
    // Nor does any other box, such as a grid button's question.
    survole(POINT{(z.left + z.right) / 2, (z.top + z.bottom) / 2});
    ASSERT_TRUE(tooltip.estvisible());
    visiblependant = true;
    pendantboite = [&visiblependant] { visiblependant = tooltip.estvisible(); };
    reponses = {IDNO};
    presse(idbouttongrille(paramjeu.grillecourante == 5 ? 4 : 5));
    EXPECT_FALSE(visiblependant);
}
#endif

} // namespace
} // namespace shelltest
