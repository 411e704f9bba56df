// Tests of the parameter file's lock: one holder at a time (within a process
// and, on Linux, between processes), given back when the holder goes or its
// process dies, and never taken through a planted link.
#include "shell/core/paramuser_testing.h"
#include "shell/core/verrouparam.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <csignal>
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

TEST(Verrouparam, ALockFileThatCannotBeMadeHoldsNothing) {
    dossiertemporaire d;
    const std::string f = d.fichier("P.TXT");
    std::filesystem::create_directory(fichierverrou(f));
    claverrouparam v;
    EXPECT_EQ(v.prendre(f), issue::impossible);
    EXPECT_EQ(v.prendre(d.fichier("absent/P.TXT")), issue::impossible);
#ifndef _WIN32
    // A link planted at the lock's name is not followed: nothing is made
    // where it leads.
    const std::string g = d.fichier("G.TXT");
    std::filesystem::create_symlink(d.fichier("cible"), fichierverrou(g));
    EXPECT_EQ(v.prendre(g), issue::impossible);
    EXPECT_FALSE(std::filesystem::exists(d.fichier("cible")));
#endif
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

} // namespace
