// Tests of the atomic file replacement: new and replaced files, failures that
// leave the old file whole, links planted at the temporary names, the
// permissions kept, the rename that never replaces, and the cleaning of the
// temporary files that killed saves leave.
#include "shell/core/fichieratomique.h"
#include "shell/core/paramuser_testing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
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

TEST(Nettoietemporaires, OnlyTheGamesOwnStaleTemporaryFilesGo) {
    const struct {
        const char* nom;
        bool temporaire;
    } noms[] = {
        {"P.TXT.new-a1B2c3", true},
        {"P.TXT.new-ZZZZZZ", true},
        {"P.TXT.new-000000", true},
        {"P.TXT.new-a1B2c", false},
        {"P.TXT.new-a1B2c34", false},
        {"P.TXT.new-a1.2c3", false},
        {"P.TXT.new-a1 2c3", false},
        {"P.TXT.new-\xE9"
         "bcdef",
         false},
        {"Q.TXT.new-a1b2c3", false},
        {"xP.TXT.new-a1b2c3", false},
        {"P.TXT.new-", false},
        {"P.TXT", false},
        {"P.TXT.lock", false},
        {"P.TXT.old-a1b2c3", false},
    };
    for (const auto& n : noms) EXPECT_EQ(nomtemporaire("P.TXT", n.nom), n.temporaire) << n.nom;

    dossiertemporaire d;
    const std::string f = d.fichier("P.TXT");
    for (const char* nom : {"P.TXT", "P.TXT.lock", "P.TXT.new-abc12", "Q.TXT.new-abc123",
                            "P.TXT.new-abc123", "P.TXT.new-ZZZ999", "P.TXT.new-tenu00"})
        ecrisfichier(d.fichier(nom), nom);
    fs::create_directory(d.fichier("P.TXT.new-dossie"));
    {
        // A save writing its temporary file holds it.
#ifdef _WIN32
        std::ifstream tenu(d.fichier("P.TXT.new-tenu00"));
#else
        const int tenu = open(d.fichier("P.TXT.new-tenu00").c_str(), O_RDONLY);
        ASSERT_GE(tenu, 0);
        ASSERT_EQ(flock(tenu, LOCK_EX), 0);
        fs::create_symlink(d.fichier("cible"), d.fichier("P.TXT.new-lien00"));
        ecrisfichier(d.fichier("cible"), "cible");
        if (geteuid() == 0) {
            ecrisfichier(d.fichier("P.TXT.new-autre0"), "autre");
            ASSERT_EQ(chown(d.fichier("P.TXT.new-autre0").c_str(), 4242, 4242), 0);
        }
#endif
        EXPECT_EQ(nettoietemporaires(f), 2);
#ifndef _WIN32
        close(tenu);
#endif
    }
    EXPECT_FALSE(fs::exists(d.fichier("P.TXT.new-abc123")));
    EXPECT_FALSE(fs::exists(d.fichier("P.TXT.new-ZZZ999")));
    for (const char* nom :
         {"P.TXT", "P.TXT.lock", "P.TXT.new-abc12", "Q.TXT.new-abc123", "P.TXT.new-tenu00"})
        EXPECT_EQ(litfichier(d.fichier(nom)), nom) << nom;
    EXPECT_TRUE(fs::is_directory(d.fichier("P.TXT.new-dossie")));
#ifndef _WIN32
    EXPECT_TRUE(fs::is_symlink(d.fichier("P.TXT.new-lien00")));
    EXPECT_EQ(litfichier(d.fichier("cible")), "cible");
    if (geteuid() == 0) {
        EXPECT_TRUE(fs::exists(d.fichier("P.TXT.new-autre0")));
    }
#endif
    EXPECT_EQ(nettoietemporaires(f), 1) << "the file no longer held";
    EXPECT_EQ(nettoietemporaires(d.fichier("absent/P.TXT")), 0);
}

} // namespace
