// Tests of the atomic file replacement: new and replaced files, failures that
// leave the old file whole, links planted at the temporary names, the
// permissions kept, and the rename that never replaces.
#include "shell/core/fichieratomique.h"
#include "shell/core/paramuser_testing.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;

// The temporary files of path left in its directory.
int restes(const std::string& path) {
    const std::string prefixe = fs::path(prefixetemporaire(path)).filename().string();
    int n = 0;
    for (const auto& e : fs::directory_iterator(fs::path(path).parent_path()))
        if (e.path().filename().string().rfind(prefixe, 0) == 0) ++n;
    return n;
}

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
    EXPECT_EQ(restes(f), 0);
}

TEST(Remplacefichier, AFailureKeepsTheOldFileWhole) {
    dossiertemporaire d;
    const std::string f = d.fichier("P.TXT");
    ASSERT_TRUE(remplacefichier(f, "ancien\r\n"));
    // What used to block the save (a directory at the old fixed temporary
    // name) blocks nothing now.
    fs::create_directories(f + ".new/occupe");
    ASSERT_TRUE(remplacefichier(f, "nouveau\r\n"));
    ASSERT_TRUE(remplacefichier(f, "ancien\r\n"));
    {
        // A full disk, or (Windows) an editor holding the file open.
        const echececriture echec(f);
        EXPECT_FALSE(remplacefichier(f, std::string(100000, 'n')));
    }
    EXPECT_EQ(litfichier(f), "ancien\r\n");
    EXPECT_EQ(restes(f), 0) << "the half-written temporary file is removed";
    EXPECT_TRUE(fs::is_directory(f + ".new")) << "what it did not create is not removed";
}

TEST(Remplacefichier, ATargetThatCannotBeReplacedIsReportedAndCleanedUp) {
    dossiertemporaire d;
    const std::string f = d.fichier("dossier");
    fs::create_directories(f + "/dedans");
    EXPECT_FALSE(remplacefichier(f, "texte"));
    EXPECT_TRUE(fs::is_directory(f + "/dedans"));
    EXPECT_EQ(restes(f), 0);
    EXPECT_FALSE(remplacefichier(d.fichier("absent/P.TXT"), "texte"))
        << "a directory that does not exist";
}

#ifndef _WIN32
// In a shared directory, links planted at the temporary names (the old fixed
// one and a few of the new form) never lead the save into another file.
TEST(Remplacefichier, LinksPlantedBesideAreNeverFollowed) {
    dossiertemporaire d;
    const std::string f = d.fichier("P.TXT");
    const std::string victime = d.fichier("victime");
    ecrisfichier(victime, "intouchable");
    fs::permissions(victime, fs::perms::owner_read | fs::perms::owner_write);
    const std::vector<std::string> liens = {f + ".new", prefixetemporaire(f) + "XXXXXX",
                                            prefixetemporaire(f) + "000000"};
    for (const std::string& l : liens) fs::create_symlink(victime, l);
    for (int k = 0; k < 20; ++k) ASSERT_TRUE(remplacefichier(f, "partie " + std::to_string(k)));
    EXPECT_EQ(litfichier(victime), "intouchable");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(f))) << "the file is no link";
    EXPECT_EQ(litfichier(f), "partie 19");
    for (const std::string& l : liens) EXPECT_TRUE(fs::is_symlink(l)) << l;
}

// The replaced file keeps its permissions; a new one takes those the umask
// gives, not the private ones of a temporary file.
TEST(Remplacefichier, PermissionsAreKept) {
    dossiertemporaire d;
    const mode_t avant = umask(022);
    const std::string f = d.fichier("P.TXT");
    ASSERT_TRUE(remplacefichier(f, "un"));
    EXPECT_EQ(fs::status(f).permissions(), fs::perms(0644));
    for (const int droits : {0600, 0640, 0664}) {
        fs::permissions(f, fs::perms(droits));
        ASSERT_TRUE(remplacefichier(f, "deux"));
        EXPECT_EQ(fs::status(f).permissions(), fs::perms(droits)) << std::oct << droits;
    }
    umask(avant);
}
#endif

// Renaming aside never replaces what holds the new name: a file, a directory
// or a link (even one that leads nowhere).
TEST(Renommesansecraser, NeverReplaces) {
    dossiertemporaire d;
    const std::string source = d.fichier("abime");
    const std::string fichier = d.fichier("fichier");
    const std::string dossier = d.fichier("dossier");
    ecrisfichier(fichier, "premier");
    fs::create_directory(dossier);
    std::vector<std::string> occupes = {fichier, dossier};
#ifndef _WIN32
    const std::string lien = d.fichier("lien");
    fs::create_symlink(d.fichier("nulle part"), lien);
    occupes.push_back(lien);
#endif
    ecrisfichier(source, "contenu");
    for (const std::string& o : occupes) {
        EXPECT_FALSE(renommesansecraser(source, o)) << o;
        EXPECT_EQ(litfichier(source), "contenu") << o;
    }
    EXPECT_EQ(litfichier(fichier), "premier");
    EXPECT_TRUE(fs::is_empty(dossier));
    const std::string libre = d.fichier("libre");
    ASSERT_TRUE(renommesansecraser(source, libre));
    EXPECT_FALSE(fs::exists(source));
    EXPECT_EQ(litfichier(libre), "contenu");
    EXPECT_FALSE(renommesansecraser(source, d.fichier("autre"))) << "no source";
}

} // namespace
