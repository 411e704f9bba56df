// Tests of the parameter file's lock: one holder at a time (within a process
// and, on Linux, between processes, also when they start together on a
// planted link), given back when the holder goes or its process dies, taken
// in place of whatever else holds its name, never through a link.
#include "shell/core/paramuser_testing.h"
#include "shell/core/verrouparam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using issue = claverrouparam::issue;

TEST(Verrouparam, OneHolderAtATime) {
    dossiertemporaire d;
    const std::string f = d.fichier("P.TXT");
    EXPECT_EQ(fichierverrou(f), f + ".lock");
    claverrouparam premier;
    ASSERT_EQ(premier.prendre(f), issue::tenu);
    EXPECT_TRUE(std::filesystem::exists(fichierverrou(f)));
    EXPECT_FALSE(std::filesystem::exists(f)) << "the parameter file itself is not made";
    {
        claverrouparam second;
        EXPECT_EQ(second.prendre(f), issue::occupe);
        EXPECT_EQ(second.prendre(f), issue::occupe) << "asking again changes nothing";
        claverrouparam ailleurs;
        EXPECT_EQ(ailleurs.prendre(d.fichier("Q.TXT")), issue::tenu) << "another file";
    }
    EXPECT_EQ(premier.prendre(f), issue::tenu) << "taking it again: given back, then taken";
    premier.rendre();
    claverrouparam apres;
    EXPECT_EQ(apres.prendre(f), issue::tenu) << "given back";
}

// Whatever else holds the lock file's name is removed and the lock taken,
// so that a second holder is refused: nothing is ever taken for a lock that
// is not needed, and no link is followed.
TEST(Verrouparam, WhatElseHoldsTheLocksNameIsReplacedNeverFollowed) {
    namespace fs = std::filesystem;
    dossiertemporaire d;
    const std::string cible = d.fichier("cible");
    ecrisfichier(cible, "la cible");
    const struct {
        const char* quoi;
        std::function<void(const std::string&)> pose;
    } cas[] = {
        {"an empty directory", [](const std::string& n) { fs::create_directory(n); }},
#ifdef _WIN32
        {"a read-only file",
         [](const std::string& n) {
             ecrisfichier(n, "");
             fs::permissions(n, fs::perms::owner_read, fs::perm_options::replace);
         }},
#else
        {"a link to a file", [&](const std::string& n) { fs::create_symlink(cible, n); }},
        {"a link leading nowhere",
         [&](const std::string& n) { fs::create_symlink(d.fichier("nulle part"), n); }},
        {"a link to a directory",
         [&](const std::string& n) { fs::create_directory_symlink(d.fichier(""), n); }},
        {"a FIFO", [](const std::string& n) { ASSERT_EQ(mkfifo(n.c_str(), 0600), 0); }},
#endif
    };
    int k = 0;
    for (const auto& c : cas) {
        const std::string f = d.fichier("P" + std::to_string(++k) + ".TXT");
        c.pose(fichierverrou(f));
        claverrouparam v;
        EXPECT_EQ(v.prendre(f), issue::tenu) << c.quoi;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(fichierverrou(f)))) << c.quoi;
        claverrouparam second;
        EXPECT_EQ(second.prendre(f), issue::occupe) << c.quoi;
    }
    EXPECT_EQ(litfichier(cible), "la cible") << "a link's target is left alone";
    EXPECT_FALSE(fs::exists(d.fichier("nulle part"))) << "nothing made where a link leads";
#ifndef _WIN32
    // A file of another user: replaced by one of the user (only the
    // administrator can make one to try).
    if (geteuid() == 0) {
        const std::string f = d.fichier("Autre.TXT");
        ecrisfichier(fichierverrou(f), "");
        ASSERT_EQ(chown(fichierverrou(f).c_str(), 4242, 4242), 0);
        claverrouparam v;
        EXPECT_EQ(v.prendre(f), issue::tenu);
        struct stat s {};
        ASSERT_EQ(stat(fichierverrou(f).c_str(), &s), 0);
        EXPECT_EQ(s.st_uid, geteuid());
    }
#endif
}

// A lock file that cannot be made is said so, holding nothing: a directory
// with files at its name (they are left), a folder that does not exist.
TEST(Verrouparam, ALockThatCannotBeMadeIsSaidSo) {
    namespace fs = std::filesystem;
    dossiertemporaire d;
    const std::string f = d.fichier("P.TXT");
    fs::create_directory(fichierverrou(f));
    ecrisfichier(fichierverrou(f) + "/garde", "garde");
    claverrouparam v;
    EXPECT_EQ(v.prendre(f), issue::impossible);
    EXPECT_EQ(litfichier(fichierverrou(f) + "/garde"), "garde");
    EXPECT_EQ(v.prendre(d.fichier("absent/P.TXT")), issue::impossible);
}

#ifndef _WIN32
// Another process holds the lock until it dies, killed without a chance to
// clean up: no stale lock is left.
TEST(Verrouparam, AnotherProcessHoldsItUntilItDies) {
    dossiertemporaire d;
    const std::string f = d.fichier("P.TXT");
    int tube[2];
    ASSERT_EQ(pipe(tube), 0);
    const pid_t enfant = fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        claverrouparam v;
        const char r = v.prendre(f) == issue::tenu ? 'T' : 'X';
        if (write(tube[1], &r, 1) != 1) _exit(1);
        for (;;) pause();
    }
    close(tube[1]);
    char r = 0;
    ASSERT_EQ(read(tube[0], &r, 1), 1);
    close(tube[0]);
    EXPECT_EQ(r, 'T');
    claverrouparam v;
    EXPECT_EQ(v.prendre(f), issue::occupe);
    kill(enfant, SIGKILL);
    waitpid(enfant, nullptr, 0);
    EXPECT_EQ(v.prendre(f), issue::tenu);
}
#endif

#ifndef _WIN32
// Copies started together on a planted link: the one that repairs the
// name holds the lock, and every other is told it is held, never both
// holding.
TEST(Verrouparam, CopiesStartingTogetherOnAPlantedLinkHoldItOneAtATime) {
    constexpr int copies = 6;
    for (int tour = 0; tour < 20; ++tour) {
        dossiertemporaire d;
        const std::string f = d.fichier("P.TXT");
        std::filesystem::create_symlink(d.fichier("ailleurs"), fichierverrou(f));
        int depart[2];
        int reponses[2];
        ASSERT_EQ(pipe(depart), 0);
        ASSERT_EQ(pipe(reponses), 0);
        std::vector<pid_t> enfants;
        for (int i = 0; i < copies; ++i) {
            const pid_t p = fork();
            ASSERT_GE(p, 0);
            if (p == 0) {
                close(depart[1]);
                char c = 0;
                // Every copy waits for the start, then tries at once.
                if (read(depart[0], &c, 1) < 0) _exit(1);
                claverrouparam v;
                const issue r = v.prendre(f);
                const char rep = r == issue::tenu ? 'T' : r == issue::occupe ? 'O' : 'X';
                if (write(reponses[1], &rep, 1) != 1) _exit(1);
                // The holder keeps it until the parent has heard every copy.
                for (;;) pause();
            }
            enfants.push_back(p);
        }
        close(depart[0]);
        close(reponses[1]);
        close(depart[1]);
        std::string vu;
        char c = 0;
        while (static_cast<int>(vu.size()) < copies && read(reponses[0], &c, 1) == 1) vu += c;
        close(reponses[0]);
        for (const pid_t p : enfants) {
            kill(p, SIGKILL);
            waitpid(p, nullptr, 0);
        }
        ASSERT_EQ(static_cast<int>(vu.size()), copies);
        EXPECT_EQ(std::count(vu.begin(), vu.end(), 'T'), 1) << vu << " (round " << tour << ")";
        EXPECT_EQ(std::count(vu.begin(), vu.end(), 'O'), copies - 1) << vu;
        EXPECT_FALSE(std::filesystem::exists(d.fichier("ailleurs")));
    }
}
#endif

} // namespace
