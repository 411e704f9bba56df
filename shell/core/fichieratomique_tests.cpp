// Tests of the atomic file replacement: new and replaced files, and failures
// that leave the old file whole.
#include "shell/core/fichieratomique.h"
#include "shell/core/paramuser_testing.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(Remplacefichier, CreatesThenReplacesWithoutLeavingTheTemporaryFile) {
    dossiertemporaire d;
    const std::string f = d.fichier("P.TXT");
    ASSERT_TRUE(remplacefichier(f, "un\r\n"));
    EXPECT_EQ(litfichier(f), "un\r\n");
    const std::string gros(3 << 20, 'x');
    ASSERT_TRUE(remplacefichier(f, gros));
    EXPECT_EQ(litfichier(f), gros);
    ASSERT_TRUE(remplacefichier(f, ""));
    EXPECT_EQ(litfichier(f), "");
    EXPECT_FALSE(std::filesystem::exists(fichiertemporaire(f)));
}

TEST(Remplacefichier, AFailureKeepsTheOldFileWhole) {
    dossiertemporaire d;
    const std::string f = d.fichier("P.TXT");
    ASSERT_TRUE(remplacefichier(f, "ancien\r\n"));
    // The temporary file cannot be created: a directory holds its name.
    std::filesystem::create_directories(fichiertemporaire(f) + "/occupe");
    EXPECT_FALSE(remplacefichier(f, "nouveau\r\n"));
    EXPECT_EQ(litfichier(f), "ancien\r\n");
    EXPECT_TRUE(std::filesystem::is_directory(fichiertemporaire(f)))
        << "what it did not create is not removed";
}

TEST(Remplacefichier, ATargetThatCannotBeReplacedIsReportedAndCleanedUp) {
    dossiertemporaire d;
    const std::string f = d.fichier("dossier");
    std::filesystem::create_directories(f + "/dedans");
    EXPECT_FALSE(remplacefichier(f, "texte"));
    EXPECT_TRUE(std::filesystem::is_directory(f + "/dedans"));
    EXPECT_FALSE(std::filesystem::exists(fichiertemporaire(f)));
    EXPECT_FALSE(remplacefichier(d.fichier("absent/P.TXT"), "texte"))
        << "a directory that does not exist";
}

} // namespace
