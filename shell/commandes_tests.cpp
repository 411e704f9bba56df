// The command table read by every way in: each key of the game reaches its
// command, the popup menu's lines are the buttons' tips, and a digit key is
// taken once, when its message arrives.
#include "shell/fenetre_testing.h"

#include "shell/commandes.h"
#include "shell/idcommandes.h"

#include <functional>

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
        {"Page Up asks for the next level", VK_PRIOR, 1, nullptr,
         [niveau](const clapartie& p) { return p.grille().getniveauvoulu() == niveau; }},
        {"V switches the highlight", 'V', 0, nullptr,
         [](const clapartie& p) { return p.option(optionjeu::surligne); }},
        {"C switches the counts", 'C', 0, nullptr,
         [](const clapartie& p) { return p.option(optionjeu::comptes); }},
        {"A switches the cleaning", 'A', 0, nullptr,
         [](const clapartie& p) { return !p.option(optionjeu::nettoie); }},
        {"F asks to go back to the givens", 'F', 1, nullptr, nullptr},
        {"S asks to save", 'S', 1, nullptr, nullptr},
        {"P asks to pause", 'P', 1, nullptr, nullptr},
        {"L says the language", 'L', 1, "English",
         [](const clapartie& p) { return p.parametres().langue == langueanglais; }},
        {"I shows the information's first page", 'I', 1, nullptr, nullptr},
        {"X asks to quit", 'X', 1, nullptr, nullptr},
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
    // N opens the picker, whose lines are shapes.
    touche('N');
    ASSERT_TRUE(appli().menu.ouvert());
    EXPECT_EQ(appli().menu.lignesmenu().front().id, idnouvelleforme);
    touche(VK_ESCAPE);
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

} // namespace
} // namespace shelltest
