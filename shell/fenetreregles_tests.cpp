// The rules pages in the game's window: "?" opens them over the grid, "<" and
// ">" page through them, "R" gives the game back as it was left.
#include "shell/fenetre_testing.h"

#include "shell/clagdtooltip.h"

#include "render/gripagereglages.h"
#include "render/pageregle.h"
#include "shell/core/chronogrilles.h"

#include <utility>

namespace shelltest {
namespace {

// A pixel of page p's picture (reduced to the window's size).
COLORREF pixelpage(short p, int x, int y) {
    const claminibitmap* page = reglebitmap(p);
    if (page == nullptr) return CLR_INVALID;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ avant = SelectObject(dc, page->get());
    const COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, avant);
    DeleteDC(dc);
    return c;
}

// Over a 20 x 15 sampling of the window's picture, at the points where the
// pictures of pages a and b differ: how many show a's pixel, and b's.
std::pair<int, int> pointsdesimages(short a, short b) {
    std::pair<int, int> n{0, 0};
    const bitmapmemoire* image = imagepeinte();
    if (image == nullptr) return n;
    for (int y = 20; y < fenetreglehgt; y += 40)
        for (int x = 20; x < fenetreglewid; x += 40) {
            const COLORREF pa = pixelpage(a, x, y);
            const COLORREF pb = pixelpage(b, x, y);
            if (pa == pb) continue;
            if (image->at(x, y) == pa) ++n.first;
            if (image->at(x, y) == pb) ++n.second;
        }
    return n;
}

SIZE taille(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

bool visible(short id) {
    return bouton(id) != nullptr && IsWindowVisible(bouton(id)) != FALSE;
}

TEST_F(partie, TheRulesOpenOnPageOneAndReturnToTheSameGridAndHistory) {
    // Two entries, the second undone: a history with a redo left.
    for (int i = 0; i < 2; ++i) {
        const short c = casevide();
        ASSERT_NE(c, 0);
        jeu.valeurcourante = valeur(c, true);
        clicase(c);
    }
    presse(idannuler);
    const std::vector<std::string> entrees = historiquetextes();
    const short position = historique.getposition();
    gstring etat;
    grilleram.getactudata(3, &etat);
    const std::string etatavant = etat.adr();
    const SIZE jeuclient = taille(fenetre);
    ASSERT_EQ(entrees.size(), 2u);

    contraffi = 1;
    presse(idregles);
    EXPECT_EQ(jeu.mode, moderegles);
    EXPECT_EQ(reglepage, 1);
    EXPECT_EQ(contraffi, 0);
    EXPECT_EQ(historique.effectif(), 0);
    EXPECT_EQ(chronoquitourne(etatchronocourant()), 0);
    EXPECT_EQ(taille(fenetre).cx, fenetreglewid);
    EXPECT_EQ(taille(fenetre).cy, fenetreglehgt);
    // Page 1's picture (loaded now) fills the window, the texts over it.
    const std::pair<int, int> page1 = pointsdesimages(1, 0);
    EXPECT_GT(page1.first, 150);
    EXPECT_TRUE(visible(idretour));
    EXPECT_TRUE(visible(idpagesuiv));
    EXPECT_FALSE(visible(idpageprec));
    for (short id : {idinfo, idzero, idannuler, idlangue, idregles})
        EXPECT_FALSE(visible(id)) << id;

    presse(idregles); // sent again: page 1 again, the game still kept
    EXPECT_EQ(reglepage, 1);
    for (short i = 2; i <= 9; ++i) {
        presse(idpagesuiv);
        EXPECT_EQ(reglepage, i);
    }
    EXPECT_FALSE(visible(idpagesuiv));
    EXPECT_TRUE(visible(idpageprec));
    presse(idpagesuiv); // the last page stays
    EXPECT_EQ(reglepage, 9);
    const std::pair<int, int> page9 = pointsdesimages(9, 1);
    EXPECT_GT(page9.first, 20);
    EXPECT_EQ(page9.second, 0);
    presse(idpageprec);
    EXPECT_EQ(reglepage, 8);
    EXPECT_TRUE(visible(idpagesuiv));

    presse(idretour);
    EXPECT_EQ(jeu.mode, modejeu);
    EXPECT_EQ(paramjeu.grillecourante, 1);
    grilleram.getactudata(3, &etat);
    EXPECT_EQ(std::string(etat.adr()), etatavant);
    EXPECT_EQ(historiquetextes(), entrees);
    EXPECT_EQ(historique.getposition(), position);
    EXPECT_EQ(taille(fenetre).cx, jeuclient.cx);
    EXPECT_EQ(taille(fenetre).cy, jeuclient.cy);
    EXPECT_NE(chronoquitourne(etatchronocourant()), 0);
    EXPECT_FALSE(visible(idretour));
    EXPECT_FALSE(visible(idpageprec));
    EXPECT_TRUE(visible(idregles));
    EXPECT_TRUE(IsWindowEnabled(bouton(idannuler)));
    EXPECT_TRUE(IsWindowEnabled(bouton(idrefaire)));
    EXPECT_EQ(reglebitmap(1), nullptr); // the pictures were given back

    // The history is still the one to walk: undo, then redo twice.
    presse(idannuler);
    EXPECT_EQ(historique.getposition(), position - 1);
    presse(idrefaire);
    presse(idrefaire);
    EXPECT_EQ(historique.getposition(), 2);
}

#ifndef _WIN32
// The pointer resting on "?" in play, then on ">" over a rules page, shows
// their tooltips.
TEST_F(partie, TheRulesButtonsHaveTheirTooltips) {
    auto survole = [this](short id) {
        RECT r{};
        GetWindowRect(bouton(id), &r);
        POINT p{r.left + 5, r.top + 5};
        ScreenToClient(fenetre, &p);
        vora::platform::testing::send_mouse_move(fenetre, p);
        peins();
    };
    survole(idregles);
    EXPECT_STREQ(tooltip.textelabel(), "  R\xE8gle du jeu  ");
    presse(idregles);
    EXPECT_FALSE(tooltip.estvisible());
    survole(idpagesuiv);
    EXPECT_STREQ(tooltip.textelabel(), "  Page suivante  ");
    survole(idretour);
    EXPECT_STREQ(tooltip.textelabel(), "  Retour \xE0 la grille  ");
    presse(idretour);
    survole(idplus);
    EXPECT_STREQ(tooltip.textelabel(), "  Agrandir  ");
}
#endif

#ifndef _WIN32
// Turning to the last page with ">" hides ">" and its tooltip: the pointer
// resting where the button was shows none.
TEST_F(partie, NoNextPageTooltipOnTheLastPage) {
    namespace hooks = vora::platform::testing;
    presse(idregles);
    for (int i = 0; i < 7; ++i) presse(idpagesuiv);
    RECT r{};
    GetWindowRect(bouton(idpagesuiv), &r);
    POINT p{r.left + 5, r.top + 5};
    ScreenToClient(fenetre, &p);
    hooks::send_mouse_move(fenetre, p);
    peins();
    ASSERT_TRUE(tooltip.estvisible());
    EXPECT_STREQ(tooltip.textelabel(), "  Page suivante  ");
    hooks::send_mouse_button(bouton(idpagesuiv), POINT{5, 5}, 1, true);
    hooks::send_mouse_button(bouton(idpagesuiv), POINT{5, 5}, 1, false);
    peins();
    EXPECT_EQ(reglepage, 9);
    EXPECT_FALSE(IsWindowVisible(bouton(idpagesuiv)));
    hooks::send_mouse_move(fenetre, POINT{p.x + 1, p.y});
    peins();
    hooks::advance_clock(2 * delairepos);
    peins();
    EXPECT_FALSE(tooltip.estvisible());
    EXPECT_EQ(tooltip.getidcourant(), 0);
}
#endif

// With no grid in play, "R" leaves the rules for the idle shell.
TEST_F(partie, WithoutAGridTheRulesReturnToNoGrid) {
    setmode(modesansgrille);
    presse(idregles);
    EXPECT_EQ(jeu.mode, moderegles);
    presse(idretour);
    EXPECT_EQ(jeu.mode, modesansgrille);
    EXPECT_EQ(historique.effectif(), 0);
    EXPECT_FALSE(visible(idretour));
}

} // namespace
} // namespace shelltest
