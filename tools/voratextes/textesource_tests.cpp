// Tests of the texts' writer: Windows-1252 conversion, literals, the source's
// round trip, and that the game holds exactly the described texts; the
// rules pages' writer.
#include "tools/voratextes/textesource.h"

#include "shell/core/textesdonnees.h"
#include "shell/core/textesvora.h"

#include "lattice/catalogue/vodecrypte.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Versw1252, AccentsAndTypographyBecomeSingleBytes) {
    std::string out;
    std::string erreur;
    ASSERT_TRUE(
        voratextes::versw1252("d\xC3\xA9j\xC3\xA0 \xC2\xAB n\xC2\xB0 \xC2\xBB", out, erreur));
    EXPECT_EQ(out, "d\xE9j\xE0 \xAB n\xB0 \xBB");
    ASSERT_TRUE(voratextes::versw1252("\xE2\x82\xAC \xC5\x93 \xE2\x80\x99", out, erreur));
    EXPECT_EQ(out, "\x80 \x9C \x92");
    for (const char* mauvais :
         {"\xE4\xB8\xAD", "\xF0\x9F\x98\x80", "\xC3", "\xC3(", "\xC0\x80", "\xFF", "\xC2\x81"}) {
        EXPECT_FALSE(voratextes::versw1252(mauvais, out, erreur)) << mauvais;
        EXPECT_FALSE(erreur.empty());
    }
}

TEST(Litteral, PrintableAsciiStaysOtherBytesAreOctal) {
    EXPECT_EQ(voratextes::litteralcpp("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(voratextes::litteralcpp("\xE9"
                                      "1\n"),
              "\"\\3511\\012\"")
        << "three octal digits, so a following digit is not swallowed";
}

TEST(Description, TheGameHoldsEveryDescribedTextScrambled) {
    std::vector<voratextes::textecle> textes;
    std::string erreur;
    ASSERT_TRUE(voratextes::litdescription(VORA_TEXTES_DESCRIPTION, textes, erreur)) << erreur;
    ASSERT_EQ(static_cast<size_t>(nbtextesdonnees), textes.size())
        << "rewrite shell/core/textesdonnees.cpp with voratextes";
    gstring t;
    for (short i = 0; i < nbtextesdonnees; ++i) {
        EXPECT_EQ(textes[static_cast<size_t>(i)].first, textesdonnees[i].cle);
        textevora(t, textesdonnees[i].cle);
        EXPECT_EQ(textes[static_cast<size_t>(i)].second, t.adr()) << textesdonnees[i].cle;
        EXPECT_NE(textes[static_cast<size_t>(i)].second, textesdonnees[i].texte)
            << textesdonnees[i].cle << " is stored plain";
    }
}

TEST(Description, TheSourceDecodesBackToTheTexts) {
    const std::vector<voratextes::textecle> textes = {{"a", "Deux \"mots\" \xE0 \\ voir\nsuite"}};
    const std::string source = voratextes::sourcetextes(textes);
    EXPECT_NE(source.find("{\"a\", \""), std::string::npos);
    EXPECT_EQ(source.find("mots"), std::string::npos) << "no plain text in the source";
    EXPECT_NE(source.find("const short nbtextesdonnees = 1;"), std::string::npos);
}

TEST(Regles, KeysAndKindsAreChecked) {
    std::string source;
    std::string erreur;
    ASSERT_TRUE(voratextes::sourceregles(
        {{"police", "Arial"}, {"p3.en.1", "t Title"}, {"p9.fr.2", "b"}}, source, erreur))
        << erreur;
    EXPECT_NE(source.find("{3, 1, \""), std::string::npos);
    EXPECT_NE(source.find("{9, 0, \""), std::string::npos);
    EXPECT_EQ(source.find("Title"), std::string::npos) << "no plain text in the source";
    EXPECT_NE(source.find("const short nbreglesdonnees = 3;"), std::string::npos);
    for (const voratextes::textecle& mauvais :
         std::vector<voratextes::textecle>{{"p0.fr.1", "b x"},
                                           {"p10.fr.1", "b x"},
                                           {"p2.de.1", "b x"},
                                           {"q2.fr.1", "b x"},
                                           {"p2.fr.1", "x text"},
                                           {"p2.fr.1", "btext"},
                                           {"p2.fr.1", ""}}) {
        EXPECT_FALSE(voratextes::sourceregles({mauvais}, source, erreur)) << mauvais.first;
        EXPECT_FALSE(erreur.empty());
    }
}

} // namespace
