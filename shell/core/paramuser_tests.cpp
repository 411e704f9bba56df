// Tests of the user parameter file: what is written, in which order, and
// what is read back; the old layout; the saved states in memory.
#include "shell/core/horloge.h"
#include "shell/core/lignesparam.h"
#include "shell/core/paramabime.h"
#include "shell/core/paramuser.h"
#include "shell/core/paramuser_testing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> lignes(const std::string& contenu) {
    std::vector<std::string> r;
    size_t i = 0;
    while (i < contenu.size()) {
        const size_t fin = contenu.find("\r\n", i);
        EXPECT_NE(fin, std::string::npos) << "every line ends with CR LF";
        if (fin == std::string::npos) break;
        r.push_back(contenu.substr(i, fin - i));
        i = fin + 2;
    }
    return r;
}

// Read a file of the given lines (CR LF) into a fresh state.
void lis(claparamuser& p, const std::string& texte) {
    dossiertemporaire d;
    const std::string f = d.fichier("P.TXT");
    ecrisfichier(f, texte);
    ASSERT_TRUE(getparamuser(p, f.c_str()));
}

TEST(Taillenviron, NearestSizeTheSmallerOnATieLargerKept) {
    const short cas[][2] = {{45, 40}, {46, 50}, {100, 100}, {1, 40},  {55, 50}, {64, 60},
                            {65, 60}, {66, 70}, {-5, 40},   {71, 71}, {85, 85}, {32767, 300}};
    for (const auto& c : cas) EXPECT_EQ(taillenviron(c[0]), c[1]) << c[0];
}

TEST(Memogrilluser, PadsWithEmptyStates) {
    claparamuser p;
    memogrilluser(p, 3, "ABK");
    EXPECT_EQ(p.etats.effectif(), 3);
    gstring t("x");
    grilluserfromram(p, t, 2);
    EXPECT_TRUE(t.isempty());
    grilluserfromram(p, t, 3);
    EXPECT_STREQ(t.adr(), "ABK");
    grilluserfromram(p, t, 5);
    EXPECT_TRUE(t.isempty());
    memogrilluser(p, 0, "A");
    memogrilluser(p, 6, "A");
    EXPECT_EQ(p.etats.effectif(), 3) << "only grids 1..5";
}

TEST(Ecriparamusernew, TheLinesInTheirOrder) {
    std::uint32_t (*horloge)() = [] { return std::uint32_t(0); };
    fixesourcetick(horloge);
    claparamuser p;
    p.grillecourante = 4;
    p.langue = langueanglais;
    p.taillecase = 60;
    p.top = 120;
    p.left = 33;
    p.remplitmarques = true;
    memogrilluser(p, 1, std::string(130, 'G').c_str());
    memogrilluser(p, 4, "ABC");
    p.chronos.grille(4).ajoutsec(95);
    p.chronos.grille(5).ajoutsec(7);
    fixeniveauchoisi(p, 4, 6);
    p.lignesusr.padd("usr=mon r\xE9glage");
    const std::vector<std::string> l = lignes(contenuparamuser(p));
    fixesourcetick(nullptr);
    ASSERT_EQ(l.size(), 23u);
    EXPECT_EQ(l[0], "***-V-O-RA 110-***");
    EXPECT_EQ(l[1].find('='), std::string::npos);
    const std::vector<std::string> attendu = {"ver=3.6", "lng=2",   "gri=4", "tca=60",
                                              "top=120", "left=33", "vcr=3"};
    for (size_t i = 0; i < attendu.size(); ++i) EXPECT_EQ(l[2 + i], attendu[i]);
    EXPECT_EQ(l[9].substr(0, 5), "cmpd=");
    EXPECT_EQ(l[9].size(), 13u) << "eight digits";
    EXPECT_EQ(l[10], "chro=1");
    EXPECT_EQ(l[11], "cviz=1");
    EXPECT_EQ(l[12], "surl=0");
    EXPECT_EQ(l[13], "cpt=0");
    EXPECT_EQ(l[14], "net=1");
    EXPECT_EQ(l[15], "gv1:A=" + std::string(60, 'G'));
    EXPECT_EQ(l[16], "gv1:B=" + std::string(60, 'G'));
    EXPECT_EQ(l[17], "gv1:C=" + std::string(10, 'G'));
    EXPECT_EQ(l[18], "gv4:A=ABC");
    EXPECT_EQ(l[19], "tps4=95");
    EXPECT_EQ(l[20], "niv4=6");
    EXPECT_EQ(l[21], "tps5=7") << "a time without a saved state is kept";
    EXPECT_EQ(l[22], "usr=mon r\xE9glage");
}

TEST(Ecriparamusernew, NoTimesWithTheChronometerDisplayOff) {
    claparamuser p;
    p.chronoaffiche = false;
    p.chronos.grille(2).ajoutsec(50);
    const std::string c = contenuparamuser(p);
    EXPECT_EQ(c.find("tps"), std::string::npos);
    EXPECT_NE(c.find("chro=0\r\n"), std::string::npos);
    EXPECT_EQ(c.find("gv"), std::string::npos) << "no state, no gv line";
}

TEST(Getparamuser, RoundTrip) {
    claparamuser p;
    p.grillecourante = 3;
    p.langue = langueanglais;
    p.taillecase = 70;
    p.top = 5;
    p.left = 900;
    p.chronoaffiche = true;
    p.remplitmarques = true;
    p.surligne = true;
    p.comptes = true;
    p.nettoiemarques = false;
    p.erreurs = true;
    p.crayon = true;
    p.sauveauto = true;
    const std::string etat = std::string(59, 'A') + "1107" + std::string(70, 'K');
    memogrilluser(p, 2, etat.c_str());
    memogrilluser(p, 5, "H");
    p.chronos.grille(2).ajoutsec(3725);
    fixeniveauchoisi(p, 2, 7);
    fixeniveauchoisi(p, 5, 1);
    p.lignesusr.padd("usr=a");
    p.lignesusr.padd("usr = b=c");
    dossiertemporaire d;
    const std::string f = d.fichier("P.TXT");
    ASSERT_TRUE(ecriparamusernew(p, f.c_str()));

    claparamuser q;
    ASSERT_TRUE(getparamuser(q, f.c_str()));
    EXPECT_EQ(q.grillecourante, 3);
    EXPECT_EQ(q.langue, langueanglais);
    EXPECT_EQ(q.taillecase, 70);
    EXPECT_EQ(q.top, 5);
    EXPECT_EQ(q.left, 900);
    EXPECT_TRUE(q.remplitmarques);
    EXPECT_TRUE(q.surligne);
    EXPECT_TRUE(q.comptes);
    EXPECT_FALSE(q.nettoiemarques);
    EXPECT_TRUE(q.erreurs);
    EXPECT_TRUE(q.crayon);
    EXPECT_TRUE(q.sauveauto);
    gstring t;
    grilluserfromram(q, t, 2);
    EXPECT_EQ(std::string(t.adr()), etat);
    grilluserfromram(q, t, 5);
    EXPECT_STREQ(t.adr(), "H");
    EXPECT_EQ(q.chronos.getsec(2), 3725);
    EXPECT_EQ(q.chronos.getsec(1), 0);
    EXPECT_EQ(niveauchoisi(q, 2), 7);
    EXPECT_EQ(niveauchoisi(q, 5), 1);
    EXPECT_EQ(niveauchoisi(q, 1), 0) << "no niv line: the built-in level";
    ASSERT_EQ(q.lignesusr.effectif(), 2);
    EXPECT_STREQ(q.lignesusr.adr(2), "usr = b=c");
    EXPECT_EQ(contenuparamuser(q), litfichier(f)) << "written again unchanged";
}

struct cascle {
    const char* lignes;
    short taille;
    short top;
    bool chrono;
    bool remplit;
    short langue;
    short grille;
};

TEST(Getparamuser, KeysAndTheirDefaults) {
    const cascle cas[] = {
        {"tca=45", 40, 60, true, false, 0, 1},
        {"tca=46", 50, 60, true, false, 0, 1},
        {"tca=100", 100, 60, true, false, 0, 1},
        {"tca=0", 50, 60, true, false, 0, 1}, // keeps the current size (50 here)
        {"top=0", 50, 60, true, false, 0, 1},
        {"top=-7", 50, 60, true, false, 0, 1},
        {"top=7", 50, 7, true, false, 0, 1},
        {"chro=", 50, 60, true, false, 0, 1},
        {"chro=0", 50, 60, false, false, 0, 1},
        {"chro=5", 50, 60, true, false, 0, 1},
        {"cviz=", 50, 60, true, false, 0, 1},
        {"cviz=2", 50, 60, true, true, 0, 1},
        {"lng=2", 50, 60, true, false, 1, 1},
        {"lng=1", 50, 60, true, false, 0, 1},
        {"lng=3", 50, 60, true, false, 0, 1},
        {"gri=0", 50, 60, true, false, 0, 1},
        {"gri=5", 50, 60, true, false, 0, 5},
        {"GRI = 2", 50, 60, true, false, 0, 2},
    };
    for (const cascle& c : cas) {
        claparamuser p;
        p.taillecase = 50;
        lis(p, std::string("ver=3.6\r\n") + c.lignes + "\r\n");
        EXPECT_EQ(p.taillecase, c.taille) << c.lignes;
        EXPECT_EQ(p.top, c.top) << c.lignes;
        EXPECT_EQ(p.chronoaffiche, c.chrono) << c.lignes;
        EXPECT_EQ(p.remplitmarques, c.remplit) << c.lignes;
        EXPECT_EQ(p.langue, c.langue) << c.lignes;
        EXPECT_EQ(p.grillecourante, c.grille) << c.lignes;
        EXPECT_EQ(p.tailledonnee,
                  std::string(c.lignes).starts_with("tca=") && std::string(c.lignes) != "tca=0")
            << c.lignes;
    }
}

TEST(Getparamuser, TheOptionsDefaultsWithoutTheirLinesAndTheirValuesWithThem) {
    struct cas {
        const char* lignes;
        bool surligne;
        bool comptes;
        bool nettoie;
        bool erreurs;
    };
    const cas table[] = {
        {"gri=2", false, false, true, false},
        {"surl=1\r\ncpt=1\r\nnet=0\r\nerr=1", true, true, false, true},
        {"surl=0\r\ncpt=0\r\nnet=1\r\nerr=0", false, false, true, false},
        {"surl=7\r\ncpt=x\r\nnet=\r\nerr=2", false, false, true, false}, // bad: the defaults
    };
    for (const cas& c : table) {
        claparamuser p;
        lis(p, std::string("ver=3.6\r\n") + c.lignes + "\r\n");
        EXPECT_EQ(p.surligne, c.surligne) << c.lignes;
        EXPECT_EQ(p.comptes, c.comptes) << c.lignes;
        EXPECT_EQ(p.nettoiemarques, c.nettoie) << c.lignes;
        EXPECT_EQ(p.erreurs, c.erreurs) << c.lignes;
    }
}

// The look: written only when not the original (a file of the original look
// is as before), read back as written; a bad value reads as the original.
TEST(Getparamuser, TheLookIsWrittenWhenNotTheOriginalAndReadBackInRange) {
    for (short theme = 0; theme < nbthemes; ++theme) {
        claparamuser p;
        p.theme = theme;
        const std::vector<std::string> l = lignes(contenuparamuser(p));
        const auto ligne = std::find_if(l.begin(), l.end(),
                                        [](const std::string& x) { return x.starts_with("thm"); });
        if (theme == themeoriginal) {
            EXPECT_EQ(ligne, l.end());
        } else {
            ASSERT_NE(ligne, l.end()) << theme;
            EXPECT_EQ(*ligne, "thm=" + std::to_string(theme));
        }
        claparamuser q;
        lis(q, contenuparamuser(p));
        EXPECT_EQ(q.theme, theme);
    }
    for (const char* mauvaise : {"thm=3", "thm=-1", "thm=x", "thm=", "thm=1.5", "thm=2x",
                                 "thm=99999999999999999999", "thm=65537"}) {
        claparamuser q;
        lis(q, std::string("ver=3.6\r\ngri=2\r\n") + mauvaise + "\r\n");
        EXPECT_EQ(q.theme, themeoriginal) << mauvaise;
        EXPECT_EQ(q.grillecourante, 2) << mauvaise << ": the rest of the file read";
    }
}

TEST(Getparamuser, AMissingFileLeavesTheDefaults) {
    claparamuser p;
    memogrilluser(p, 2, "AB");
    dossiertemporaire d;
    EXPECT_FALSE(getparamuser(p, d.fichier("absent.TXT").c_str()));
    EXPECT_EQ(p.grillecourante, 1);
    EXPECT_EQ(p.etats.effectif(), 0);
    EXPECT_EQ(p.taillecase, 40);
    EXPECT_EQ(p.left, 60);
    EXPECT_TRUE(p.chronoaffiche);
    EXPECT_FALSE(getparamuser(p, nullptr));
}

TEST(Getparamuser, TheOldLayout) {
    claparamuser p;
    lis(p, "ver=1\r\ngri=2 1230\r\ngv2:A=DDD\r\ntps2=40\r\n");
    EXPECT_EQ(p.grillecourante, 2);
    gstring t;
    grilluserfromram(p, t, 2);
    EXPECT_STREQ(t.adr(), "ABCG");
    EXPECT_EQ(p.chronos.getsec(2), 0) << "no times in the old layout";
    claparamuser q;
    lis(q, "gri=3  010\r\n");
    grilluserfromram(q, t, 3);
    EXPECT_STREQ(t.adr(), "GAG") << "no ver: the old layout";
}

TEST(Getparamuser, StatesRunFromAUntilALetterIsMissing) {
    claparamuser p;
    lis(p, "ver=3\r\ngv1:B=BB\r\ngv1:A=AA\r\ngv1:D=DD\r\ngv2:B=BB\r\ngv3:a=lower\r\n");
    gstring t;
    grilluserfromram(p, t, 1);
    EXPECT_STREQ(t.adr(), "AABB") << "in letter order, stopping at the missing C";
    grilluserfromram(p, t, 2);
    EXPECT_TRUE(t.isempty()) << "no A piece";
    grilluserfromram(p, t, 3);
    EXPECT_TRUE(t.isempty()) << "characters no state holds";
}

// The file is read in pieces up to 16 MiB: a line ending at the limit counts,
// a line after it does not.
TEST(Getparamuser, ReadingStopsAfterSixteenMebibytes) {
    const size_t limite = 16 * 1024 * 1024;
    const std::string avant = "usr=avant\r\n";
    std::string remplissage;
    while (remplissage.size() + 1000 <= limite - avant.size())
        remplissage += std::string(998, 'x') + "\r\n";
    remplissage += std::string(limite - avant.size() - remplissage.size(), '\n');
    claparamuser p;
    lis(p, remplissage + avant + "usr=apres\r\n");
    ASSERT_EQ(p.lignesusr.effectif(), 1);
    EXPECT_STREQ(p.lignesusr.adr(1), "usr=avant");
}

// "usr=" lines of longueur bytes each, ended by fin, in all octets bytes of
// the lines as the game writes them (CR LF) or less, after "ver=3.6".
std::string fichierusr(size_t longueur, size_t octets, const std::string& fin, int& nombre) {
    std::string s = "ver=3.6" + fin;
    const std::string ligne = "usr=" + std::string(longueur - 4, 'u') + fin;
    for (nombre = 0; (nombre + 1) * (longueur + 2) <= octets; ++nombre) s += ligne;
    return s;
}

// Read content, write it back, and read that: what is written is within the
// limits, no damage, and reads back into the same file; a file from which the
// reader drops a line is one the damage test keeps aside. Returns the number
// of "usr=" lines kept.
int ecritdanslaborne(const std::string& contenu, int usr, const std::string& quoi) {
    claparamuser p;
    lis(p, contenu);
    const std::string sauve = contenuparamuser(p);
    EXPECT_LE(sauve.size(), fichierparammax) << quoi;
    EXPECT_FALSE(contenuabime(sauve)) << quoi;
    EXPECT_EQ(contenuabime(contenu), p.lignesusr.effectif() < usr) << quoi;
    claparamuser q;
    lis(q, sauve);
    EXPECT_EQ(q.lignesusr.effectif(), p.lignesusr.effectif()) << quoi;
    EXPECT_TRUE(contenuparamuser(q) == sauve) << quoi;
    return p.lignesusr.effectif();
}

// Files of the player's lines near the limit, with either line end: a file
// just under 16 MiB with LF ends would grow past it with CR LF and the
// game's own lines, so only the lines that fit octetsusrmax are kept (and
// the file kept aside whole); the lines that fit are kept whole.
TEST(Getparamuser, WhatIsWrittenStaysWithinTheLimitAndReadsBackTheSame) {
    int n = 0;
    for (const std::string fin : {"\n", "\r\n"}) {
        const std::string pres = fichierusr(560, fichierparammax - 600, fin, n);
        ASSERT_LT(pres.size(), fichierparammax);
        EXPECT_LT(ecritdanslaborne(pres, n, "just under 16 MiB, " + std::to_string(fin.size())), n)
            << "not all of them fit";
    }
    const std::string juste = fichierusr(1000, octetsusrmax, "\r\n", n);
    EXPECT_EQ(ecritdanslaborne(juste, n, "the lines that fit"), n);
    const std::string plus = juste + "usr=" + std::string(octetsusrmax - n * 1002, 'v') + "\r\n";
    EXPECT_EQ(ecritdanslaborne(plus, n + 1, "a byte over"), n);
}

// The largest state the reader can give (every grid's state, time, level
// and help at their bounds, a generated grid of the longest shape and the
// most texts, recordsmax records of the longest keys, the player's lines
// filling octetsusrmax) writes a file within fichierparammax, sound, that
// reads back the same.
TEST(Contenuparamuser, TheLargestStateFitsWithinTheLimit) {
    claparamuser p;
    p.nouvelle.forme = std::string(formenouvellemax, 'f');
    p.nouvelle.graine = 4294967295u;
    p.nouvelle.niveau = 7;
    p.nouvelle.textes.assign(textesnouvellemax, std::string(200, 'T'));
    p.grillecourante = p.numeronouvelle();
    for (short i = 1; i <= p.numeronouvelle(); ++i) {
        memogrilluser(p, i, std::string(longueuretatmax, 'K').c_str());
        p.chronos.grille(i).ajoutsec(2147483647);
        fixeniveauchoisi(p, i, 7);
        fixeaides(p, i, {32767, 32767, 32767});
    }
    for (int r = 0; r < recordsmax; ++r) {
        std::string cle = std::to_string(r);
        cle += std::string(clerecordmax - cle.size(), 'k');
        ASSERT_TRUE(noterecord(p.records, {cle, 7, true, 2147483647, 99991231}));
    }
    size_t octets = 0;
    while (octets + 1002 <= octetsusrmax) {
        p.lignesusr.padd(("usr=" + std::string(996, 'u')).c_str());
        octets += 1002;
    }
    p.lignesusr.padd(("usr=" + std::string(octetsusrmax - octets - 6, 'v')).c_str());
    const std::string s = contenuparamuser(p);
    EXPECT_LE(s.size(), fichierparammax);
    EXPECT_FALSE(contenuabime(s));
    claparamuser q;
    lis(q, s);
    EXPECT_EQ(q.lignesusr.effectif(), p.lignesusr.effectif());
    EXPECT_EQ(q.records.size(), static_cast<size_t>(recordsmax));
    EXPECT_TRUE(contenuparamuser(q) == s);
}

} // namespace
