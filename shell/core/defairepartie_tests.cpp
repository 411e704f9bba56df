// Undo and redo of the game in progress as the player meets them: every change
// of the board one step (marks cleared by the eraser or Delete, marks toggled,
// a value erased right after it was entered), and a property over random
// play: undoing walks back through every position the player saw, redoing
// forward again.
#include "shell/core/partie.h"
#include "shell/core/partie_testing.h"

#include "shell/core/paramuser_testing.h"

#include "grid/valuemasks.h"
#include "lattice/catalogue/grillecatalogue.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

// What the player sees of the board: each cell's value and pencil marks.
std::vector<short> plateau(const clagrivora& g) {
    std::vector<short> r;
    for (short c = 1; c <= g.getnbcases(); ++c) {
        r.push_back(g.getcaseval(c));
        r.push_back(g.getpuser(c));
    }
    return r;
}

class defairepartie : public ::testing::Test {
protected:
    void SetUp() override {
        nomgrinit();
        p.fixefichier(dossier.fichier("VORA.TXT"));
        ASSERT_TRUE(p.charge(1).grillechargee);
        for (short c = 1; c <= g().getnbcases(); ++c)
            if (g().casestvide(c)) vides.push_back(c);
        ASSERT_GE(vides.size(), 3u);
    }
    clagrivora& g() { return p.grilledessin(); }
    // A value cell c may take, 0 when none.
    short permise(short c) {
        for (short v = 1; v <= 6; ++v)
            if (g().isautorisee(c, v) != 0) return v;
        return 0;
    }
    // The cursor shown on cell c, nothing changed (a right click far from
    // any mark toggles none while the fill flag is off).
    void curseursur(short c) {
        p.clicdroit(c, 0);
        p.deplacecurseur(sensdeplacement::haut);
        ASSERT_EQ(p.casecourante(), c);
    }
    dossiertemporaire dossier;
    clapartie p;
    std::vector<short> vides;
};

// Each surprise the player met: the change it made, then one undo must bring
// back the position before it and leave the earlier entry in place.
TEST_F(defairepartie, EveryChangeOfTheBoardIsOneStep) {
    struct cas {
        const char* nom;
        // The change on cell c, vu called after each of its gestures.
        std::function<void(short c, const std::function<void()>& vu)> change;
    };
    const cas table[] = {
        {"Delete on a cell holding only pencil marks",
         [&](short c, const std::function<void()>& vu) {
             p.clicdroit(c, 2);
             vu();
             p.clicdroit(c, 5);
             vu();
             curseursur(c);
             p.effacecase();
             vu();
         }},
        {"the eraser clicked on a cell holding only pencil marks",
         [&](short c, const std::function<void()>& vu) {
             p.clicdroit(c, 3);
             vu();
             p.choisitvaleur(0);
             p.clicgauche(c);
             vu();
         }},
        {"Shift and a digit toggling a mark",
         [&](short c, const std::function<void()>& vu) {
             curseursur(c);
             p.basculemarque(6);
             vu();
             p.basculemarque(6);
             vu();
         }},
        {"a value entered then erased at once",
         [&](short c, const std::function<void()>& vu) {
             p.choisitvaleur(permise(c));
             p.clicgauche(c);
             vu();
             p.clicgauche(c);
             vu();
         }},
        {"the six marks filled by a right click",
         [&](short c, const std::function<void()>& vu) {
             accespartie::parametres(p).remplitmarques = true;
             p.clicdroit(c, 0);
             vu();
             accespartie::parametres(p).remplitmarques = false;
         }},
    };
    for (const cas& k : table) {
        SCOPED_TRACE(k.nom);
        p.recommence(5);
        p.fixefichier(dossier.fichier("VORA.TXT"));
        ASSERT_TRUE(p.charge(1).grillechargee);
        // An earlier entry elsewhere, which no undo below may reach.
        const short avant = vides[0];
        const short c = vides[2];
        p.choisitvaleur(permise(avant));
        p.clicgauche(avant);
        ASSERT_FALSE(g().casestvide(avant));
        const short position = p.historique().getposition();
        std::vector<std::vector<short>> vues{plateau(g())};
        k.change(c, [&] {
            EXPECT_NE(plateau(g()), vues.back()) << "each gesture changes the board";
            vues.push_back(plateau(g()));
        });
        EXPECT_EQ(p.historique().getposition(), position + static_cast<short>(vues.size()) - 1);
        for (auto i = static_cast<int>(vues.size()) - 2; i >= 0; --i) {
            p.defaire();
            EXPECT_EQ(plateau(g()), vues[static_cast<size_t>(i)]) << "undo to " << i;
        }
        EXPECT_FALSE(g().casestvide(avant)) << "the earlier entry stays";
        p.defaire();
        EXPECT_TRUE(g().casestvide(avant)) << "the next undo takes it";
    }
}

// Delete on a cell with marks clears them in one step that undo takes back;
// the eraser on an unmarked cell is refused even when other cells hold marks.
TEST_F(defairepartie, DeleteOnMarksIsAStepAndAnUnmarkedCellIsRefused) {
    const short entree = vides[0];
    const short marquee = vides[1];
    const short nue = vides[2];
    p.choisitvaleur(permise(entree));
    p.clicgauche(entree);
    p.clicdroit(marquee, 1);
    p.clicdroit(marquee, 4);
    const short marques = g().getpuser(marquee);
    ASSERT_NE(marques, 0);
    const short position = p.historique().getposition();

    p.choisitvaleur(0);
    p.clicgauche(nue);
    const effets refus = p.posevaleur();
    EXPECT_EQ(refus.bips, bipsderefus) << "nothing to clear in an unmarked cell";
    EXPECT_EQ(p.historique().getposition(), position);
    EXPECT_EQ(g().getpuser(marquee), marques);

    p.choisitvaleur(1);
    curseursur(marquee);
    EXPECT_EQ(p.historique().getposition(), position);
    const effets efface = p.effacecase();
    EXPECT_EQ(efface.bips, (std::vector<bipjeu>{{200, 50}}));
    EXPECT_EQ(g().getpuser(marquee), 0);
    EXPECT_EQ(p.valeurcourante(), 1) << "Delete keeps the current value";
    EXPECT_EQ(p.historique().getposition(), position + 1);
    p.defaire();
    EXPECT_EQ(g().getpuser(marquee), marques);
    EXPECT_FALSE(g().casestvide(entree)) << "Ctrl+Z undid the marks, not the entry";
    p.refaire();
    EXPECT_EQ(g().getpuser(marquee), 0);
}

// Random play: entries, erasures, marks toggled and cleared, the marks
// filled, undos and redos. The positions seen along the history's line are
// kept as a model; each undo and redo must land on the model's, each change
// must be one step, and at the end undoing walks back through all of them.
TEST_F(defairepartie, UndoWalksBackThroughEveryPositionSeen) {
    for (unsigned graine = 1; graine <= 12; ++graine) {
        SCOPED_TRACE("seed " + std::to_string(graine));
        p.recommence(5);
        p.fixefichier(dossier.fichier("VORA.TXT"));
        ASSERT_TRUE(p.charge(1).grillechargee);
        accespartie::parametres(p).remplitmarques = graine % 2 == 0;
        accespartie::parametres(p).nettoiemarques = graine % 3 != 0;
        std::mt19937 hasard(graine);
        const auto tire = [&](int n) { return static_cast<short>(hasard() % unsigned(n)); };
        std::vector<std::vector<short>> vues{plateau(g())};
        size_t ici = 0;
        for (int pas = 0; pas < 400; ++pas) {
            // Mostly the few cells of a corner, so that entries, marks and
            // erasures meet on the same cells.
            const short c = vides[static_cast<size_t>(tire(std::min<int>(8, int(vides.size()))))];
            const int geste = tire(10);
            if (geste == 0) {
                p.defaire();
                if (ici > 0) --ici;
                ASSERT_EQ(plateau(g()), vues[ici]) << "undo at step " << pas;
                continue;
            }
            if (geste == 1) {
                p.refaire();
                if (ici + 1 < vues.size()) ++ici;
                ASSERT_EQ(plateau(g()), vues[ici]) << "redo at step " << pas;
                continue;
            }
            switch (geste) {
            case 2:
            case 3:
                p.choisitvaleur(tire(7));
                p.clicgauche(c);
                break;
            case 4:
                p.clicdroit(c, tire(7));
                break;
            case 5:
                p.deplacecurseur(sensdeplacement::haut);
                p.basculemarque(static_cast<short>(1 + tire(6)));
                break;
            case 6:
                p.deplacecurseur(sensdeplacement::bas);
                p.effacecase();
                break;
            case 7:
                p.notecandidats();
                break;
            default:
                p.deplacecurseur(tire(2) == 0 ? sensdeplacement::gauche : sensdeplacement::droite);
                p.touchechiffre(tire(7));
                break;
            }
            if (plateau(g()) != vues[ici]) {
                vues.resize(ici + 1);
                vues.push_back(plateau(g()));
                ++ici;
            }
            ASSERT_EQ(p.historique().getposition(), static_cast<short>(ici))
                << "one step per change, at step " << pas << " (gesture " << geste << ")";
        }
        for (size_t i = ici; i-- > 0;) {
            p.defaire();
            ASSERT_EQ(plateau(g()), vues[i]) << "walking back to position " << i;
        }
        for (size_t i = 1; i < vues.size(); ++i) {
            p.refaire();
            ASSERT_EQ(plateau(g()), vues[i]) << "walking forward to position " << i;
        }
    }
}

} // namespace
