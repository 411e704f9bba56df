// The command line's requests, the help's and the version's texts in both
// languages, and the console's UTF-8.
#include "shell/core/lignecommande.h"

#include "shell/core/createmsg.h"
#include "shell/core/versionvora.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

TEST(lignecommande, requests) {
    const struct {
        const char* ligne;
        demandeligne d;
    } cas[] = {
        {"", demandeligne::jouer},
        {"  \t ", demandeligne::jouer},
        {"--help", demandeligne::aide},
        {"-h", demandeligne::aide},
        {"/?", demandeligne::aide},
        {"  --help ", demandeligne::aide},
        {"--version", demandeligne::version},
        {"--Version", demandeligne::inconnue},
        {"--help --version", demandeligne::inconnue},
        {"--helpme", demandeligne::inconnue},
        {"-v", demandeligne::inconnue},
        {"grille.txt", demandeligne::inconnue},
    };
    for (const auto& c : cas) EXPECT_EQ(lisligne(c.ligne), c.d) << '"' << c.ligne << '"';
}

// Every line ends with "\n" and fits a terminal of 80 columns; the help
// names both options, differs between the languages and follows an unknown
// request's line, which names what was given.
TEST(lignecommande, textsInBothLanguages) {
    for (short langue : {languefrancais, langueanglais}) {
        const std::string aide = texteligne(demandeligne::aide, "--help", langue);
        EXPECT_NE(aide.find("--help"), std::string::npos);
        EXPECT_NE(aide.find("--version"), std::string::npos);
        for (demandeligne d : {demandeligne::aide, demandeligne::version, demandeligne::inconnue}) {
            const std::string t = texteligne(d, " -x ", langue);
            ASSERT_FALSE(t.empty());
            EXPECT_EQ(t.back(), '\n');
            std::istringstream lignes(t);
            for (std::string l; std::getline(lignes, l);) EXPECT_LE(l.size(), 80u) << l;
        }
        const std::string inconnue = texteligne(demandeligne::inconnue, " -x ", langue);
        EXPECT_EQ(inconnue,
                  std::string(langue == langueanglais ? "vora: unknown option \"-x\""
                                                      : "vora : option inconnue \xAB -x \xBB") +
                      "\n" + aide);
        EXPECT_EQ(texteligne(demandeligne::version, "--version", langue),
                  std::string("V-O-RA ") + versionvora + "\n");
    }
    EXPECT_NE(texteligne(demandeligne::aide, "", languefrancais),
              texteligne(demandeligne::aide, "", langueanglais));
    EXPECT_EQ(texteligne(demandeligne::jouer, "", langueanglais), "");
}

} // namespace
