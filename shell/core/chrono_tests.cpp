// Tests of the chronometers on an injected tick: spans and their truncation,
// the display text, the rule that runs one grid's chronometer, the short text
// of the chronometer box.
#include "shell/core/chronogrilles.h"
#include "shell/core/durelapsed.h"
#include "shell/core/horloge.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

std::uint32_t maintenant = 0;
std::uint32_t horlogetest() {
    return maintenant;
}

class Chrono : public ::testing::Test {
protected:
    void SetUp() override {
        maintenant = 1000;
        fixesourcetick(horlogetest);
    }
    void TearDown() override { fixesourcetick(nullptr); }
};

std::string texte(std::int32_t secondes, bool jours = false, bool anglais = false) {
    durelapsed d;
    if (jours) d.enjours();
    d.ajoutsec(secondes);
    gstring t;
    d.affiduresec(t, anglais);
    return t.adr();
}

TEST_F(Chrono, DisplayText) {
    const struct {
        std::int32_t secondes;
        const char* francais;
        const char* anglais;
    } cas[] = {
        {0, " 00s", " 00s"},           {5, " 05s", " 05s"},
        {59, " 59s", " 59s"},          {60, "01mn 00s", "01m 00s"},
        {75, "01mn 15s", "01m 15s"},   {124, "02mn 04s", "02m 04s"},
        {3599, "59mn 59s", "59m 59s"}, {3600, "1h 00mn", "1h 00m"},
        {3725, "1h 02mn", "1h 02m"},   {90000, "25h 00mn", "25h 00m"},
        {-40, " 00s", " 00s"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(texte(c.secondes), c.francais) << c.secondes;
        EXPECT_EQ(texte(c.secondes, false, true), c.anglais) << c.secondes;
    }
    EXPECT_EQ(texte(90000 + 120, true), "1j 1h 02mn") << "days mode";
    EXPECT_EQ(texte(90000 + 120, true, true), "1d 1h 02m") << "days mode";
    EXPECT_EQ(texte(2 * 86400 + 7, true), "2j 0h  07s") << "days without hours or minutes";
    durelapsed d;
    d.sansec();
    d.ajoutsec(75);
    gstring t;
    d.affiduresec(t);
    EXPECT_STREQ(t.adr(), "01mn");
}

TEST_F(Chrono, SpansAreTruncatedToWholeSecondsAndTenths) {
    durelapsed d;
    for (int i = 0; i < 20; ++i) {
        d.demarrer();
        maintenant += 40;
        d.suspendre();
    }
    EXPECT_EQ(d.getsec(), 0) << "20 spans of 40 ms add nothing";
    EXPECT_EQ(d.getdix(), 0);
    d.demarrer();
    maintenant += 2950;
    EXPECT_EQ(d.getsec(), 2) << "the running span counts";
    EXPECT_EQ(d.getdix(), 29);
    d.demarrer(); // restarting ends the span
    maintenant += 999;
    d.suspendre();
    EXPECT_EQ(d.getsec(), 2);
    EXPECT_EQ(d.getdix(), 38);
    maintenant += 60000;
    EXPECT_EQ(d.getsec(), 2) << "stopped";
    d.retiredix(8);
    EXPECT_EQ(d.getdix(), 30);
}

TEST_F(Chrono, TheTickMayWrapRound) {
    maintenant = 0xFFFFF000u;
    durelapsed d;
    d.demarrer();
    maintenant += 10000; // wraps past 2^32
    EXPECT_EQ(d.getsec(), 10);
    d.suspendre();
    EXPECT_EQ(d.getsec(), 10);
}

TEST_F(Chrono, HugeTimesSaturate) {
    durelapsed d;
    d.ajoutsec(2147483000);
    d.ajoutsec(2147483000);
    EXPECT_EQ(d.getsec(), 2147483647);
    gstring t;
    d.affiduresec(t);
    EXPECT_STREQ(t.adr(), "32767h 14mn");
}

TEST_F(Chrono, TenthsThreshold) {
    durelapsed d;
    d.demarrer();
    maintenant += 450;
    EXPECT_FALSE(d.yatildixsup(5));
    maintenant += 50;
    EXPECT_TRUE(d.yatildixsup(5));
    EXPECT_EQ(d.getdix(), 0) << "the span restarts";
}

TEST_F(Chrono, TheRuleRunsOnlyTheCurrentUnfinishedGrid) {
    etatchrono e;
    e.grille = 3;
    EXPECT_EQ(chronoquitourne(e), 3);
    const struct {
        const char* pourquoi;
        void (*change)(etatchrono&);
    } arrets[] = {
        {"display off", [](etatchrono& x) { x.affichage = false; }},
        {"not active", [](etatchrono& x) { x.actif = false; }},
        {"minimised", [](etatchrono& x) { x.minimise = true; }},
        {"a message box is open", [](etatchrono& x) { x.verrous = 1; }},
        {"rules pages", [](etatchrono& x) { x.mode = modeappli::regles; }},
        {"no grid (mode 1)", [](etatchrono& x) { x.mode = modeappli::sansgrille; }},
        {"finished", [](etatchrono& x) { x.grillefinie = true; }},
        {"no current grid", [](etatchrono& x) { x.grille = 0; }},
    };
    for (const auto& a : arrets) {
        etatchrono x = e;
        a.change(x);
        EXPECT_EQ(chronoquitourne(x), 0) << a.pourquoi;
    }
}

TEST_F(Chrono, OnlyTheCurrentGridAccumulates) {
    chronogrilles c(5);
    etatchrono e;
    e.grille = 2;
    c.chronomevaluer(e);
    maintenant += 5000;
    e.grille = 4; // another grid is loaded
    c.chronomevaluer(e);
    maintenant += 3000;
    e.verrous = 1; // a message box
    c.chronomevaluer(e);
    maintenant += 100000;
    e.verrous = 0;
    e.grillefinie = true; // re-activated, but the grid is complete
    c.chronomevaluer(e);
    maintenant += 100000;
    EXPECT_EQ(c.grille(2).getsec(), 5);
    EXPECT_EQ(c.grille(4).getsec(), 3);
    EXPECT_EQ(c.grille(1).getsec(), 0);
    e.grillefinie = false;
    c.remiseazero(4, e);
    maintenant += 1000;
    EXPECT_EQ(c.grille(4).getsec(), 1);
    EXPECT_EQ(c.grille(0).getsec(), 0) << "no grid 0";
    EXPECT_EQ(c.grille(6).getsec(), 0) << "no grid 6";
}

TEST_F(Chrono, TheBoxTextIsRewrittenOnlyWhenItChanges) {
    chronogrilles c(5);
    etatchrono e;
    e.grille = 1;
    c.chronomevaluer(e);
    gstring t;
    EXPECT_FALSE(c.affichronocourt(1, false, t)) << "not ready";
    EXPECT_TRUE(t.isempty());
    EXPECT_TRUE(c.affichronocourt(1, true, t));
    EXPECT_STREQ(t.adr(), "   00s") << "4 - 4 / 2 = 2 blanks before \" 00s\"";
    maintenant += 200;
    EXPECT_FALSE(c.affichronocourt(1, true, t));
    maintenant += 800;
    EXPECT_TRUE(c.affichronocourt(1, true, t));
    EXPECT_STREQ(t.adr(), "   01s");
    c.grille(1).ajoutsec(3600);
    EXPECT_TRUE(c.affichronocourt(1, true, t));
    EXPECT_STREQ(t.adr(), " 1h 00mn") << "4 - 7 / 2 = 1 blank";
    EXPECT_TRUE(c.affichronocourt(1, true, t, true)) << "the language changed";
    EXPECT_STREQ(t.adr(), " 1h 00m") << "4 - 6 / 2 = 1 blank";
    EXPECT_FALSE(c.affichronocourt(1, false, t));
    EXPECT_TRUE(c.affichronocourt(1, true, t)) << "the remembered text was emptied";
}

} // namespace
