// What becomes of the player's play, through the game's main window: a grid
// left and taken up again, the reload of the grid in play, the quit question
// with its three answers and a failing save, and the session's end.
#include "shell/fenetre_testing.h"
#include "shell/idcommandes.h"

#include "shell/core/partie_testing.h"

#include "shell/jeu.h"

#include "shell/core/horloge.h"
#include "shell/core/paramuser_testing.h"
#include "shell/core/textesvora.h"

#include <cstdint>
#include <optional>

namespace shelltest {
namespace {

constexpr COLORREF magenta = 0xFF00FF;

std::uint32_t tickessai = 0;
std::uint32_t tickdessai() {
    return tickessai;
}

// What the player sees of a grid and can take back.
struct vuegrille {
    std::string etat; // entries and pencil marks
    std::vector<std::string> historique;
    short position = 0;
    std::array<short, 3> marqueurs{};
    bool operator==(const vuegrille&) const = default;
};

class laisse : public fenetrejeu {
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
    // The value v entered in cell c, as the player does: on the selector's
    // command, then a click on the cell.
    void entre(short c, short v) {
        presse(static_cast<short>(13 + v));
        clicase(c);
        ASSERT_EQ(partie().grille().getcaseval(c), v);
    }
    // Two entries, the first erased again and given pencil marks, a third
    // entry, an undo, markers, then time passes.
    void joue(std::uint32_t secondes) {
        const short a = casevide();
        premiere = a;
        vpremiere = valeur(a, true);
        entre(a, vpremiere);
        const short b = casevide();
        entre(b, valeur(b, true));
        presse(idzero);
        clicase(a);
        ASSERT_EQ(partie().grille().getcaseval(a), 0);
        accespartie::parametres(partie()).remplitmarques = true;
        clic(centre(a), true);
        ASSERT_EQ(partie().grille().getpuser(a), 63);
        auto d = static_cast<short>(a + 1);
        while (!partie().grille().casestvide(d)) ++d;
        entre(d, valeur(d, true));
        presse(idannuler);
        partie().clicpoint(2);
        partie().clicpoint(3);
        peins();
        tickessai += secondes * 1000;
    }
    vuegrille vue() {
        gstring t;
        appli().page.modele().getactudata(3, &t);
        return {t.adr(), historiquetextes(), partie().historique().getposition(),
                partie().points()};
    }
    void charge(short g) {
        reponses = {IDYES};
        presse(idbouttongrille(g));
        ASSERT_EQ(partie().parametres().grillecourante, g);
    }
    std::string message(short n, const char* a = nullptr, const char* b = nullptr) {
        gstring t;
        createmsg(&t, n, partie().parametres().langue, a, b);
        return t.adr();
    }
    bool fichierecrit() {
        const std::string nom = fichierparam();
        return std::filesystem::exists(nom) && litfichier(nom) != fichierdepart;
    }
    short premiere = 0; // joue's first cell and value
    short vpremiere = 0;
    // The next start of the game, in the same directory.
    void redemarre() {
        finjeu(appli());
        fenetre = relance();
        ASSERT_NE(fenetre, nullptr);
        peins();
    }
};

TEST_F(laisse, AGridLeftOrReloadedIsTakenUpAgainAsThePlayerLeftIt) {
    joue(30);
    const vuegrille grille1 = vue();
    ASSERT_EQ(grille1.historique.size(), 5u) << "the erasure and the marks are kept";
    ASSERT_EQ(grille1.position, 4);
    questions.clear();
    charge(1);
    EXPECT_EQ(vue(), grille1) << "a reload keeps the play";

    charge(2);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0], message(5, "1")) << "the reload question says what it keeps";
    EXPECT_EQ(questions[1], message(4, "2", "1")) << "the question says grid 1 is kept";
    EXPECT_TRUE(historiquetextes().empty());
    EXPECT_EQ(partie().points(), (std::array<short, 3>{0, 0, 0}));
    const short c2 = casevide();
    entre(c2, valeur(c2, true));
    tickessai += 10000;
    const vuegrille grille2 = vue();

    charge(1);
    EXPECT_EQ(vue(), grille1);
    EXPECT_EQ(partie().parametres().chronos.getsec(1), 30) << "grid 1's time, without grid 2's";
    EXPECT_EQ(partie().parametres().chronos.getsec(2), 10);
    EXPECT_FALSE(fichierecrit()) << "kept in memory, nothing written";
    // What the player sees: the entry in magenta; undo and redo go on.
    for (short c = 1; c <= partie().grille().getnbcases(); ++c) {
        if (!partie().grille().casestfixe(c) && partie().grille().getcaseval(c) != 0) {
            EXPECT_GT(pixels(c, magenta), 5) << c;
        }
    }
    presse(idrefaire);
    presse(idannuler);
    presse(idannuler);
    presse(idannuler);
    EXPECT_EQ(partie().historique().getposition(), 2);
    EXPECT_EQ(partie().grille().getcaseval(premiere), vpremiere)
        << "undoing the erasure put the value back";

    charge(2);
    EXPECT_EQ(vue(), grille2);
    // "S" now writes both grids as they were left.
    reponses = {IDYES};
    presse(idsauver);
    const std::string nom = fichierparam();
    const std::string contenu = litfichier(nom);
    EXPECT_NE(contenu.find("gv1:A="), std::string::npos);
    EXPECT_NE(contenu.find("gv2:A="), std::string::npos);
}

// The quit question's answers, a save that fails at quitting, and the
// session's end.
TEST_F(laisse, QuittingKeepsThePlayOnYesDropsItOnNoAndStaysOnCancel) {
    struct cas {
        const char* nom;
        bool sansecriture; // the directory refuses the file
        std::vector<int> reponsesquitter;
        size_t nbquestions;
        bool fermee;
        bool gardee;  // the next start shows the entry
        bool session; // the session ends instead of "X"
    };
    const cas table[] = {
        {"yes saves and quits", false, {IDYES}, 1, true, true, false},
        {"no quits without saving", false, {IDNO}, 1, true, false, false},
        {"cancel stays", false, {IDCANCEL}, 1, false, false, false},
        {"a failed save is told, and no stays", true, {IDYES, IDOK, IDNO}, 3, false, false, false},
        {"a failed save is told, and yes quits", true, {IDYES, IDOK, IDYES}, 3, true, false, false},
        {"the session's end saves without a question", false, {}, 0, true, true, true},
    };
    const std::string nom = fichierparam();
    for (const cas& k : table) {
        ecrisfichier(nom, fichierdepart);
        redemarre();
        const short c = casevide();
        const short v = valeur(c, true);
        entre(c, v);
        // A save that fails: an empty file that cannot be replaced.
        std::optional<echececriture> echec;
        if (k.sansecriture) {
            ecrisfichier(nom, "");
            echec.emplace(nom);
        }
        questions.clear();
        reponses = {k.reponsesquitter.begin(), k.reponsesquitter.end()};
        if (k.session) {
            EXPECT_EQ(SendMessageA(fenetre, WM_QUERYENDSESSION, 0, 0), TRUE);
            SendMessageA(fenetre, WM_ENDSESSION, TRUE, 0);
            DestroyWindow(fenetre); // the system ends the process
        } else {
            presse(idquitter);
        }
        echec.reset();
        ASSERT_EQ(questions.size(), k.nbquestions) << k.nom;
        if (k.nbquestions > 0) {
            EXPECT_EQ(questions[0], message(9)) << k.nom;
        }
        if (k.sansecriture) {
            EXPECT_EQ(questions[1], message(17, nom.c_str())) << k.nom;
            EXPECT_EQ(questions[2], message(22)) << k.nom;
        }
        EXPECT_EQ(IsWindow(fenetre) == FALSE, k.fermee) << k.nom;
        if (!k.fermee) {
            EXPECT_EQ(partie().fenetre().verrous, 0) << k.nom;
            EXPECT_EQ(partie().grille().getcaseval(c), v) << k.nom;
            continue;
        }
        EXPECT_EQ(fichierecrit() && !litfichier(nom).empty(), k.gardee) << k.nom;
        // Back to the start file: an empty one reads as damaged.
        if (!k.gardee) ecrisfichier(nom, fichierdepart);
        redemarre();
        EXPECT_EQ(partie().grille().getcaseval(c), k.gardee ? v : 0) << k.nom;
        if (k.gardee) {
            EXPECT_GT(pixels(c, magenta), 5) << k.nom;
        }
    }
}

} // namespace
} // namespace shelltest
