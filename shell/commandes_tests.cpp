// The command table read by every way in: each key of the game reaches its
// command, the popup menu's lines are the buttons' tips, and a digit key is
// taken once, when its message arrives.
#include "shell/fenetre_testing.h"

#include "shell/commandes.h"
#include "shell/idcommandes.h"

#include "grid/solver/generator.h"
#include "shell/core/nouvelletache.h"

#include <algorithm>
#include <functional>
#include <thread>

namespace shelltest {
namespace {

class commandes : public fenetrejeu {
protected:
    void touche(WPARAM vk) {
        SendMessageA(fenetre, WM_KEYDOWN, vk, 0);
        peins();
    }
};

// A key without Ctrl or Shift and what it does, seen in the game's state or
// in the question it asks (answered no, or OK).
TEST_F(commandes, EachKeyReachesItsCommand) {
    struct cas {
        const char* quoi;
        WPARAM touche;
        size_t boites;        // the boxes it opens (answered no, or cancel)
        const char* question; // a part of the box's text, null for any
        std::function<bool(const clapartie&)> fait;
    };
    const short niveau = partie().grille().getniveauvoulu();
    const cas table[] = {
        {"F3 asks to load grid 2", VK_F3, 1, "2", nullptr},
        {"Page Up steps an untouched grid's level at once", VK_PRIOR, 0, nullptr,
         [niveau](const clapartie& p) { return p.grille().getniveauvoulu() != niveau; }},
        {"V switches the highlight", 'V', 0, nullptr,
         [](const clapartie& p) { return p.option(optionjeu::surligne); }},
        {"C switches the counts", 'C', 0, nullptr,
         [](const clapartie& p) { return p.option(optionjeu::comptes); }},
        {"A switches the cleaning", 'A', 0, nullptr,
         [](const clapartie& p) { return !p.option(optionjeu::nettoie); }},
        {"E switches the mistakes shown", 'E', 0, nullptr,
         [](const clapartie& p) { return p.option(optionjeu::erreurs); }},
        {"O switches the pencil mode", 'O', 0, nullptr,
         [](const clapartie& p) { return p.option(optionjeu::crayon); }},
        {"F asks to go back to the givens", 'F', 1, nullptr, nullptr},
        {"S asks to save", 'S', 1, nullptr, nullptr},
        {"P asks to pause", 'P', 1, nullptr, nullptr},
        {"L switches the language without a box", 'L', 0, nullptr,
         [](const clapartie& p) { return p.parametres().langue == langueanglais; }},
        {"I shows the information's first page", 'I', 1, nullptr, nullptr},
        {"X asks to quit", 'X', 1, nullptr, nullptr},
        // Last: with it on, S and X ask nothing.
        {"W switches the save after every move", 'W', 0, nullptr,
         [](const clapartie& p) { return p.option(optionjeu::sauveauto); }},
    };
    for (const cas& c : table) {
        questions.clear();
        reponses = {IDCANCEL};
        touche(c.touche);
        ASSERT_EQ(questions.size(), c.boites) << c.quoi;
        if (c.question != nullptr && !questions.empty()) {
            EXPECT_NE(questions[0].find(c.question), std::string::npos) << c.quoi << questions[0];
        }
        if (c.fait) {
            EXPECT_TRUE(c.fait(partie())) << c.quoi;
        }
        EXPECT_TRUE(IsWindow(fenetre)) << c.quoi;
        EXPECT_EQ(partie().fenetre().verrous, 0) << c.quoi << ": the box's lock given back";
    }
}

TEST_F(commandes, TheMenusLinesAreTheButtonsTipsAndTheMenuKeyOpensThem) {
    touche(VK_APPS);
    ASSERT_TRUE(appli().menu.ouvert());
    const std::vector<lignemenu>& lignes = appli().menu.lignesmenu();
    ASSERT_FALSE(lignes.empty());
    EXPECT_EQ(lignes.front().id, idlangue);
    short tips = 0;
    for (const lignemenu& l : lignes) {
        const std::string tip = tooltip().textede(l.id);
        if (tip.empty()) continue;
        EXPECT_EQ(l.texte, tip) << l.id;
        ++tips;
    }
    EXPECT_EQ(tips, 18) << "the column's commands: language, 5 grids, level, - + ? I < > 0 F P S X";
    EXPECT_EQ(lignes.back().id, idliste);
    touche(VK_ESCAPE);
    EXPECT_FALSE(appli().menu.ouvert());
    // N opens the picker, whose lines are shapes, their families named in
    // the language in force.
    for (const char* attendue : {"anneau 2 : 12 hexagones", "ring 2: 12 hexagons"}) {
        touche('N');
        ASSERT_TRUE(appli().menu.ouvert());
        const std::vector<lignemenu> formes = appli().menu.lignesmenu();
        EXPECT_EQ(formes.front().id, idnouvelleforme);
        EXPECT_TRUE(std::any_of(formes.begin(), formes.end(), [&](const lignemenu& l) {
            return l.texte == attendue;
        })) << attendue;
        touche(VK_ESCAPE);
        touche('L');
    }
}

// Without the cursor a digit chooses its value as its message arrives, once:
// six 6s in a row show the constraints at the sixth, not before.
TEST_F(commandes, ADigitIsTakenOnceWhenItsMessageArrives) {
    SendMessageA(fenetre, WM_KEYDOWN, '4', 0);
    EXPECT_EQ(partie().valeurcourante(), 4) << "at once, without another message";
    SendMessageA(fenetre, WM_KEYDOWN, VK_NUMPAD2, 0);
    EXPECT_EQ(partie().valeurcourante(), 2);
    SendMessageA(fenetre, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(partie().valeurcourante(), 3);
    for (int i = 1; i <= 6; ++i) {
        touche('6');
        EXPECT_EQ(partie().contraintesaffichees(), i == 6) << i;
        EXPECT_EQ(contexte().contraffi, i == 6 ? 1 : 0) << i;
    }
    // With the cursor a digit enters its value, once: one step of undo.
    touche(VK_RIGHT);
    ASSERT_TRUE(partie().curseurvisible());
    for (int i = 0; i < 200 && !partie().grille().casestvide(partie().casecourante()); ++i)
        touche(VK_RIGHT);
    const short c = partie().casecourante();
    ASSERT_TRUE(partie().grille().casestvide(c));
    const short v = valeur(c, true);
    touche(static_cast<WPARAM>('0' + v));
    EXPECT_EQ(partie().grille().getcaseval(c), v);
    EXPECT_EQ(partie().valeurcourante(), v);
    EXPECT_EQ(partie().historique().effectif(), 1);
}

// The generated grid has its own button "N" under Gr5 (the six in the space
// of five), with the star while it is in play, and its own first lines in
// "I" (shape, level, seed); before one exists the column is as it always was.
TEST_F(commandes, TheGeneratedGridIsNamedInTheColumnAndInI) {
    const auto hauteur = [&](short id) {
        RECT r{};
        GetWindowRect(bouton(id), &r);
        return r.bottom - r.top;
    };
    ASSERT_NE(bouton(idboutonnouvelle), nullptr);
    EXPECT_FALSE(IsWindowVisible(bouton(idboutonnouvelle)));
    EXPECT_EQ(hauteur(idbouttongrille(1)), 20);
    const short etoile1 = appli().vue.etoiley;
    EXPECT_GT(etoile1, 0);

    clanouvelletache t;
    ASSERT_TRUE(t.lance("triangle 5", 4, 4242));
    while (!t.prete()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const auto puzzle = t.recupere();
    ASSERT_TRUE(puzzle.has_value());
    // Taken as the picker's job takes it, then a message's end shows it.
    ASSERT_TRUE(
        appliquer(appli(), partie().prendnouvelle(t.description(), t.graine(), t.niveau(), *puzzle))
            .chargee);
    appli().reaffigri();
    SendMessageA(fenetre, WM_TIMER, 1, 0);
    peins();
    ASSERT_TRUE(IsWindowVisible(bouton(idboutonnouvelle)));
    EXPECT_EQ(hauteur(idboutonnouvelle), hauteur(idbouttongrille(5)));
    RECT n{};
    RECT g5{};
    GetWindowRect(bouton(idboutonnouvelle), &n);
    GetWindowRect(bouton(idbouttongrille(5)), &g5);
    EXPECT_EQ(n.top, g5.bottom) << "under Gr5";
    RECT g1{};
    GetWindowRect(bouton(idbouttongrille(1)), &g1);
    EXPECT_LE(n.bottom - g1.top, 100) << "within the five buttons' space";
    // The star's text (16 pixels high) centred on N's row.
    POINT haut{n.left, n.top};
    POINT bas{n.left, n.bottom};
    ScreenToClient(fenetre, &haut);
    ScreenToClient(fenetre, &bas);
    const int centre = appli().vue.etoiley + 8;
    EXPECT_TRUE(centre >= haut.y && centre <= bas.y) << centre << " " << haut.y << ".." << bas.y;
    EXPECT_EQ(tooltip().textede(idboutonnouvelle).empty(), false);

    questions.clear();
    reponses = {IDCANCEL};
    presse(idinfo);
    ASSERT_FALSE(questions.empty());
    EXPECT_EQ(questions[0].rfind("Nouvelle grille \xAB N \xBB : triangle 5\nNiveau : ", 0), 0u)
        << questions[0];
    EXPECT_NE(questions[0].find("Graine : 4242"), std::string::npos) << questions[0];

    // Grid 2, then "N" back to the generated grid, without a question.
    reponses = {IDYES};
    presse(idbouttongrille(2));
    EXPECT_EQ(partie().parametres().grillecourante, 2);
    questions.clear();
    presse(idboutonnouvelle);
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(partie().parametres().grillecourante, partie().parametres().numeronouvelle());
}

// With the option E, an entry that differs from the solution is framed in
// dark red as soon as it is made, and counted as a check; a right one is
// not; off (the default), nothing is framed.
TEST_F(commandes, TheMistakesOptionFramesAWrongEntryAtOnce) {
    const std::vector<short>& solution = partie().solutionjeu();
    ASSERT_FALSE(solution.empty());
    short fausse = 0;
    short vfausse = 0;
    for (short c = 1; c <= partie().grille().getnbcases() && fausse == 0; ++c)
        for (short v = 1; v <= 6 && fausse == 0; ++v)
            if (partie().grille().casestvide(c) && v != solution[c - 1UL] &&
                partie().grille().isautorisee(c, v) != 0) {
                fausse = c;
                vfausse = v;
            }
    ASSERT_NE(fausse, 0);
    presse(idvaleur(vfausse));
    clicase(fausse);
    ASSERT_EQ(partie().grille().getcaseval(fausse), vfausse);
    EXPECT_TRUE(contexte().casesfaussesvues.empty()) << "off by default";
    EXPECT_EQ(pixels(fausse, contexte().coulfausse, 20), 0);
    touche('E');
    ASSERT_TRUE(partie().option(optionjeu::erreurs));
    EXPECT_EQ(contexte().casesfaussesvues, std::vector<short>{fausse}) << "at once";
    EXPECT_GT(pixels(fausse, contexte().coulfausse, 20), 10);
    const aidesgrille avant = partie().aidesutilisees();
    presse(idannuler);
    EXPECT_TRUE(contexte().casesfaussesvues.empty());
    clicase(fausse);
    EXPECT_EQ(partie().aidesutilisees()[1], avant[1] + 1) << "a mistake framed counts as a check";
    presse(idannuler);
    presse(idvaleur(solution[fausse - 1UL]));
    clicase(fausse);
    EXPECT_TRUE(contexte().casesfaussesvues.empty());
    EXPECT_EQ(partie().aidesutilisees()[1], avant[1] + 1);
}

// In pencil mode (O), a left click on an empty cell and a digit on the
// cursor's empty cell toggle that value's mark, one undo step each, and
// enter nothing; a filled cell answers as before; off again, a click
// enters the value.
TEST_F(commandes, ThePencilModeTogglesMarksWithClicksAndDigits) {
    touche('O');
    ASSERT_TRUE(partie().option(optionjeu::crayon));
    const short c = casevide();
    const short v = valeur(c, true);
    presse(idvaleur(v));
    const short bit = static_cast<short>(1 << (v - 1));
    clicase(c);
    EXPECT_TRUE(partie().grille().casestvide(c)) << "no value entered";
    EXPECT_EQ(partie().grille().getpuser(c), bit);
    EXPECT_EQ(partie().historique().effectif(), 1);
    clicase(c);
    EXPECT_EQ(partie().grille().getpuser(c), 0) << "a second click takes it off";
    presse(idannuler);
    EXPECT_EQ(partie().grille().getpuser(c), bit) << "undone one step at a time";
    // The keyboard: the cursor on the cell, then a digit.
    touche(VK_RIGHT);
    ASSERT_TRUE(partie().curseurvisible());
    for (int i = 0; i < 300 && partie().casecourante() != c; ++i) touche(VK_RIGHT);
    ASSERT_EQ(partie().casecourante(), c);
    const short w = v == 6 ? short(1) : static_cast<short>(v + 1);
    touche(static_cast<WPARAM>('0' + w));
    EXPECT_TRUE(partie().grille().casestvide(c));
    EXPECT_EQ(partie().grille().getpuser(c), bit | (1 << (w - 1)));
    EXPECT_EQ(partie().valeurcourante(), v) << "the current value stays";
    touche('O');
    ASSERT_FALSE(partie().option(optionjeu::crayon));
    clicase(c);
    EXPECT_EQ(partie().grille().getcaseval(c), v) << "off: a click enters the value";
}

// T steps through the looks: the painted grid and the window's background
// take each look's palette, the popup menu's line names the look in force,
// and after the last the original comes back pixel for pixel.
TEST_F(commandes, TStepsThroughTheLooksAndBackToTheOriginalPixelForPixel) {
    const bitmapmemoire* image = imagepeinte();
    ASSERT_NE(image, nullptr);
    auto pixelsimage = [this] {
        const bitmapmemoire* i = imagepeinte();
        std::vector<COLORREF> v;
        for (int y = 0; y < i->haut(); ++y)
            for (int x = 0; x < i->larg(); ++x) v.push_back(i->at(x, y));
        return v;
    };
    const std::vector<COLORREF> originale = pixelsimage();
    const short vide = casevide();
    ASSERT_NE(vide, 0);
    const POINT c = centre(vide);
    // Left of the button column: the window's own background.
    const POINT dehors{4, c.y};
    EXPECT_EQ(image->at(c.x, c.y), 0x99FFFFu);
    EXPECT_EQ(image->at(dehors.x, dehors.y), GetSysColor(COLOR_BTNFACE));
    const struct {
        short theme;
        const char* etat;
    } suite[] = {{themesombre, "(sombre)"}, {themedaltonien, "(pour les daltoniens)"}};
    for (const auto& t : suite) {
        touche('T');
        ASSERT_EQ(partie().parametres().theme, t.theme);
        const palettedessin& p = palettedutheme(t.theme);
        image = imagepeinte();
        EXPECT_EQ(image->at(c.x, c.y), static_cast<COLORREF>(p.grisfondcase)) << t.theme;
        EXPECT_EQ(image->at(dehors.x, dehors.y), p.fondfenetre == fondsysteme
                                                     ? GetSysColor(COLOR_BTNFACE)
                                                     : static_cast<COLORREF>(p.fondfenetre))
            << t.theme;
        EXPECT_EQ(contexte().coulcurseur, p.coulcurseur) << t.theme;
        const std::string ligne = texteoption(appli(), idoptiontheme);
        EXPECT_TRUE(ligne.starts_with("T : ")) << ligne;
        EXPECT_NE(ligne.find(t.etat), std::string::npos) << ligne;
    }
    touche('T');
    EXPECT_EQ(partie().parametres().theme, themeoriginal);
    EXPECT_TRUE(pixelsimage() == originale) << "the original look again, pixel for pixel";
}

} // namespace
} // namespace shelltest
