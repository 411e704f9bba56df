// The records' lines read back whatever the key holds, damaged lines are
// refused, and the rule of a new best keeps times with help apart.
#include "shell/core/records.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(Records, ValidRecordsReadBackFromTheirLine) {
    std::mt19937 alea(5);
    for (int k = 0; k < 500; ++k) {
        recordgrille r;
        // Keys of any byte from 32 up, commas and "=" included, no blank at
        // either end.
        const size_t n = 1 + alea() % clerecordmax;
        for (size_t i = 0; i < n; ++i) r.grille += static_cast<char>(32 + alea() % 224);
        r.grille.front() = 'G';
        r.grille.back() = static_cast<char>(k % 2 ? ',' : '9');
        r.niveau = static_cast<short>(1 + alea() % 7);
        r.aide = alea() % 2 == 1;
        r.secondes = static_cast<std::int32_t>(alea() % 2147483648u);
        r.date = static_cast<std::int32_t>((2000 + alea() % 8000) * 10000 +
                                           (1 + alea() % 12) * 100 + 1 + alea() % 31);
        ASSERT_TRUE(recordvalide(r)) << k;
        EXPECT_EQ(lisrecord(valeurrecord(r)), r) << valeurrecord(r);
    }
}

TEST(Records, DamagedLinesAreRefused) {
    const char* const abimees[] = {
        "",
        "3,0,125,20261209",
        "3,0,125,20261209,",
        "0,0,125,20261209,Gr1",
        "8,0,125,20261209,Gr1",
        "3,2,125,20261209,Gr1",
        "3,0,-5,20261209,Gr1",
        "3,0,2147483648,20261209,Gr1",
        "3,0,12a,20261209,Gr1",
        "3,0,125,20261300,Gr1",
        "3,0,125,19991231,Gr1",
        "3,0,125,20261232,Gr1",
        "3,0,125,20261209, Gr1",
        "3,0,125,20261209,Gr1\t",
        "3,,125,20261209,Gr1",
        "+3,0,125,20261209,Gr1",
        " 3,0,125,20261209,Gr1",
    };
    for (const char* l : abimees) EXPECT_FALSE(lisrecord(l).has_value()) << '"' << l << '"';
    const std::string longue = "3,0,125,20261209," + std::string(clerecordmax + 1, 'g');
    EXPECT_FALSE(lisrecord(longue).has_value());

    const char* const aidesabimees[] = {"",       "1,2",       "1,2,3,", "1,2,3,4", "1,,3",
                                        "-1,0,0", "32768,0,0", "a,b,c",  " 1,2,3"};
    for (const char* l : aidesabimees) EXPECT_FALSE(lisaides(l).has_value()) << '"' << l << '"';
    EXPECT_EQ(lisaides("2,0,32767"), (aidesgrille{2, 0, 32767}));
}

TEST(Records, AFasterTimeTakesThePlaceOfItsOwnKindOnly) {
    std::vector<recordgrille> records;
    struct cas {
        const char* grille;
        short niveau;
        bool aide;
        std::int32_t secondes;
        bool nouveau;
    };
    const cas table[] = {
        {"Gr1", 3, false, 300, true},  // the first
        {"Gr1", 3, false, 300, false}, // as fast is no new best
        {"Gr1", 3, false, 301, false},
        {"Gr1", 3, true, 500, true}, // with help: its own best
        {"Gr1", 3, false, 299, true},
        {"Gr1", 3, true, 100, true}, // faster with help leaves the other
        {"Gr1", 4, false, 900, true},
        {"Gr2", 3, false, 999, true},
    };
    for (const cas& c : table) {
        const recordgrille r{c.grille, c.niveau, c.aide, c.secondes, 20261209};
        EXPECT_EQ(noterecord(records, r), c.nouveau) << c.grille << c.niveau << c.secondes;
    }
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(chercherecord(records, "Gr1", 3, false)->secondes, 299);
    EXPECT_EQ(chercherecord(records, "Gr1", 3, true)->secondes, 100);
    EXPECT_EQ(chercherecord(records, "Gr1", 5, false), nullptr);

    aidesgrille a{32766, 0, 0};
    ajouteaide(a, genreaide::indice);
    ajouteaide(a, genreaide::indice);
    ajouteaide(a, genreaide::remplissage);
    EXPECT_EQ(a, (aidesgrille{32767, 0, 1})) << "counts stop at 32767";
    EXPECT_FALSE(yadesaides(aidesgrille{}));
}

} // namespace
