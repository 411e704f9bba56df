// Tests of damaged parameter files: nothing crashes or hangs, known keys with
// bad values keep their defaults, bad states are dropped, the next save
// keeps the "usr=" lines, and what it writes reads back as no damage and
// into the same file.
#include "shell/core/lignesparam.h"
#include "shell/core/paramabime.h"
#include "shell/core/paramuser.h"
#include "shell/core/paramuser_testing.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

namespace {

// Every value read lies within what the game can use.
void verifiebornes(const claparamuser& p, const std::string& quoi) {
    EXPECT_GE(p.grillecourante, 1) << quoi;
    EXPECT_LE(p.grillecourante, p.nbgrilles) << quoi;
    EXPECT_TRUE(p.taillecase == 40 || p.taillecase == 50 || p.taillecase == 60 ||
                (p.taillecase >= 70 && p.taillecase <= taillecaseplafond))
        << quoi;
    EXPECT_GE(p.top, 1) << quoi;
    EXPECT_GE(p.left, 1) << quoi;
    EXPECT_TRUE(p.langue == languefrancais || p.langue == langueanglais) << quoi;
    EXPECT_LE(p.etats.effectif(), p.nbgrilles) << quoi;
    for (short i = 1; i <= p.etats.effectif(); ++i) {
        const std::string e = p.etats.adr(i);
        EXPECT_LE(e.size(), static_cast<size_t>(longueuretatmax)) << quoi;
        EXPECT_EQ(e.find_first_not_of("ABCDEFGHKabcdefghk01234567"), std::string::npos) << quoi;
    }
    for (short i = 1; i <= p.nbgrilles; ++i) {
        EXPECT_GE(niveauchoisi(p, i), 0) << quoi;
        EXPECT_LE(niveauchoisi(p, i), 7) << quoi;
        EXPECT_GE(p.chronos.getsec(i), 0) << quoi;
    }
    EXPECT_LE(p.lignesusr.effectif(), lignesusrmax) << quoi;
    for (int i = 1; i <= p.lignesusr.effectif(); ++i)
        EXPECT_TRUE(ligneusr(p.lignesusr.adr(static_cast<short>(i)))) << quoi;
}

// Read content, check the bounds, save, and check that reading the saved
// file gives the same file again.
void litetresauve(const std::string& content, const std::string& quoi,
                  const std::function<void(const claparamuser&, const std::string&)>& verifie) {
    dossiertemporaire d;
    const std::string f = d.fichier("P.TXT");
    ecrisfichier(f, content);
    claparamuser p;
    ASSERT_TRUE(getparamuser(p, f.c_str())) << quoi;
    verifiebornes(p, quoi);
    ASSERT_TRUE(ecriparamusernew(p, f.c_str())) << quoi;
    const std::string sauve = litfichier(f);
    EXPECT_FALSE(contenuabime(sauve)) << quoi << ": the game never writes a damaged file";
    EXPECT_LE(sauve.size(), fichierparammax) << quoi;
    if (verifie) verifie(p, sauve);
    claparamuser q;
    ASSERT_TRUE(getparamuser(q, f.c_str())) << quoi;
    EXPECT_EQ(contenuparamuser(q), sauve) << quoi << ": a saved file reads back whole";
}

std::string octetsaleatoires(size_t n, unsigned graine) {
    std::mt19937 alea(graine);
    std::string s(n, '\0');
    for (char& c : s) c = static_cast<char>(alea() & 0xFF);
    return s;
}

const std::string bon = "***-V-O-RA 110-***\r\nver=3.6\r\nlng=2\r\ngri=3\r\ntca=60\r\ntop=100\r\n"
                        "left=200\r\nchro=1\r\ncviz=1\r\ngv3:A=ABCK\r\ntps3=42\r\nniv3=2\r\n"
                        "aid3=1,0,2\r\nrec=2,0,125,20261209,Gr3\r\nusr=garde-moi\r\n";

struct casabime {
    const char* nom;
    std::string contenu;
    std::function<void(const claparamuser&, const std::string&)> verifie;
};

// n lines "usr=1" to "usr=n".
std::string manylignesusr(int n) {
    std::string s = "ver=3.6\r\n";
    for (int i = 1; i <= n; ++i) s += "usr=" + std::to_string(i) + "\r\n";
    return s;
}

TEST(DamagedFiles, ATableOfCraftedFiles) {
    const std::string megaoctet(1 << 20, 'G');
    const casabime cas[] = {
        {"binary garbage", octetsaleatoires(64 * 1024, 1), nullptr},
        {"garbage then good lines", octetsaleatoires(5000, 2) + "\r\n" + bon,
         [](const claparamuser& p, const std::string& s) {
             EXPECT_EQ(p.grillecourante, 3);
             EXPECT_NE(s.find("usr=garde-moi\r\n"), std::string::npos);
         }},
        {"bytes above 127",
         "gri=\xE9\r\nl\xE9ng=2\r\ntca=\xB5"
         "60\r\nusr=r\xE9glage \xFF\r\n",
         [](const claparamuser& p, const std::string& s) {
             EXPECT_EQ(p.grillecourante, 1);
             EXPECT_EQ(p.langue, languefrancais);
             EXPECT_EQ(p.taillecase, 40);
             EXPECT_NE(s.find("usr=r\xE9glage \xFF\r\n"), std::string::npos);
         }},
        {"NUL bytes",
         std::string("gri=2\0"
                     "3\r\ntop=9\0\0\r\nusr=a\0b\r\n\0\0=\r\n",
                     29),
         [](const claparamuser& p, const std::string& s) {
             EXPECT_EQ(p.grillecourante, 2);
             EXPECT_EQ(p.top, 9);
             EXPECT_NE(s.find("usr=a\r\n"), std::string::npos);
             EXPECT_EQ(s.find('\0'), std::string::npos);
         }},
        {"absurd and overflowing numbers",
         "ver=3.6\r\ngri=99999999999999999999\r\ntca=-2147483649\r\ntop=4294967297\r\n"
         "left=32768\r\ntps1=99999999999\r\ntps2=-5\r\ntps3=2147483647\r\nniv1=8\r\nniv2=-1\r\n"
         "niv3=0x3\r\nchro=1e9\r\ncviz=--1\r\nlng=2x\r\n",
         [](const claparamuser& p, const std::string&) {
             EXPECT_EQ(p.grillecourante, 1);
             EXPECT_EQ(p.taillecase, 40);
             EXPECT_EQ(p.top, 60);
             EXPECT_EQ(p.left, 60);
             EXPECT_EQ(p.chronos.getsec(1), 0);
             EXPECT_EQ(p.chronos.getsec(2), 0);
             EXPECT_EQ(p.chronos.getsec(3), 2147483647);
             for (short i = 1; i <= 3; ++i) EXPECT_EQ(niveauchoisi(p, i), 0);
             EXPECT_TRUE(p.chronoaffiche);
             EXPECT_FALSE(p.remplitmarques);
             EXPECT_EQ(p.langue, languefrancais);
         }},
        {"lines of megabytes",
         "ver=3.6\r\nusr=" + std::string(3 << 20, 'u') + "\r\ngv1:A=" + megaoctet +
             "\r\ngv2:A=" + std::string(60, 'G') + "\r\ngv2:B=" + megaoctet + "\r\nusr=petit\r\n" +
             std::string(2 << 20, 'x'),
         [](const claparamuser& p, const std::string& s) {
             gstring t;
             grilluserfromram(p, t, 1);
             EXPECT_TRUE(t.isempty());
             grilluserfromram(p, t, 2);
             EXPECT_EQ(t.len(), 60) << "the pieces up to the one too long";
             const std::string longue = "\r\nusr=" + std::string(3 << 20, 'u') + "\r\n";
             EXPECT_NE(s.find(longue), std::string::npos) << "a long usr= line is the player's";
             EXPECT_LT(s.size(), longue.size() + 2000u) << "the other long lines are dropped";
             EXPECT_NE(s.find("usr=petit\r\n"), std::string::npos);
         }},
        {"lines without =", "gri\r\n=\r\n=5\r\ntop 7\r\nusr\r\nver=3\r\ngri=4\r\n",
         [](const claparamuser& p, const std::string&) { EXPECT_EQ(p.grillecourante, 4); }},
        {"more usr lines than a list holds", manylignesusr(40000),
         [](const claparamuser& p, const std::string& s) {
             EXPECT_EQ(p.lignesusr.effectif(), lignesusrmax);
             EXPECT_NE(s.find("usr=1\r\n"), std::string::npos);
             EXPECT_NE(s.find("usr=32000\r\n"), std::string::npos);
             EXPECT_EQ(s.find("usr=32001\r\n"), std::string::npos);
         }},
        {"duplicated keys", "ver=3.6\r\ngri=2\r\ngri=3\r\ntca=70\r\ntca=40\r\nusr=a\r\nusr=a\r\n",
         [](const claparamuser& p, const std::string& s) {
             EXPECT_EQ(p.grillecourante, 2) << "the first counts";
             EXPECT_EQ(p.taillecase, 70);
             EXPECT_NE(s.find("usr=a\r\nusr=a\r\n"), std::string::npos);
         }},
        {"states longer and shorter than any grid",
         "ver=3.6\r\ngv1:A=A\r\n" +
             [] {
                 std::string s;
                 for (char l = 'A'; l <= 'Z'; ++l)
                     s += std::string("gv2:") + l + "=" + std::string(60, 'K') + "\r\n";
                 return s + "gv2:[=KK\r\n";
             }(),
         [](const claparamuser& p, const std::string&) {
             gstring t;
             grilluserfromram(p, t, 1);
             EXPECT_STREQ(t.adr(), "A");
             grilluserfromram(p, t, 2);
             EXPECT_EQ(t.len(), longueuretatmax) << "26 pieces and no more";
         }},
        {"gv pieces out of order or missing",
         "ver=3.6\r\ngv1:C=CC\r\ngv1:A=AA\r\ngv1:B=BB\r\ngv2:B=BB\r\ngv3:A=\r\ngv3:B=B\r\n",
         [](const claparamuser& p, const std::string&) {
             gstring t;
             grilluserfromram(p, t, 1);
             EXPECT_STREQ(t.adr(), "AABBCC");
             grilluserfromram(p, t, 2);
             EXPECT_TRUE(t.isempty());
             grilluserfromram(p, t, 3);
             EXPECT_STREQ(t.adr(), "B") << "an empty piece is a piece";
         }},
        {"a state with foreign characters", "ver=3.6\r\ngv1:A=AB CD\r\ngv2:A=AB=CD\r\n",
         [](const claparamuser& p, const std::string& s) {
             EXPECT_EQ(p.etats.effectif(), 5);
             EXPECT_EQ(s.find("gv"), std::string::npos);
         }},
        {"many short lines",
         [] {
             std::string s = "ver=3.6\r\n";
             for (int i = 0; i < 200000; ++i) s += "k" + std::to_string(i) + "=v\r\n";
             return s + "gri=5\r\n";
         }(),
         [](const claparamuser& p, const std::string&) { EXPECT_EQ(p.grillecourante, 5); }},
        {"CR, LF and mixed line ends", "ver=3.6\rgri=2\ntca=50\n\rtop=8\r\r\nusr=z",
         [](const claparamuser& p, const std::string& s) {
             EXPECT_EQ(p.grillecourante, 2);
             EXPECT_EQ(p.taillecase, 50);
             EXPECT_EQ(p.top, 8);
             EXPECT_NE(s.find("usr=z\r\n"), std::string::npos);
         }},
        {"records and help counts, good and damaged",
         "ver=3.6\r\naid1=1,2,3\r\naid2=1,2\r\naid3=-1,0,0\r\naid4=9,9,9,9\r\naid9=1,1,1\r\n"
         "rec=3,0,125,20261209,Gr1\r\nREC = 3,0,100,20261210,Gr1\r\nrec=3,0,200,20261211,Gr1\r\n"
         "rec=3,1,50,20261212,a,b=c\r\nrec=8,0,1,20261209,Gr1\r\nrec=3,0,1,20261399,Gr1\r\n"
         "rec=3,0,1\r\nrec=\r\nrec=3,0,1,20261209," +
             std::string(300, 'k') + "\r\n",
         [](const claparamuser& p, const std::string& s) {
             EXPECT_EQ(aidesde(p, 1), (aidesgrille{1, 2, 3}));
             for (short i = 2; i <= 5; ++i) EXPECT_EQ(aidesde(p, i), aidesgrille{}) << i;
             ASSERT_EQ(p.records.size(), 2u) << "the fastest of a grid, level and help";
             EXPECT_EQ(p.records[0], (recordgrille{"Gr1", 3, false, 100, 20261210}));
             EXPECT_EQ(p.records[1], (recordgrille{"a,b=c", 3, true, 50, 20261212}));
             EXPECT_NE(s.find("\r\nrec=3,1,50,20261212,a,b=c\r\n"), std::string::npos);
             EXPECT_EQ(s.find("aid2"), std::string::npos);
         }},
        {"control bytes in usr lines",
         "ver=3.6\r\nusr=a\x01"
         "b\x1f"
         "c\x1a"
         "d\x7f\r\nusr=\x02\r\nusr=e \x03\r\n",
         [](const claparamuser& p, const std::string& s) {
             ASSERT_EQ(p.lignesusr.effectif(), 3);
             EXPECT_STREQ(p.lignesusr.adr(1), "usr=abc\x1a"
                                              "d\x7f")
                 << "26 and 127 are no damage";
             EXPECT_STREQ(p.lignesusr.adr(2), "usr=");
             EXPECT_STREQ(p.lignesusr.adr(3), "usr=e");
             EXPECT_NE(s.find("\r\nusr=abc\x1a"
                              "d\x7f\r\nusr=\r\nusr=e\r\n"),
                       std::string::npos);
         }},
        {"usr lines and keys after tabs",
         "ver=3.6\r\n\tusr=tab\r\n \t usr\t=blancs\t\r\nUSR  =deux\r\n\tgri=3\t\r\n"
         "\tusr\r\n",
         [](const claparamuser& p, const std::string& s) {
             ASSERT_EQ(p.lignesusr.effectif(), 3);
             EXPECT_NE(s.find("\r\n\tusr=tab\r\n \t usr\t=blancs\r\nUSR  =deux\r\n"),
                       std::string::npos)
                 << "kept as they are, but for their trailing blanks";
             EXPECT_EQ(p.grillecourante, 3);
         }},
        {"an empty file", "", nullptr},
        {"an old layout with garbage", "ver=0\r\ngri=2 12\xFF\r\n",
         [](const claparamuser& p, const std::string&) {
             EXPECT_EQ(p.grillecourante, 2);
             EXPECT_EQ(p.etats.effectif(), 0);
         }},
    };
    for (const casabime& c : cas) litetresauve(c.contenu, c.nom, c.verifie);
}

TEST(DamagedFiles, RandomDamageToAGoodFile) {
    std::mt19937 alea(17);
    for (int essai = 0; essai < 120; ++essai) {
        std::string s = bon;
        const int coups = 1 + static_cast<int>(alea() % 8);
        for (int k = 0; k < coups; ++k) {
            const size_t ou = alea() % (s.size() + 1);
            switch (alea() % 4) {
            case 0:
                if (ou < s.size()) s[ou] = static_cast<char>(alea() & 0xFF);
                break;
            case 1:
                s.insert(ou, octetsaleatoires(alea() % 16, static_cast<unsigned>(alea())));
                break;
            case 2:
                s.erase(ou, alea() % 8);
                break;
            default:
                s.insert(ou, "\r\n");
                break;
            }
        }
        litetresauve(s, "damage " + std::to_string(essai), nullptr);
        if (testing::Test::HasFailure()) break;
    }
}

} // namespace
