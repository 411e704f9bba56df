// Tests of the parameter file's access at start-up: the lock taken, a lock
// held by another copy, a lock that cannot be taken, a data folder that
// cannot be trusted; and the tidying of the copy that holds the lock.
#include "shell/core/accesparam.h"
#include "shell/core/fichieratomique.h"
#include "shell/core/paramabime.h"
#include "shell/core/paramuser_testing.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using genre = accesparam::genre;

TEST(Accedeparam, TheLockTakenHeldElsewhereOrImpossible) {
    dossiertemporaire d;
    const std::string f = d.fichier("vora/P.TXT");
    claverrouparam v;
    const accesparam seul = accedeparam(f, v);
    EXPECT_EQ(seul.g, genre::seul);
    EXPECT_TRUE(fs::is_directory(d.fichier("vora"))) << "the folder made";
    claverrouparam autre;
    EXPECT_EQ(accedeparam(f, autre).g, genre::occupe);
    // Files in a directory at the lock's name: nothing the game may remove.
    const std::string h = d.fichier("vora/Q.TXT");
    fs::create_directory(fichierverrou(h));
    ecrisfichier(fichierverrou(h) + "/x", "x");
    const accesparam impossible = accedeparam(h, autre);
    EXPECT_EQ(impossible.g, genre::sansverrou);
    EXPECT_EQ(impossible.objet, fichierverrou(h));
#ifndef _WIN32
    // A data folder of another user: not even its lock is tried.
    if (geteuid() == 0) {
        const std::string g = d.fichier("autre/P.TXT");
        fs::create_directory(d.fichier("autre"));
        ASSERT_EQ(chown(d.fichier("autre").c_str(), 4242, 4242), 0);
        const accesparam etranger = accedeparam(g, autre);
        EXPECT_EQ(etranger.g, genre::dossiernonsur);
        EXPECT_EQ(etranger.objet, d.fichier("autre"));
        EXPECT_FALSE(fs::exists(fichierverrou(g)));
    }
#endif
}

TEST(Rangeparam, StaleTemporaryFilesGoAndADamagedFileIsKeptAside) {
    dossiertemporaire d;
    const std::string f = d.fichier("P.TXT");
    std::string aside;
    EXPECT_EQ(rangeparam(f, aside), 0) << "no file";
    ecrisfichier(prefixetemporaire(f) + "abc123", "reste");
    ecrisfichier(f, "ver=3.6\r\ngri=2\r\n");
    EXPECT_EQ(rangeparam(f, aside), 0);
    EXPECT_FALSE(fs::exists(prefixetemporaire(f) + "abc123"));
    ecrisfichier(f, std::string("ver=3.6\r\n\0", 10));
    EXPECT_EQ(rangeparam(f, aside), 19);
    EXPECT_EQ(aside, nomdecote(f, 1));
    EXPECT_FALSE(fs::exists(f));
}

} // namespace
