// The rules pages' texts the game holds are exactly the described lines
// (tools/voratextes/regles.txt), scrambled, page by page.
#include "render/reglesdonnees.h"

#include "tools/voratextes/textesource.h"

#include "lattice/catalogue/vodecrypte.h"

#include <gtest/gtest.h>

namespace {

TEST(Reglesdonnees, TheGameHoldsEveryDescribedLineScrambled) {
    std::vector<voratextes::textecle> textes;
    std::string erreur;
    ASSERT_TRUE(voratextes::litdescription(VORA_REGLES_DESCRIPTION, textes, erreur)) << erreur;
    ASSERT_EQ(static_cast<size_t>(nbreglesdonnees), textes.size())
        << "rewrite render/reglesdonnees.cpp with voratextes regles";
    for (short i = 0; i < nbreglesdonnees; ++i) {
        const auto& [cle, texte] = textes[static_cast<size_t>(i)];
        const std::string plain = decrypvora(reglesdonnees[i].texte);
        if (cle == "police") {
            EXPECT_EQ(plain, "p " + texte);
            EXPECT_EQ(reglesdonnees[i].page, 0);
            continue;
        }
        EXPECT_EQ(plain, texte.size() == 1 ? texte + " " : texte) << cle;
        EXPECT_EQ(reglesdonnees[i].page, cle[1] - '0') << cle;
        EXPECT_EQ(reglesdonnees[i].langue, cle.find(".en.") != std::string::npos ? 1 : 0) << cle;
        if (texte.size() > 2) {
            EXPECT_EQ(std::string(reglesdonnees[i].texte).find(texte.substr(2)), std::string::npos)
                << cle << " is stored plain";
        }
    }
}

} // namespace
