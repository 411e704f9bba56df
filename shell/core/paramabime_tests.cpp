// Tests of the damage test and of keeping a damaged file aside: every file
// the game writes (or wrote) reads normally, garbage of every kind is told
// apart, a name that is no file is read without waiting and kept aside, and
// an earlier file kept aside is never replaced.
#include "shell/core/paramabime.h"
#include "shell/core/paramuser.h"
#include "shell/core/paramuser_testing.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const std::string ecrit =
    "***-V-O-RA 110-***\r\nR\xE9glages / settings\r\nver=3.6\r\nlng=2\r\n"
    "gri=3\r\ntca=60\r\ntop=100\r\nleft=200\r\nvcr=3\r\ncmpd=20261209\r\n"
    "chro=1\r\ncviz=0\r\ngv3:A=ABCK\r\ntps3=42\r\nniv3=2\r\nusr=garde-moi\r\n";

std::string octets(std::mt19937& alea, size_t n, int bas, int haut) {
    std::uniform_int_distribution<int> d(bas, haut);
    std::string s(n, ' ');
    for (char& c : s) c = static_cast<char>(d(alea));
    return s;
}

std::string remplace(std::string s, const std::string& de, const std::string& par) {
    for (size_t i = s.find(de); i != std::string::npos; i = s.find(de, i + par.size()))
        s.replace(i, de.size(), par);
    return s;
}

TEST(Contenuabime, WhatTheGameWroteIsNoDamage) {
    const std::string sain[] = {
        "",
        ecrit,
        remplace(ecrit, "\r\n", "\n"),
        remplace(ecrit, "\r\n", "\r"),
        remplace(ecrit, "\r\n", "\r\n\r\n  \r\n"),
        ecrit.substr(ecrit.find("ver=")),
        "ver=1\r\ngri=2 1230\r\n",
        "gri=2\r\n",
        "\r\n\r\n",
        "usr=seul\r\n",
        "***-V-O-RA 110-***\r\n",
        "\xEF\xBB\xBFver=3.6\r\ngri=2\r\n",
        "ver=3.6\tcommentaire\r\nGRI = 4\r\n",
        ecrit + "\x1a",
        "ver=3.6\r\nusr=" + std::string(1 << 20, '\xE9') + "\r\n",
        "ver=3.6\r\ninconnu=1\r\nautre chose\r\n",
        "rec=3,0,125,20261209,Gr1\r\n",
        "aid2=1,0,0\r\n",
        "nvf=triangle 5\r\nnvt1=X\r\nnvgv:A=a\r\n",
    };
    for (const std::string& s : sain) EXPECT_FALSE(contenuabime(s)) << s.substr(0, 60);
}

TEST(Contenuabime, GarbageIsDamage) {
    std::mt19937 alea(7);
    std::string utf16;
    for (char c : ecrit) utf16 += std::string{c, '\0'};
    std::string usr = "ver=3.6\r\n";
    for (int i = 0; i <= lignesusrmax; ++i) usr += "usr=" + std::to_string(i) + "\r\n";
    const std::string abime[] = {
        ecrit.substr(0, 40) + std::string(1, '\0') + ecrit.substr(40),
        utf16,
        ecrit + "\x01\x02\x03",
        ecrit + std::string(4096, '\0'),
        "ver=3.6\r\ngv1:A=" + std::string(70 * 1024, 'A') + "\r\n",
        usr,
        ecrit + std::string(16 << 20, '\n'),
        "Bonjour tout le monde\r\nceci n'est pas un fichier du jeu\r\n",
        "x=y\r\n",
    };
    for (const std::string& s : abime) EXPECT_TRUE(contenuabime(s)) << s.substr(0, 60);
    // Random bytes of any length, all of them or only printable ones.
    for (int k = 0; k < 300; ++k) {
        const size_t n = 8 + alea() % 4000;
        const std::string tout = octets(alea, n, 0, 255);
        EXPECT_TRUE(contenuabime(tout)) << k;
        const std::string imprimable = octets(alea, n, 32, 255);
        EXPECT_TRUE(contenuabime(imprimable)) << k;
    }
}

// Whatever the game holds, what it writes reads as no damage.
TEST(Contenuabime, EveryFileTheGameWritesReadsNormally) {
    std::mt19937 alea(11);
    for (int k = 0; k < 200; ++k) {
        claparamuser p;
        p.grillecourante = static_cast<short>(1 + alea() % 5);
        p.langue = alea() % 2 ? langueanglais : languefrancais;
        p.chronoaffiche = alea() % 2;
        for (short i = 1; i <= 5; ++i) {
            if (alea() % 3 == 0) continue;
            memogrilluser(p, i, octets(alea, alea() % 200, 'A', 'H').c_str());
            p.chronos.grille(i).ajoutsec(static_cast<std::int32_t>(alea() % 100000));
            fixeniveauchoisi(p, i, static_cast<short>(alea() % 8));
        }
        for (int r = static_cast<int>(alea() % 4); r > 0; --r) {
            fixeaides(p, static_cast<short>(1 + alea() % 5),
                      {1, 0, static_cast<short>(alea() % 9)});
            noterecord(p.records, {octets(alea, 1 + alea() % 40, 32, 255) + "g",
                                   static_cast<short>(1 + alea() % 7), alea() % 2 == 1,
                                   static_cast<std::int32_t>(alea() % 9999), 20261209});
        }
        for (int u = static_cast<int>(alea() % 4); u > 0; --u)
            p.lignesusr.padd(("usr=" + octets(alea, alea() % 100, 32, 255)).c_str());
        EXPECT_FALSE(contenuabime(contenuparamuser(p))) << k;
    }
}

TEST(Metsdecote, KeepsAsideUnderANewNameEachTime) {
    EXPECT_EQ(nomdecote("V-O-RA 110.TXT", 1), "V-O-RA 110.damaged-1.TXT");
    EXPECT_EQ(nomdecote("d.x/P", 12), "d.x/P.damaged-12");
    EXPECT_EQ(nomdecote("d/.P", 2), "d/.P.damaged-2");
    dossiertemporaire d;
    const std::string f = d.fichier("P.TXT");
    ecrisfichier(nomdecote(f, 2), "pris");
#ifndef _WIN32
    std::filesystem::create_symlink(d.fichier("nulle part"), nomdecote(f, 3));
#else
    std::filesystem::create_directory(nomdecote(f, 3));
#endif
    for (const char* contenu : {"premier", "second"}) {
        ecrisfichier(f, contenu);
        std::string aside;
        ASSERT_TRUE(metsdecote(f, aside));
        EXPECT_EQ(litfichier(aside), contenu);
        EXPECT_FALSE(std::filesystem::exists(f));
    }
    EXPECT_EQ(litfichier(nomdecote(f, 1)), "premier");
    EXPECT_EQ(litfichier(nomdecote(f, 2)), "pris");
    EXPECT_EQ(litfichier(nomdecote(f, 4)), "second");
    std::string aside = "inchange";
    EXPECT_FALSE(metsdecote(f, aside)) << "no file";
    EXPECT_EQ(aside, "inchange");
    ecrisfichier(f, ecrit);
    EXPECT_FALSE(fichierabime(f));
    ecrisfichier(f, ecrit + std::string(3, '\0'));
    EXPECT_TRUE(fichierabime(f));
    EXPECT_FALSE(fichierabime(d.fichier("absent")));
}

// Whether f ran to its end within five seconds. When it did not (it waits on
// the FIFO at fifo), a writer opening the FIFO lets it go on.
bool sansattendre(const std::function<void()>& f, [[maybe_unused]] const std::string& fifo) {
    std::future<void> fin = std::async(std::launch::async, f);
    if (fin.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return true;
#ifndef _WIN32
    while (fin.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        const int w = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (w >= 0) close(w);
    }
#endif
    fin.wait();
    return false;
}

// Something that is no file at the parameter file's name (a FIFO, a
// directory) is read as no file, at once, and is kept aside like a damaged
// file, so that the next save makes a file there.
TEST(Fichierabime, ANameThatIsNoFileIsReadWithoutWaitingAndKeptAside) {
    namespace fs = std::filesystem;
    dossiertemporaire d;
    std::vector<std::string> noms;
#ifndef _WIN32
    noms.push_back(d.fichier("fifo/P.TXT"));
    fs::create_directory(d.fichier("fifo"));
    ASSERT_EQ(mkfifo(noms.back().c_str(), 0600), 0);
#endif
    noms.push_back(d.fichier("dossier/P.TXT"));
    fs::create_directories(noms.back());
    for (const std::string& f : noms) {
        claparamuser p;
        bool lu = true;
        bool abime = false;
        EXPECT_TRUE(sansattendre(
            [&] {
                lu = getparamuser(p, f.c_str());
                abime = fichierabime(f);
            },
            f))
            << f;
        EXPECT_FALSE(lu) << f;
        EXPECT_TRUE(abime) << f;
        EXPECT_EQ(p.grillecourante, 1) << f;
        std::string aside;
        ASSERT_TRUE(metsdecote(f, aside)) << f;
        EXPECT_FALSE(fs::exists(fs::symlink_status(f))) << f;
        EXPECT_TRUE(fs::exists(fs::symlink_status(aside))) << f << ": kept, under " << aside;
        EXPECT_FALSE(fichierabime(f)) << "nothing there any more";
    }
}

} // namespace
