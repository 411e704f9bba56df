// The game without its splash and tooltip windows: when their window classes
// cannot be registered the game starts, loads grids and plays without them.
#include "shell/fenetre_testing.h"

#include "shell/clagdtooltip.h"
#include "shell/fendemarrage.h"
#include "shell/idcommandes.h"

namespace shelltest {
namespace {

// The two class names taken before the game starts, so that registering them
// fails.
class sansauxiliaires : public fenetrejeu {
protected:
    void SetUp() override {
        for (const char* nom : {"DEMFEN", "GDTTIP"}) {
            WNDCLASSEXA c{};
            c.cbSize = sizeof(c);
            c.lpfnWndProc = DefWindowProcA;
            c.lpszClassName = nom;
            ASSERT_NE(RegisterClassExA(&c), 0) << nom;
        }
        fenetrejeu::SetUp();
    }
};

TEST_F(sansauxiliaires, TheGameGoesOnWithoutSplashAndTooltips) {
    ASSERT_NE(fenetre, nullptr);
    EXPECT_EQ(fendemarrage().fenetre(), nullptr);
    fendemarrage().fixafficentremain(true);
    EXPECT_FALSE(fendemarrage().estvisible());

    // Resting on a tool with a text shows nothing.
    RECT plus{};
    GetWindowRect(bouton(idplus), &plus);
    POINT p{plus.left + 5, plus.top + 5};
    ScreenToClient(fenetre, &p);
    tooltip().danszoclifen(fenetre, static_cast<short>(p.x), static_cast<short>(p.y), 0);
    EXPECT_FALSE(tooltip().estvisible());
    EXPECT_EQ(tooltip().popup(), nullptr);

    // Another grid loads (its splash is skipped) and takes a value.
    reponses = {IDYES};
    presse(idbouttongrille(2));
    EXPECT_EQ(partie().parametres().grillecourante, 2);
    const short c = casevide();
    partie().choisitvaleur(valeur(c, true));
    clicase(c);
    EXPECT_EQ(partie().grille().getcaseval(c), partie().valeurcourante());
}

} // namespace
} // namespace shelltest
