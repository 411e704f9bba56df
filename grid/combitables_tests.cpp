// Tests of the factorial, binomial, ordered-values and combination tables,
// against values computed here by loops (the tables build themselves on
// first use; only the last test runs the start-up).
#include "grid/combitables.h"

#include "grid/vocalculinit.h"

#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

namespace {

// C(n, k) by Pascal's triangle, for n up to `nmax`.
std::vector<std::vector<std::int64_t>> pascal(int nmax) {
    std::vector<std::vector<std::int64_t>> c(nmax + 1, std::vector<std::int64_t>(nmax + 1, 0));
    for (int n = 0; n <= nmax; ++n) {
        c[n][0] = 1;
        for (int k = 1; k <= n; ++k) c[n][k] = c[n - 1][k - 1] + (k < n ? c[n - 1][k] : 0);
    }
    return c;
}

std::vector<short> masquesde(int nbvaleurs) {
    std::vector<short> liste;
    for (short m = 0; m < 64; ++m)
        if (std::popcount(static_cast<unsigned>(m)) == nbvaleurs) liste.push_back(m);
    return liste;
}

TEST(combitables, vofacto_covers_0_to_6_and_is_0_elsewhere) {
    std::int64_t f = 1;
    for (short n = 0; n <= 6; ++n) {
        if (n > 0) f *= n;
        EXPECT_EQ(vofacto(n), f) << "n " << n;
    }
    EXPECT_EQ(vofacto(7), 0);
    EXPECT_EQ(vofacto(-1), 0);
    EXPECT_EQ(vofacto(32767), 0);
}

TEST(combitables, vonombrecombi_matches_pascal_while_it_fits_in_16_bits) {
    const auto c = pascal(40);
    for (short n = -2; n <= 40; ++n) {
        for (short k = -2; k <= 41; ++k) {
            std::int64_t attendu = 0;
            if (k >= 1 && k <= n && c[n][k] <= 32767) attendu = c[n][k];
            EXPECT_EQ(vonombrecombi(k, n), attendu) << "k " << k << " n " << n;
        }
    }
    EXPECT_EQ(vonombrecombi(0, 5), 0);
    EXPECT_EQ(vonombrecombi(2, 6), 15);
    EXPECT_EQ(vonombrecombi(8, 17), 24310);
    EXPECT_EQ(vonombrecombi(9, 18), 0) << "48620 does not fit in 16 bits";
    EXPECT_EQ(vonombrecombi(1, 32767), 32767);
    EXPECT_EQ(vonombrecombi(2, 32767), 0);
}

TEST(combitables, binomial_table_holds_c_n_k_for_1_le_k_le_n_le_6_only) {
    const auto c = pascal(6);
    for (short k = 0; k <= 6; ++k)
        for (short n = 0; n <= 6; ++n)
            EXPECT_EQ(vocombitab(k, n), (k >= 1 && k <= n) ? c[n][k] : 0)
                << "k " << k << " n " << n;
    for (short hors : std::initializer_list<short>{-1, 7, 32767, -32768}) {
        EXPECT_EQ(vocombitab(hors, 6), 0);
        EXPECT_EQ(vocombitab(1, hors), 0);
    }
}

TEST(combitables, ordered_row_lists_values_in_the_mask_then_the_others_each_increasing) {
    for (short m = 0; m < 64; ++m) {
        std::vector<short> attendu{static_cast<short>(std::popcount(static_cast<unsigned>(m)))};
        for (short v = 1; v <= 6; ++v)
            if (m & (1 << (v - 1))) attendu.push_back(v);
        for (short v = 1; v <= 6; ++v)
            if (!(m & (1 << (v - 1)))) attendu.push_back(v);
        std::vector<short> ligne;
        for (short i = 0; i <= 6; ++i) ligne.push_back(vovaleurordre(m, i));
        EXPECT_EQ(ligne, attendu) << "mask " << m;
    }
    std::vector<short> ligne5;
    for (short i = 0; i <= 6; ++i) ligne5.push_back(vovaleurordre(5, i));
    EXPECT_EQ(ligne5, (std::vector<short>{2, 1, 3, 2, 4, 5, 6}));
}

TEST(combitables, ordered_row_ignores_high_mask_bits_and_answers_0_outside_the_row) {
    for (short i = 0; i <= 6; ++i) {
        EXPECT_EQ(vovaleurordre(64 + 5, i), vovaleurordre(5, i));
        EXPECT_EQ(vovaleurordre(-1, i), vovaleurordre(63, i));
    }
    EXPECT_EQ(vovaleurordre(5, -1), 0);
    EXPECT_EQ(vovaleurordre(5, 7), 0);
    EXPECT_EQ(vovaleurordre(5, 32767), 0);
}

TEST(combitables, pair_and_triple_lists_hold_the_masks_of_two_and_three_values_in_order) {
    const auto paires = masquesde(2);
    const auto triples = masquesde(3);
    ASSERT_EQ(paires.size(), static_cast<size_t>(nbvopaires));
    ASSERT_EQ(triples.size(), static_cast<size_t>(nbvotriples));
    for (short i = 1; i <= nbvopaires; ++i) EXPECT_EQ(vopaire(i), paires[i - 1]) << "pair " << i;
    for (short i = 1; i <= nbvotriples; ++i)
        EXPECT_EQ(votriple(i), triples[i - 1]) << "triple " << i;
    EXPECT_EQ(vopaire(1), 3);
    EXPECT_EQ(vopaire(15), 48);
    EXPECT_EQ(votriple(1), 7);
    EXPECT_EQ(votriple(20), 56);
    for (short hors : std::initializer_list<short>{0, -1, 21, 32767}) {
        EXPECT_EQ(vopaire(hors), 0) << "pair " << hors;
        EXPECT_EQ(votriple(hors), 0) << "triple " << hors;
    }
    EXPECT_EQ(vopaire(16), 0);
}

TEST(combitables, filling_again_changes_no_table) {
    votabrapidite();
    votabordre();
    globinitvocalcul();
    const auto paires = masquesde(2);
    const auto triples = masquesde(3);
    for (short i = 1; i <= nbvopaires; ++i) EXPECT_EQ(vopaire(i), paires[i - 1]) << "pair " << i;
    for (short i = 1; i <= nbvotriples; ++i)
        EXPECT_EQ(votriple(i), triples[i - 1]) << "triple " << i;
    EXPECT_EQ(vocombitab(3, 6), 20);
    EXPECT_EQ(vovaleurordre(63, 0), 6);
    EXPECT_EQ(vovaleurordre(0, 6), 6);
}

} // namespace
