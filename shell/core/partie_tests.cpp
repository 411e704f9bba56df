// The game in progress without a window: a catalogue grid played to its end
// through the intents alone (effects and state checked at every step), the
// chain of questions at quitting, and the step of the level control.
#include "shell/core/partie.h"
#include "shell/core/partie_testing.h"

#include "shell/core/horloge.h"
#include "shell/core/paramuser_testing.h"
#include "shell/core/textesrecords.h"

#include "lattice/catalogue/grillecatalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

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

// A value for every empty cell of g that no corner-sharing neighbour holds,
// found by backtracking on a copy of its values; false when none exists.
bool resous(const clagrivora& g, std::map<short, short>& valeurs, short c = 1) {
    if (c > g.getnbcases()) return true;
    const auto suivante = static_cast<short>(c + 1);
    if (!g.casestvide(c)) return resous(g, valeurs, suivante);
    for (short v = 1; v <= 6; ++v) {
        bool libre = true;
        for (short i = 0; i < 12 && libre; ++i) {
            const short n = g.casevoisine(c, i);
            const auto it = valeurs.find(n);
            libre = n == 0 || (it != valeurs.end() ? it->second : g.getcaseval(n)) != v;
        }
        if (!libre) continue;
        valeurs[c] = v;
        if (resous(g, valeurs, suivante)) return true;
    }
    valeurs.erase(c);
    return false;
}

short premierevide(const clagrivora& g) {
    for (short c = 1; c <= g.getnbcases(); ++c)
        if (g.casestvide(c)) return c;
    return 0;
}

// The cells holding a value the player entered.
short saisies(const clagrivora& g) {
    short n = 0;
    for (short c = 1; c <= g.getnbcases(); ++c)
        if (!g.casestfixe(c) && !g.casestvide(c)) ++n;
    return n;
}

std::string etat(clagrivora& g) {
    gstring t;
    g.getactudata(3, &t);
    return t.adr();
}

// What one step expects of the effects.
struct attendu {
    attendu(bool r = false, std::vector<bipjeu> b = {}, short q = 0, bool eff = false)
        : repeindre(r), bips(std::move(b)), question(q), effacement(eff) {}
    bool repeindre;
    std::vector<bipjeu> bips;
    short question; // message number, 0 for none
    bool effacement;
};

void verifie(const effets& e, const attendu& a, const std::string& pas) {
    EXPECT_EQ(e.repeindre, a.repeindre) << pas;
    EXPECT_EQ(e.bips, a.bips) << pas;
    EXPECT_EQ(e.question.has_value() ? e.question->numero : short(0), a.question) << pas;
    EXPECT_EQ(e.effacement, a.effacement) << pas;
}

class partiesansfenetre : public ::testing::Test {
protected:
    void SetUp() override {
        nomgrinit();
        p.fixefichier(dossier.fichier("VORA.TXT"));
        const effets e = p.charge(1);
        ASSERT_TRUE(e.grillechargee);
        ASSERT_TRUE(p.anymode(modeappli::jeu));
    }
    dossiertemporaire dossier;
    clapartie p;
};

TEST_F(partiesansfenetre, ACatalogueGridPlayedToItsEndThroughIntentsAlone) {
    clagrivora& g = p.grilledessin();
    const short donnee = [&] {
        for (short c = 1; c <= g.getnbcases(); ++c)
            if (g.casestfixe(c)) return c;
        return short(0);
    }();
    ASSERT_NE(donnee, 0);
    const short a = premierevide(g);
    short permise = 0;
    short refusee = 0;
    for (short v = 1; v <= 6; ++v) (g.isautorisee(a, v) != 0 ? permise : refusee) = v;
    ASSERT_NE(permise, 0);
    ASSERT_NE(refusee, 0);
    const std::string depart = etat(g);
    const short niveau0 = g.getniveauvoulu();
    const short niveaubas = niveauvoisin(niveau0, false, p.niveaumax());

    // The opening moves: each intent, what it answers, what the board shows.
    struct pas {
        std::string nom;
        std::function<effets()> intent;
        attendu effet;
        std::function<bool()> apres;
    };
    const std::vector<pas> ouverture{
        {"a refused value",
         [&] {
             p.choisitvaleur(refusee);
             return p.clicgauche(a);
         },
         {true, bipsderefus},
         [&] { return g.casestvide(a) && p.historique().effectif() == 0; }},
        {"an allowed value",
         [&] {
             p.choisitvaleur(permise);
             return p.clicgauche(a);
         },
         {true},
         [&] { return g.getcaseval(a) == permise && p.historique().getposition() == 1; }},
        {"undo", [&] { return p.defaire(); }, {true}, [&] { return g.casestvide(a); }},
        {"redo", [&] { return p.refaire(); }, {true}, [&] { return g.getcaseval(a) == permise; }},
        {"the same value again erases it",
         [&] { return p.clicgauche(a); },
         {true, {{250, 80}, {200, 80}, {150, 80}}, 0, true},
         [&] { return g.casestvide(a) && p.historique().effectif() == 2; }},
        {"a pencil mark",
         [&] { return p.clicdroit(a, 3); },
         {true},
         [&] { return g.getpuser(a) != 0; }},
        {"the eraser on marks clears them",
         [&] {
             p.choisitvaleur(0);
             return p.clicgauche(a);
         },
         {true, {{200, 50}}},
         [&] { return g.getpuser(a) == 0; }},
        {"a given makes its value current",
         [&] { return p.clicgauche(donnee); },
         {true},
         [&] { return p.valeurcourante() == g.getcaseval(donnee); }},
        {"a marker",
         [&] { return p.clicpoint(4); },
         {true},
         [&] {
             return p.points() == clapartie::marqueurs{4, 0, 0};
         }},
        {"a second marker",
         [&] { return p.clicpoint(7); },
         {true},
         [&] {
             return p.points() == clapartie::marqueurs{7, 4, 0};
         }},
        {"the newest again clears them",
         [&] { return p.clicpoint(7); },
         {true},
         [&] {
             return p.points() == clapartie::marqueurs{0, 0, 0};
         }},
        {"a no to the level question",
         [&] {
             p.choisitvaleur(permise);
             p.clicgauche(a);
             const effets e = p.demandeniveau(false);
             EXPECT_EQ(e.question->pardefaut, 2);
             EXPECT_EQ(e.question->p2, "1");
             p.repond(reponsejeu::non);
             return e;
         },
         {false, {}, 16},
         // The entry, its erasure, the mark, its clearing, the entry again.
         [&] { return g.getniveauvoulu() == niveau0 && p.historique().effectif() == 5; }},
        {"a yes to the level below",
         [&] {
             p.demandeniveau(false);
             const effets e = p.repond(reponsejeu::oui);
             EXPECT_TRUE(e.niveauchange);
             return e;
         },
         {true},
         [&] {
             return g.getniveauvoulu() == niveaubas &&
                    niveauchoisi(p.parametres(), 1) == niveaubas &&
                    p.historique().effectif() == 0 && saisies(g) == 0;
         }},
    };
    for (const pas& s : ouverture) {
        verifie(s.intent(), s.effet, s.nom);
        EXPECT_TRUE(s.apres()) << s.nom;
    }
    EXPECT_NE(etat(g), depart);

    // Every empty cell filled in order; the last one congratulates.
    std::map<short, short> solution;
    ASSERT_TRUE(resous(g, solution));
    const short derniere = solution.rbegin()->first;
    for (const auto& [c, v] : solution) {
        verifie(p.choisitvaleur(v), {true}, "choice");
        const effets e = p.clicgauche(c);
        if (c != derniere) {
            verifie(e, {true}, "cell " + std::to_string(c));
            continue;
        }
        verifie(e, {true, {{800, 80}, {1200, 35}, {1600, 35}}, 6}, "the last cell");
        EXPECT_EQ(e.question->p1, "1");
        verifie(p.repond(reponsejeu::ok), {false, {}, 12}, "the offer to save");
        verifie(p.repond(reponsejeu::oui), {}, "saved");
    }
    EXPECT_TRUE(p.grillefinie());
    EXPECT_EQ(p.historique().effectif(), static_cast<short>(solution.size()));
    EXPECT_EQ(p.etatpartie().grillefinie, true);

    // The file written brings the finished grid back at its level.
    clapartie relue;
    ASSERT_TRUE(relue.litparametres(p.getfichier().c_str()));
    EXPECT_EQ(relue.parametres().grillecourante, 1);
    ASSERT_TRUE(relue.charge(relue.parametres().grillecourante).grillechargee);
    EXPECT_EQ(etat(relue.grilledessin()), etat(g));
    EXPECT_EQ(relue.grille().getniveauvoulu(), niveaubas);
    EXPECT_TRUE(relue.grillefinie());

    // Another grid and back: the grid left comes back with its history.
    const effets autre = p.demandecharger(2);
    ASSERT_TRUE(autre.question.has_value());
    EXPECT_EQ(autre.question->numero, 4);
    EXPECT_EQ(autre.question->p2, "1");
    ASSERT_TRUE(p.repond(reponsejeu::oui).grillechargee);
    EXPECT_EQ(p.parametres().grillecourante, 2);
    EXPECT_EQ(p.historique().effectif(), 0);
    EXPECT_EQ(p.demandecharger(1).question->numero, 4);
    ASSERT_TRUE(p.repond(reponsejeu::oui).grillechargee);
    EXPECT_EQ(p.historique().effectif(), static_cast<short>(solution.size()));
    EXPECT_TRUE(p.grillefinie());
    EXPECT_EQ(p.demandecharger(1).question->numero, 5) << "the grid in play again";
    EXPECT_FALSE(p.repond(reponsejeu::non).grillechargee);
}

// Every empty cell of the grid in play filled with the solver's values; the
// effects of the last entry.
effets finit(clapartie& p) {
    std::map<short, short> solution;
    EXPECT_TRUE(resous(p.grille(), solution));
    effets e;
    for (const auto& [c, v] : solution) {
        p.choisitvaleur(v);
        e = p.clicgauche(c);
    }
    return e;
}

std::int32_t datetest = 20261209;

// Finishes of grid 1, each from its givens ("F") after the help noted, with
// the chronometer at a time of the table: what the finish message says, and
// the best times kept with their dates, in the file written and read back.
TEST_F(partiesansfenetre, AFinishKeepsTheBestTimeOfItsLevelWithItsDateAndTheHelpUsed) {
    fixesourcedate([] { return datetest; });
    struct tour {
        std::vector<genreaide> aides;
        std::int32_t secondes;
        std::int32_t date;
        short langue;
        bool chrono;
        std::vector<std::string> dits; // in the finish message's second argument
        std::int32_t sansaide;         // the bests afterwards (seconds, -1 none)
        std::int32_t avecaide;
    };
    const tour table[] = {
        {{},
         300,
         20261209,
         languefrancais,
         true,
         {"Votre temps : 05mn 00s", "Nouveau record !", "Sans aide."},
         300,
         -1},
        {{},
         400,
         20261210,
         languefrancais,
         true,
         {"Votre temps : 06mn 40s", "Record \xE0 battre : 05mn 00s, le 09/12/2026"},
         300,
         -1},
        {{genreaide::indice, genreaide::remplissage, genreaide::indice},
         100,
         20261211,
         langueanglais,
         true,
         {"Your time, with help: 01m 40s", "New best time!",
          "Help used: 2 hints, 1 fill of the pencil marks"},
         300,
         100},
        {{genreaide::verification},
         90,
         20261212,
         langueanglais,
         false,
         {"The chronometer is off: no best time.", "Help used: 1 check"},
         300,
         100},
        {{}, 299, 20261213, languefrancais, true, {"Nouveau record !"}, 299, 100},
    };
    const std::string cle = p.clegrille();
    ASSERT_FALSE(cle.empty());
    const short niveau = p.grille().getniveauvoulu();
    for (const tour& t : table) {
        p.demandefixe();
        const effets f = p.repond(reponsejeu::oui);
        EXPECT_TRUE(f.repeindre);
        EXPECT_EQ(p.aidesutilisees(), aidesgrille{}) << "the help starts again with the time";
        EXPECT_EQ(p.parametres().chronos.getsec(1), 0) << "back to zero";
        claparamuser& reglages = accespartie::parametres(p);
        reglages.chronos.grille(1).ajoutsec(t.secondes);
        reglages.langue = t.langue;
        reglages.chronoaffiche = t.chrono;
        datetest = t.date;
        for (const genreaide g : t.aides) p.noteaide(g);
        const effets e = finit(p);
        ASSERT_TRUE(e.question.has_value());
        ASSERT_EQ(e.question->numero, 6);
        for (const std::string& dit : t.dits) {
            EXPECT_NE(e.question->p2.find(dit), std::string::npos) << dit << " in:\n"
                                                                   << e.question->p2;
        }
        const bool nouveau =
            e.question->p2.find(t.langue == langueanglais ? "New best" : "Nouveau record") !=
            std::string::npos;
        const auto meilleur = [&](bool aide) {
            const recordgrille* r = chercherecord(p.parametres().records, cle, niveau, aide);
            return r ? r->secondes : -1;
        };
        EXPECT_EQ(meilleur(false), t.sansaide) << t.secondes;
        EXPECT_EQ(meilleur(true), t.avecaide) << t.secondes;
        if (nouveau) {
            EXPECT_EQ(chercherecord(p.parametres().records, cle, niveau, !t.aides.empty())->date,
                      t.date);
        }
    }
    fixesourcedate(nullptr);

    // The help of the grid in play and the bests go to the file and back.
    for (const genreaide g :
         {genreaide::indice, genreaide::verification, genreaide::indice, genreaide::remplissage})
        p.noteaide(g);
    effets e;
    ASSERT_TRUE(p.sauvejeu(e));
    const std::string contenu = litfichier(p.getfichier());
    EXPECT_NE(contenu.find("\r\naid1=2,1,1\r\n"), std::string::npos) << contenu;
    EXPECT_NE(contenu.find("\r\nrec=" + std::to_string(niveau) + ",0,299,20261213," + cle + "\r\n"),
              std::string::npos)
        << contenu;
    clapartie relue;
    ASSERT_TRUE(relue.litparametres(p.getfichier().c_str()));
    EXPECT_EQ(relue.parametres().records, p.parametres().records);
    ASSERT_TRUE(relue.charge(1).grillechargee);
    EXPECT_EQ(relue.aidesutilisees(), (aidesgrille{2, 1, 1}));

    // "I" lists both bests of the level and the help used.
    gstring label;
    clagrivora::texteniv(niveau, nullptr, &label, nullptr);
    const std::string info = texterecords(relue.parametres().records, relue.clegrille(),
                                          relue.aidesutilisees(), languefrancais);
    for (const std::string& dit : {std::string("Meilleurs temps sur cette grille :"),
                                   std::string(label.adr()) + " : 04mn 59s (13/12/2026)",
                                   std::string(label.adr()) + ", avec aide : 01mn 40s (11/12/2026)",
                                   std::string("Aide utilis\xE9"
                                               "e : 2 indices, 1 v\xE9"
                                               "rification, 1 remplissage des notes")})
        EXPECT_NE(info.find(dit), std::string::npos) << dit << " in:\n" << info;

    // A level chosen starts the help again; "I" on a grid without bests.
    ASSERT_TRUE(relue.changeniveau(niveauvoisin(niveau, true, relue.niveaumax())).niveauchange);
    EXPECT_EQ(relue.parametres().chronos.getsec(1), 0);
    EXPECT_EQ(relue.aidesutilisees(), aidesgrille{});
    EXPECT_EQ(texterecords({}, "Gr9", {}, langueanglais), "No best time on this grid yet.");
}

// The answers to the quit question, with a save that works and one that
// cannot be written (message 17 names the file, then 22 asks).
TEST_F(partiesansfenetre, QuittingAsksAgainWhenTheSaveFails) {
    struct cas {
        bool ecrit;
        std::vector<reponsejeu> reponses;
        std::vector<short> questions; // after the first, 9
        bool quitter;
    };
    const std::string bon = p.getfichier();
    const std::string mauvais = dossier.fichier("absent/VORA.TXT");
    const cas table[] = {
        {true, {reponsejeu::oui}, {}, true},
        {true, {reponsejeu::non}, {}, true},
        {true, {reponsejeu::annuler}, {}, false},
        {false, {reponsejeu::oui, reponsejeu::ok, reponsejeu::non}, {17, 22}, false},
        {false, {reponsejeu::oui, reponsejeu::ok, reponsejeu::oui}, {17, 22}, true},
    };
    for (const cas& c : table) {
        p.fixefichier(c.ecrit ? bon : mauvais);
        effets e = p.demandequitter();
        ASSERT_EQ(e.question->numero, 9);
        EXPECT_EQ(e.question->choix, questionjeu::boutons::ouinonannuler);
        std::vector<short> vues;
        for (const reponsejeu r : c.reponses) {
            e = p.repond(r);
            if (e.question) vues.push_back(e.question->numero);
            if (e.question && e.question->numero == 17) {
                EXPECT_EQ(e.question->p1, mauvais);
            }
        }
        EXPECT_EQ(vues, c.questions);
        EXPECT_EQ(e.quitter, c.quitter);
    }
}

// Playing without saving (the lock could not be taken): every save says so
// (message 25) and writes nothing, the quit question then asks whether to
// quit all the same, the session's end writes nothing either, and a new
// session saves again.
TEST_F(partiesansfenetre, WithoutSavingEverySaveIsRefusedAndSaysSo) {
    const std::string f = p.getfichier();
    EXPECT_TRUE(p.enregistrementpermis());
    p.interditenregistrement();
    EXPECT_FALSE(p.enregistrementpermis());
    effets e = p.demandesauver();
    ASSERT_TRUE(e.question.has_value());
    e = p.repond(reponsejeu::oui);
    ASSERT_TRUE(e.question.has_value());
    EXPECT_EQ(e.question->numero, 25);
    EXPECT_EQ(e.question->p1, f);
    e = p.repond(reponsejeu::ok);
    e = p.demandequitter();
    std::vector<short> vues;
    for (const reponsejeu r : {reponsejeu::oui, reponsejeu::ok, reponsejeu::oui}) {
        e = p.repond(r);
        if (e.question) vues.push_back(e.question->numero);
    }
    EXPECT_EQ(vues, (std::vector<short>{25, 22}));
    EXPECT_TRUE(e.quitter);
    effets silence;
    EXPECT_FALSE(p.sauvejeu(silence, true));
    EXPECT_FALSE(silence.question.has_value());
    EXPECT_FALSE(std::filesystem::exists(f)) << "nothing written";
    p.recommence(5);
    p.fixefichier(f);
    EXPECT_TRUE(p.enregistrementpermis());
    EXPECT_TRUE(p.sauvejeu(silence, true));
    EXPECT_TRUE(std::filesystem::exists(f));
}

// Saved after every move (W): the first board seen is the file's, a change
// is written once a second has passed since the last write (the last change
// kept until then), S and quitting save without a question; off, nothing is
// written by itself.
TEST_F(partiesansfenetre, SavedAfterEveryMoveAtMostOnceASecondWithoutQuestions) {
    const std::string f = p.getfichier();
    clagrivora& g = p.grilledessin();
    const auto entre = [&] {
        for (short c = 1; c <= g.getnbcases(); ++c)
            for (short v = 1; v <= 6; ++v)
                if (g.casestvide(c) && g.isautorisee(c, v) != 0) {
                    p.choisitvaleur(v);
                    p.clicgauche(c);
                    return;
                }
    };
    const auto ecrit = [&] { return std::filesystem::exists(f) ? litfichier(f) : std::string(); };
    p.sauveauto(1000);
    entre();
    p.sauveauto(3000);
    EXPECT_EQ(ecrit(), "") << "off: nothing written";

    p.basculeoption(optionjeu::sauveauto);
    p.sauveauto(10000);
    EXPECT_EQ(ecrit(), "") << "the board the file holds";
    EXPECT_FALSE(p.sauvegardeenattente());
    entre();
    EXPECT_TRUE(p.sauvegardeenattente());
    p.sauveauto(10500);
    EXPECT_EQ(ecrit(), "") << "within a second";
    p.sauveauto(11000);
    const std::string un = ecrit();
    EXPECT_NE(un.find("\r\nauto=1\r\n"), std::string::npos) << un;
    EXPECT_NE(un.find("\r\ngv1:A="), std::string::npos) << un;
    EXPECT_FALSE(p.sauvegardeenattente());
    entre();
    p.sauveauto(11500);
    EXPECT_EQ(ecrit(), un) << "at most once a second";
    EXPECT_TRUE(p.sauvegardeenattente()) << "the change kept for later";
    p.sauveauto(12000);
    EXPECT_NE(ecrit(), un);

    entre();
    effets e = p.demandesauver();
    EXPECT_FALSE(e.question.has_value()) << "S saves at once";
    EXPECT_FALSE(p.sauvegardeenattente());
    entre();
    e = p.demandequitter();
    EXPECT_FALSE(e.question.has_value()) << "no question at quitting";
    EXPECT_TRUE(e.quitter);
    EXPECT_FALSE(p.sauvegardeenattente()) << "saved on the way out";
}

} // namespace
