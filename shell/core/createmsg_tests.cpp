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

TEST(Createmsg, EveryMessageExistsInBothLanguages) {
    for (short n = 2; n <= nbmessages; ++n) {
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
    EXPECT_EQ(msg(4, langueanglais, "3", ""), "Load Grid #3 ?");
    EXPECT_EQ(msg(4, languefrancais, "3", ""), "Charger la grille n\xB0"
                                               "3 ?");
    EXPECT_EQ(msg(4, langueanglais, "3", "1"),
              "Load Grid #3 ?\n\nGrid #1 stays in memory as you leave it.");
    // The reload question's plain pieces, then what the reload keeps.
    EXPECT_EQ(msg(5, langueanglais, "2"),
              "Grid #2 is already in use.\n\nReload grid #2 ?\nYour entries, pencil marks, undo "
              "history and time are kept.");
    EXPECT_EQ(msg(5, languefrancais, "2")
                  .rfind("La grille n\xB0"
                         "2 est d\xE9j\xE0 en cours.\n\nRecharger la grille n\xB0"
                         "2 ?\n",
                         0),
              0u);
    EXPECT_EQ(msg(7, langueanglais, "1251-1", "24"), "Grid: 1251-1\n24 cells.");
    EXPECT_EQ(msg(7, languefrancais, "1251-1", "24"), "Grille 1251-1\n24 cases.");
    EXPECT_EQ(msg(10, languefrancais).rfind("Retour valeurs fixes?\n", 0), 0u);
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
        const std::string bravo = msg(6, langue, "4");
        EXPECT_NE(bravo.find('4'), std::string::npos);
        EXPECT_EQ(bravo.substr(bravo.size() - 14), "\n*** BRAVO ***");
        const std::string niveau = msg(16, langue, "5-difficile", "2");
        EXPECT_NE(niveau.find("5-difficile"), std::string::npos);
        EXPECT_NE(niveau.find('2'), std::string::npos);
        EXPECT_NE(msg(17, langue, "V-O-RA 110.TXT").find("V-O-RA 110.TXT"), std::string::npos);
        EXPECT_NE(msg(3, langue, "", "", true), msg(3, langue, "", "", false))
            << "round cells have their own piece";
    }
    EXPECT_NE(msg(17, languefrancais, "f.txt").find("\xAB f.txt \xBB"), std::string::npos);
    EXPECT_NE(msg(17, langueanglais, "f.txt").find("\"f.txt\""), std::string::npos);
}

TEST(Createmsg, UnknownNumbersAndLanguages) {
    for (short n : {short(-1), short(0), short(1), short(18), short(32767)})
        EXPECT_EQ(msg(n, langueanglais), "") << n;
    EXPECT_EQ(msg(11, 7), msg(11, languefrancais)) << "any other language flag is French";
    gstring t("x");
    createmsg(&t, 4, langueanglais);
    EXPECT_EQ(std::string(t.adr()), "Load Grid # ?") << "missing arguments count as empty";
    createmsg(nullptr, 4, langueanglais);
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
