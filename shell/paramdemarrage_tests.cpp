// Scenarios of the parameter file at start-up, through the game started in
// process: a lock file's name held by something else is taken back and a
// second copy is refused; a lock that cannot be taken is told, and the game
// then plays without saving or closes, as the player chooses; a FIFO at the
// file's name neither hangs the game nor keeps it from saving; the stale
// temporary files of killed saves go; a data folder of another user is told.
#include "shell/fenetre_testing.h"

#include "shell/core/fichieratomique.h"
#include "shell/core/paramabime.h"
#include "shell/core/verrouparam.h"

#include <atomic>
#include <chrono>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace shelltest {
namespace {

namespace fs = std::filesystem;

class demarrageparam : public fenetrejeu {
protected:
    // The parameter file the game uses, in the test's directory.
    static std::string nom() {
        gstring n;
        nomfichierparam(n);
        return n.adr();
    }
    // The game ended, as between two runs.
    void arrete() {
        if (IsWindow(fenetre)) DestroyWindow(fenetre);
        peins();
        finjeu(*jeu);
        fenetre = nullptr;
    }
    // Started again; the questions asked on the way, in order.
    void redemarre() {
        questions.clear();
        fenetre = relance();
        if (fenetre != nullptr) peins();
    }
};

// The case of the issue: something at the lock file's name that the game
// cannot open as its lock. The game takes the lock in its place, so that a
// second copy is told it is held, instead of both running unlocked.
TEST_F(demarrageparam, ALockFilesNameHeldBySomethingElseIsTakenBack) {
    std::vector<std::function<void(const std::string&)>> poses = {
        [](const std::string& n) { fs::create_directory(n); },
#ifndef _WIN32
        [](const std::string& n) { fs::create_symlink("ailleurs", n); },
#endif
    };
    for (const auto& pose : poses) {
        arrete();
        fs::remove(fichierverrou(nom()));
        pose(fichierverrou(nom()));
        redemarre();
        ASSERT_NE(fenetre, nullptr);
        EXPECT_TRUE(questions.empty()) << questions[0];
        claverrouparam seconde;
        EXPECT_EQ(seconde.prendre(fichierparam()), claverrouparam::issue::occupe);
    }
    EXPECT_FALSE(fs::exists("ailleurs"));
}

// A lock that cannot be taken (files in a directory at its name) is told in
// the file's language: no closes the game writing nothing; yes plays, every
// save saying that nothing is written, and the stale temporary files stay.
TEST_F(demarrageparam, ALockThatCannotBeTakenIsToldAndThePlayerChooses) {
    arrete();
    fs::remove(fichierverrou(nom()));
    fs::create_directory(fichierverrou(nom()));
    ecrisfichier(fichierverrou(nom()) + "/garde", "");
    ecrisfichier(nom(), "ver=3.6\r\nlng=2\r\ntca=40\r\n");
    ecrisfichier(prefixetemporaire(nom()) + "abc123", "reste");
    const std::string avant = litfichier(nom());
    reponses = {IDNO};
    redemarre();
    EXPECT_EQ(fenetre, nullptr) << "no: the game closes";
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find("The lock \"" + fichierverrou(nom()) + "\" cannot be taken"),
              std::string::npos)
        << questions[0];
    EXPECT_NE(questions[0].find("Play without saving?"), std::string::npos) << questions[0];
    finjeu(*jeu);
    reponses = {IDYES};
    redemarre();
    ASSERT_NE(fenetre, nullptr) << "yes: the game plays";
    reponses = {IDYES, IDOK};
    presse(idsauver);
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_NE(questions[2].find("played without saving"), std::string::npos) << questions[2];
    EXPECT_EQ(litfichier(nom()), avant) << "nothing written";
    EXPECT_TRUE(fs::exists(prefixetemporaire(nom()) + "abc123")) << "only the holder tidies";
}

// The stale temporary files of killed saves go at the next start (only
// names of the game's own pattern); a save then leaves none behind.
TEST_F(demarrageparam, TheStaleTemporaryFilesOfKilledSavesGoAtTheNextStart) {
    arrete();
    const std::string p = prefixetemporaire(nom());
    for (const char* s : {"abc123", "ZZZ999", "q1w2e3"}) ecrisfichier(p + s, "reste");
    ecrisfichier(p + "abc12", "autre");
    ecrisfichier(nom() + ".old-abc123", "autre");
    redemarre();
    ASSERT_NE(fenetre, nullptr);
    for (const char* s : {"abc123", "ZZZ999", "q1w2e3"}) EXPECT_FALSE(fs::exists(p + s)) << s;
    EXPECT_EQ(litfichier(p + "abc12"), "autre");
    EXPECT_EQ(litfichier(nom() + ".old-abc123"), "autre");
}

#ifndef _WIN32
// A FIFO at the parameter file's name: the start does not wait on it, it is
// kept aside like a damaged file (the player told), and a save then writes a
// file in its place. (Should the start wait, a writer opened after five
// seconds lets it go on, and the test fails.)
TEST_F(demarrageparam, AFifoAtTheFilesNameNeitherHangsTheGameNorKeepsItFromSaving) {
    arrete();
    fs::remove(nom());
    ASSERT_EQ(mkfifo(nom().c_str(), 0600), 0);
    std::atomic<bool> parti{false};
    std::atomic<bool> attendu{false};
    std::thread garde([&] {
        const auto fin = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!parti && std::chrono::steady_clock::now() < fin)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        while (!parti) {
            attendu = true;
            const int w = open(nom().c_str(), O_WRONLY | O_NONBLOCK);
            if (w >= 0) close(w);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    reponses = {IDOK};
    redemarre();
    parti = true;
    garde.join();
    EXPECT_FALSE(attendu) << "the start waited on the FIFO";
    ASSERT_NE(fenetre, nullptr);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find(nomdecote(nom(), 1)), std::string::npos) << questions[0];
    struct stat s {};
    ASSERT_EQ(lstat(nomdecote(nom(), 1).c_str(), &s), 0);
    EXPECT_TRUE(S_ISFIFO(s.st_mode)) << "kept aside as it was";
    reponses = {IDYES};
    presse(idsauver);
    EXPECT_TRUE(fs::is_regular_file(nom()));
    EXPECT_FALSE(fichierabime(nom()));
}

// A data folder of another user (only the administrator can make one): the
// player is told, and no closes the game without writing there.
TEST_F(demarrageparam, ADataFolderOfAnotherUserIsTold) {
    if (geteuid() != 0) GTEST_SKIP() << "needs the administrator";
    arrete();
    fs::remove(nom());
    const std::string donnees = fichierdonnees();
    fs::create_directories(fs::path(donnees).parent_path());
    ASSERT_EQ(chown(fs::path(donnees).parent_path().c_str(), 4242, 4242), 0);
    reponses = {IDNO};
    redemarre();
    EXPECT_EQ(fenetre, nullptr);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find("n'est pas s\xFBr"), std::string::npos) << questions[0];
    EXPECT_FALSE(fs::exists(fichierverrou(donnees)));
    finjeu(*jeu);
}
#endif

} // namespace
} // namespace shelltest
