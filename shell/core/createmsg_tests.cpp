// Tests of the numbered messages: every message in both languages, the plain
// pieces and arguments in place, unknown numbers empty.
#include "shell/core/createmsg.h"
#include "shell/core/textesvora.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

std::string msg(short n, short langue, const char* a = "3", const char* b = "24",
                bool ronds = false) {
    gstring t;
    createmsg(&t, n, langue, a, b, ronds);
    return t.adr();
}

// The messages of this game; the numbers between them belong to none yet.
constexpr short numeros[] = {2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                             16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 27, 28, 29};

TEST(Createmsg, EveryMessageExistsInBothLanguages) {
    for (short n : numeros) {
        const std::string fr = msg(n, languefrancais);
        const std::string en = msg(n, langueanglais);
        EXPECT_GE(fr.size(), 10u) << n;
        EXPECT_GE(en.size(), 10u) << n;
        EXPECT_NE(fr, en) << n;
        for (const std::string& t : {fr, en}) {
            EXPECT_EQ(t.find("zuk"), std::string::npos) << n << ": a token left";
            EXPECT_EQ(t.find("  "), std::string::npos) << n << ": a double blank";
            EXPECT_NE(t.back(), ' ') << n;
            for (char ch : t) {
                const auto c = static_cast<unsigned char>(ch);
                EXPECT_TRUE(c == '\n' || (c >= 0x20 && c != 0x7F && c != 0x81 && c != 0x8D &&
                                          c != 0x8F && c != 0x90 && c != 0x9D))
                    << n << ": byte " << int(c) << " is no Windows-1252 character";
            }
        }
    }
}

TEST(Createmsg, PlainPiecesAndArguments) {
    EXPECT_EQ(msg(4, langueanglais, "3", ""), "Load grid #3?");
    EXPECT_EQ(msg(4, languefrancais, "3", ""), "Charger la grille n\xB0"
                                               "3 ?");
    EXPECT_EQ(msg(4, langueanglais, "3", "1"),
              "Load grid #3?\n\nGrid #1 stays in memory as you leave it.");
    // The reload question's plain pieces, then what the reload keeps.
    EXPECT_EQ(msg(5, langueanglais, "2"),
              "Grid #2 is already in use.\n\nReload grid #2?\nYour entries, pencil marks, undo "
              "history and time are kept.");
    EXPECT_EQ(msg(5, languefrancais, "2")
                  .rfind("La grille n\xB0"
                         "2 est d\xE9j\xE0 en cours.\n\nRecharger la grille n\xB0"
                         "2 ?\n",
                         0),
              0u);
    EXPECT_EQ(msg(7, langueanglais, "2", "3-medium"), "Grid #2\nLevel: 3-medium");
    EXPECT_EQ(msg(7, languefrancais, "2", "3-moyen"), "Grille n\xB0"
                                                      "2\nNiveau : 3-moyen");
    EXPECT_EQ(msg(26, langueanglais, "12", "24"), "Cells filled: 12 of 24");
    EXPECT_EQ(msg(21, langueanglais, "/h/V.TXT"), "Saved games file: /h/V.TXT");
    EXPECT_EQ(msg(27, languefrancais, "02mn 04s"), "Temps pass\xE9 sur cette grille : 02mn 04s");
    EXPECT_EQ(msg(28, langueanglais, "2", "5"),
              "Page 2/5. OK: next page, Cancel: back to the game.");
    EXPECT_EQ(msg(29, languefrancais, "5", "5"), "Page 5/5. OK : retour au jeu.");
    EXPECT_EQ(msg(10, languefrancais)
                  .rfind("Revenir aux valeurs donn\xE9"
                         "es ?\n",
                         0),
              0u);
    // The questions that can drop play say what happens to it.
    EXPECT_NE(msg(9, langueanglais).find("No: the game closes without saving"), std::string::npos);
    EXPECT_NE(msg(10, langueanglais).find("time set back to zero"), std::string::npos);
    EXPECT_NE(msg(16, langueanglais).find("undo history"), std::string::npos);
    for (short langue : {languefrancais, langueanglais}) {
        const std::string quitter = msg(9, langue);
        EXPECT_EQ(std::count(quitter.begin(), quitter.end(), '\n'), 3) << langue;
        EXPECT_GE(msg(22, langue).size(), 40u) << langue;
        EXPECT_NE(msg(22, langue), msg(22, static_cast<short>(1 - langue)));
    }
    for (short langue : {languefrancais, langueanglais}) {
        const std::string bravo = msg(6, langue, "4", "");
        EXPECT_NE(bravo.find('4'), std::string::npos);
        EXPECT_EQ(bravo.substr(bravo.size() - 14), "\n*** BRAVO ***");
        EXPECT_EQ(msg(6, langue, "4", "Time"), bravo + "\n\nTime") << "the time follows";
        const std::string niveau = msg(16, langue, "5-difficile", "2");
        EXPECT_NE(niveau.find("5-difficile"), std::string::npos);
        EXPECT_NE(niveau.find('2'), std::string::npos);
        EXPECT_NE(msg(17, langue, "V-O-RA 110.TXT").find("V-O-RA 110.TXT"), std::string::npos);
        for (short n : {short(18), short(19), short(20)})
            EXPECT_NE(msg(n, langue, "V-O-RA 110.TXT").find("V-O-RA 110.TXT"), std::string::npos)
                << n;
        EXPECT_NE(msg(19, langue, "a", "V-O-RA 110.damaged-3.TXT").find("damaged-3"),
                  std::string::npos)
            << "the name the file is kept under";
        EXPECT_NE(msg(3, langue, "", "", true), msg(3, langue, "", "", false))
            << "round cells have their own piece";
    }
    EXPECT_NE(msg(17, languefrancais, "f.txt").find("\xAB f.txt \xBB"), std::string::npos);
    EXPECT_NE(msg(17, langueanglais, "f.txt").find("\"f.txt\""), std::string::npos);
}

// The help pages of "I" give the keyboard's way beside the mouse's: each
// page names its keys, in each language's words.
TEST(Createmsg, TheInformationPagesNameTheKeys) {
    const struct {
        short numero;
        const char* francais;
        const char* anglais;
    } cas[] = {
        {14, "Ctrl+Z", "Ctrl+Z"}, {14, "Suppr", "Delete"},      {14, "Espace", "Space"},
        {3, "Maj+1", "Shift+1"},  {13, "Maj+F10", "Shift+F10"}, {13, "F1", "F1"},
    };
    for (const auto& c : cas) {
        EXPECT_NE(msg(c.numero, languefrancais).find(c.francais), std::string::npos)
            << c.numero << " " << c.francais;
        EXPECT_NE(msg(c.numero, langueanglais).find(c.anglais), std::string::npos)
            << c.numero << " " << c.anglais;
    }
}

TEST(Createmsg, UnknownNumbersAndLanguages) {
    for (short n : {short(-1), short(0), short(1), short(nbmessages + 1), short(32767)})
        EXPECT_EQ(msg(n, langueanglais), "") << n;
    EXPECT_EQ(msg(11, 7), msg(11, languefrancais)) << "any other language flag is French";
    gstring t("x");
    createmsg(&t, 4, langueanglais);
    EXPECT_EQ(std::string(t.adr()), "Load grid #?") << "missing arguments count as empty";
    createmsg(nullptr, 4, langueanglais);
}

// Each language's typography over every message, whatever its arguments: a
// blank before "?", "!", ":" and ";" in French (and never a line starting
// with one), none in English; the English texts are plain ASCII, so no French
// letter or sign slips into them.
TEST(Createmsg, EachLanguageKeepsItsTypography) {
    const struct {
        const char* a;
        const char* b;
    } arguments[] = {{"3", "24"}, {"1h 02m", "7-diabolic"}};
    for (short n = 1; n <= nbmessages; ++n)
        for (const auto& arg : arguments)
            for (bool ronds : {false, true}) {
                const std::string fr = msg(n, languefrancais, arg.a, arg.b, ronds);
                const std::string en = msg(n, langueanglais, arg.a, arg.b, ronds);
                for (std::size_t i = 0; i < fr.size(); ++i) {
                    if (std::string("?!:;").find(fr[i]) == std::string::npos) continue;
                    EXPECT_TRUE(i > 0 && fr[i - 1] == ' ') << n << ": \"" << fr << "\" at " << i;
                }
                for (std::size_t i = 0; i < en.size(); ++i) {
                    const auto c = static_cast<unsigned char>(en[i]);
                    EXPECT_LT(c, 0x80) << n << ": \"" << en << "\" at " << i;
                    if (std::string("?!:;").find(en[i]) == std::string::npos) continue;
                    EXPECT_TRUE(i > 0 && en[i - 1] != ' ' && en[i - 1] != '\n')
                        << n << ": \"" << en << "\" at " << i;
                }
            }
}

TEST(Titre, TheProgramTitleEndsWithTheVersion) {
    gstring t;
    titreprogramme(t);
    EXPECT_STREQ(t.adr(), "V-O-RA 110");
    textevora(t, "pas de cle");
    EXPECT_TRUE(t.isempty());
    textevora(t, "commentaire");
    EXPECT_EQ(std::string(t.adr()).find('='), std::string::npos) << "the comment line holds no key";
}

} // namespace
