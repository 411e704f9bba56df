// The rules pages in the game's window: "?" opens them over the grid, "<" and
// ">" page through them, "R" gives the game back as it was left.
#include "shell/fenetre_testing.h"
#include "shell/idcommandes.h"

#include "shell/clagdtooltip.h"

#include "render/pageregle.h"
#include "shell/core/chronogrilles.h"

#include <iterator>
#include <utility>
#include <vector>

namespace shelltest {
namespace {

// A pixel of page p's picture (reduced to the window's size).
COLORREF pixelpage(claappli& a, short p, int x, int y) {
    const claminibitmap* page = a.regles.reglebitmap(p);
    if (page == nullptr) return CLR_INVALID;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ avant = SelectObject(dc, page->get());
    const COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, avant);
    DeleteDC(dc);
    return c;
}

// How many pixels of page p's picture (reduced to the window's size) are not
// the plain white ground in the client rectangle r.
int tachesdanspage(claappli& a, short p, RECT r) {
    const claminibitmap* page = a.regles.reglebitmap(p);
    if (page == nullptr) return -1;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ avant = SelectObject(dc, page->get());
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            if (GetRValue(c) < 0xF0 || GetGValue(c) < 0xF0 || GetBValue(c) < 0xF0) ++n;
        }
    SelectObject(dc, avant);
    DeleteDC(dc);
    return n;
}

// Over a 20 x 15 sampling of the window's picture, at the points where the
// pictures of pages a and b differ: how many show a's pixel, and b's.
std::pair<int, int> pointsdesimages(claappli& jeu, short a, short b) {
    std::pair<int, int> n{0, 0};
    const bitmapmemoire* image = imagepeinte(jeu);
    if (image == nullptr) return n;
    for (int y = 20; y < fenetreglehgt; y += 40)
        for (int x = 20; x < fenetreglewid; x += 40) {
            const COLORREF pa = pixelpage(jeu, a, x, y);
            const COLORREF pb = pixelpage(jeu, b, x, y);
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

bool visible(const claappli& a, short id) {
    const HWND b = a.colonne.bouton(id);
    return b != nullptr && IsWindowVisible(b) != FALSE;
}

TEST_F(fenetrejeu, TheRulesOpenOnPageOneAndReturnToTheSameGridAndHistory) {
    // Two entries, the second undone: a history with a redo left.
    for (int i = 0; i < 2; ++i) {
        const short c = casevide();
        ASSERT_NE(c, 0);
        partie().choisitvaleur(valeur(c, true));
        clicase(c);
    }
    presse(idannuler);
    const std::vector<std::string> entrees = historiquetextes();
    const short position = partie().historique().getposition();
    gstring etat;
    appli().page.modele().getactudata(3, &etat);
    const std::string etatavant = etat.adr();
    const SIZE jeuclient = taille(fenetre);
    ASSERT_EQ(entrees.size(), 2u);

    contexte().contraffi = 1;
    presse(idregles);
    EXPECT_EQ(partie().mode(), modeappli::regles);
    EXPECT_EQ(appli().pagereglesnum, 1);
    EXPECT_EQ(contexte().contraffi, 0);
    EXPECT_EQ(partie().historique().effectif(), 0);
    EXPECT_EQ(chronoquitourne(partie().etatchronocourant()), 0);
    EXPECT_EQ(taille(fenetre).cx, fenetreglewid);
    EXPECT_EQ(taille(fenetre).cy, fenetreglehgt);
    // Page 1's picture (loaded now) fills the window, the texts over it.
    const std::pair<int, int> page1 = pointsdesimages(appli(), 1, 0);
    EXPECT_GT(page1.first, 150);
    EXPECT_TRUE(visible(appli(), idretour));
    EXPECT_TRUE(visible(appli(), idpagesuiv));
    EXPECT_FALSE(visible(appli(), idpageprec));
    for (short id : {idinfo, idzero, idannuler, idlangue, idregles})
        EXPECT_FALSE(visible(appli(), id)) << id;

    presse(idregles); // sent again: page 1 again, the game still kept
    EXPECT_EQ(appli().pagereglesnum, 1);
    for (short i = 2; i <= 9; ++i) {
        presse(idpagesuiv);
        EXPECT_EQ(appli().pagereglesnum, i);
    }
    EXPECT_FALSE(visible(appli(), idpagesuiv));
    EXPECT_TRUE(visible(appli(), idpageprec));
    presse(idpagesuiv); // the last page stays
    EXPECT_EQ(appli().pagereglesnum, 9);
    const std::pair<int, int> page9 = pointsdesimages(appli(), 9, 1);
    EXPECT_GT(page9.first, 20);
    EXPECT_EQ(page9.second, 0);
    presse(idpageprec);
    EXPECT_EQ(appli().pagereglesnum, 8);
    EXPECT_TRUE(visible(appli(), idpagesuiv));

    presse(idretour);
    EXPECT_EQ(partie().mode(), modeappli::jeu);
    EXPECT_EQ(partie().parametres().grillecourante, 1);
    appli().page.modele().getactudata(3, &etat);
    EXPECT_EQ(std::string(etat.adr()), etatavant);
    EXPECT_EQ(historiquetextes(), entrees);
    EXPECT_EQ(partie().historique().getposition(), position);
    EXPECT_EQ(taille(fenetre).cx, jeuclient.cx);
    EXPECT_EQ(taille(fenetre).cy, jeuclient.cy);
    EXPECT_NE(chronoquitourne(partie().etatchronocourant()), 0);
    EXPECT_FALSE(visible(appli(), idretour));
    EXPECT_FALSE(visible(appli(), idpageprec));
    EXPECT_TRUE(visible(appli(), idregles));
    EXPECT_TRUE(IsWindowEnabled(bouton(idannuler)));
    EXPECT_TRUE(IsWindowEnabled(bouton(idrefaire)));
    EXPECT_EQ(appli().regles.reglebitmap(1), nullptr); // the pictures were given back

    // The history is still the one to walk: undo, then redo twice.
    presse(idannuler);
    EXPECT_EQ(partie().historique().getposition(), position - 1);
    presse(idrefaire);
    presse(idrefaire);
    EXPECT_EQ(partie().historique().getposition(), 2);
}

// The window's "R", "<" and ">" lie over the pictures: on every page the
// ground under them, and a few pixels around, is plain, so that no part of
// an illustration (a button, a label, a grid) hides behind them.
TEST_F(fenetrejeu, NoPictureDrawsUnderTheRulesButtons) {
    presse(idregles);
    for (short p = 1; p <= 9; ++p) {
        ASSERT_EQ(appli().pagereglesnum, p);
        for (short id : {idretour, idpageprec, idpagesuiv}) {
            RECT r{};
            GetWindowRect(bouton(id), &r);
            POINT a{r.left - 6, r.top - 6};
            POINT b{r.right + 6, r.bottom + 6};
            ScreenToClient(fenetre, &a);
            ScreenToClient(fenetre, &b);
            EXPECT_EQ(tachesdanspage(appli(), p, RECT{a.x, a.y, b.x, b.y}), 0)
                << "page " << p << ", button " << id;
        }
        presse(idpagesuiv);
    }
}

#ifndef _WIN32
// The pointer resting on "?" in play, then on ">" over a rules page, shows
// their tooltips.
TEST_F(fenetrejeu, TheRulesButtonsHaveTheirTooltips) {
    auto survole = [this](short id) {
        RECT r{};
        GetWindowRect(bouton(id), &r);
        POINT p{r.left + 5, r.top + 5};
        ScreenToClient(fenetre, &p);
        vora::platform::testing::send_mouse_move(fenetre, p);
        peins();
    };
    survole(idregles);
    EXPECT_STREQ(tooltip().textelabel(), "  R\xE8gle du jeu (F1)  ");
    presse(idregles);
    EXPECT_FALSE(tooltip().estvisible());
    survole(idpagesuiv);
    EXPECT_STREQ(tooltip().textelabel(), "  Page suivante (fl\xE8"
                                         "che droite, Pg suiv, Fin : derni\xE8"
                                         "re)  ");
    survole(idretour);
    EXPECT_STREQ(tooltip().textelabel(), "  Retour \xE0 la grille (\xC9"
                                         "chap, Entr\xE9"
                                         "e)  ");
    presse(idretour);
    survole(idplus);
    EXPECT_STREQ(tooltip().textelabel(), "  Agrandir (+)  ");
}
#endif

// Pixels of one colour in the last painted picture.
int pixelsdecouleur(const claappli& a, COLORREF couleur) {
    const bitmapmemoire* image = imagepeinte(a);
    if (image == nullptr) return 0;
    int n = 0;
    for (int y = 0; y < image->haut(); ++y)
        for (int x = 0; x < image->larg(); ++x)
            if (image->at(x, y) == couleur) ++n;
    return n;
}

// The point markers set on the grid are still there, and drawn, after a
// visit to the rules pages.
TEST_F(fenetrejeu, ThePointMarkersOutliveTheRulesPages) {
    for (short h : {short{1}, short{2}})
        clic(client(partie().grille().gethexacentrix(h), partie().grille().gethexacentry(h)));
    ASSERT_NE(partie().points()[0], 0);
    ASSERT_NE(partie().points()[1], 0);
    const std::vector<short> avant(std::begin(partie().points()), std::end(partie().points()));
    const int vertsavant = pixelsdecouleur(appli(), 0x00FF00);
    const int rougesavant = pixelsdecouleur(appli(), 0x0000FF);
    ASSERT_GT(vertsavant, 0) << "the previous marker is drawn in green";

    presse(idregles);
    presse(idpagesuiv);
    presse(idretour);
    const std::vector<short> apres(std::begin(partie().points()), std::end(partie().points()));
    EXPECT_EQ(apres, avant);
    EXPECT_EQ(pixelsdecouleur(appli(), 0x00FF00), vertsavant);
    EXPECT_EQ(pixelsdecouleur(appli(), 0x0000FF), rougesavant);
}

// Over the rules pages the keys turn the pages and give the grid back; in
// play they leave the mode alone.
TEST_F(fenetrejeu, TheKeysTurnTheRulesPagesAndReturnToTheGrid) {
    auto touche = [this](int vk) {
        SendMessageA(fenetre, WM_KEYDOWN, static_cast<WPARAM>(vk), 0);
        peins();
    };
    touche(VK_ESCAPE);
    touche(VK_RETURN);
    EXPECT_EQ(partie().mode(), modeappli::jeu) << "no key opens or leaves anything in play";

    for (int retour : {VK_ESCAPE, VK_RETURN}) {
        presse(idregles);
        struct pas {
            int touche;
            short page;
        };
        const pas suite[] = {{VK_RIGHT, 2}, {VK_NEXT, 3}, {VK_LEFT, 2}, {VK_PRIOR, 1},
                             {VK_PRIOR, 1}, {VK_LEFT, 1}, {VK_END, 9},  {VK_RIGHT, 9},
                             {VK_NEXT, 9},  {VK_HOME, 1}, {'A', 1},     {VK_UP, 1}};
        for (const pas& p : suite) {
            touche(p.touche);
            EXPECT_EQ(appli().pagereglesnum, p.page) << "key " << p.touche;
            EXPECT_EQ(partie().mode(), modeappli::regles) << "key " << p.touche;
        }
        touche(VK_END);
        EXPECT_FALSE(visible(appli(), idpagesuiv)) << "the buttons follow the page";
        EXPECT_TRUE(visible(appli(), idpageprec));
        touche(retour);
        EXPECT_EQ(partie().mode(), modeappli::jeu) << "key " << retour;
        EXPECT_TRUE(visible(appli(), idregles));
        EXPECT_FALSE(visible(appli(), idretour));
        EXPECT_NE(chronoquitourne(partie().etatchronocourant()), 0);
    }
}

#ifndef _WIN32
// Turning to the last page with ">" hides ">" and its tooltip: the pointer
// resting where the button was shows none.
TEST_F(fenetrejeu, NoNextPageTooltipOnTheLastPage) {
    namespace hooks = vora::platform::testing;
    presse(idregles);
    for (int i = 0; i < 7; ++i) presse(idpagesuiv);
    RECT r{};
    GetWindowRect(bouton(idpagesuiv), &r);
    POINT p{r.left + 5, r.top + 5};
    ScreenToClient(fenetre, &p);
    hooks::send_mouse_move(fenetre, p);
    peins();
    ASSERT_TRUE(tooltip().estvisible());
    EXPECT_EQ(std::string(tooltip().textelabel()).rfind("  Page suivante", 0), 0u);
    hooks::send_mouse_button(bouton(idpagesuiv), POINT{5, 5}, 1, true);
    hooks::send_mouse_button(bouton(idpagesuiv), POINT{5, 5}, 1, false);
    peins();
    EXPECT_EQ(appli().pagereglesnum, 9);
    EXPECT_FALSE(IsWindowVisible(bouton(idpagesuiv)));
    hooks::send_mouse_move(fenetre, POINT{p.x + 1, p.y});
    peins();
    hooks::advance_clock(2 * delairepos);
    peins();
    EXPECT_FALSE(tooltip().estvisible());
    EXPECT_EQ(tooltip().getidcourant(), 0);
}
#endif

// With no grid in play, "R" leaves the rules for the idle shell.
TEST_F(fenetrejeu, WithoutAGridTheRulesReturnToNoGrid) {
    appli().setmode(modeappli::sansgrille);
    presse(idregles);
    EXPECT_EQ(partie().mode(), modeappli::regles);
    presse(idretour);
    EXPECT_EQ(partie().mode(), modeappli::sansgrille);
    EXPECT_EQ(partie().historique().effectif(), 0);
    EXPECT_FALSE(visible(appli(), idretour));
}

} // namespace
} // namespace shelltest
