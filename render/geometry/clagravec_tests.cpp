// Tests of the vector bases: the hexagonal base of six, the rectangular base,
// n-vector bases, path offsets with cell suffixes, and the third-base size.
#include "render/geometry/clagravec.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using vecteurs = std::vector<std::pair<short, short>>;

vecteurs table(const clagravec& b) {
    vecteurs v;
    for (short i = 0; i < b.getnombre(); ++i) v.emplace_back(b.getvecx(i), b.getvecy(i));
    return v;
}

std::string noms(const clagravec& b) {
    std::string s;
    for (short i = 0; i < b.getnombre(); ++i) s += std::string(b.getnomvec(i)) + ",";
    return s;
}

TEST(clagravec, new_base_is_the_six_directions_of_size_20) {
    clagravec b;
    EXPECT_EQ(b.getnombre(), 6);
    EXPECT_EQ(b.getdemi(), 3);
    EXPECT_EQ(b.gettaille(), 20);
    EXPECT_TRUE(b.memequedirections());
    EXPECT_FALSE(b.estrec());
    EXPECT_EQ(table(b), (vecteurs{{20, 0}, {10, 17}, {-10, 17}, {-20, 0}, {-10, -17}, {10, -17}}));
    EXPECT_EQ(noms(b), "A,B,C,D,E,F,");
    EXPECT_EQ(b.getchemin().getdirections().gettaille(), 20);
}

TEST(clagravec, hexagonal_paths_follow_path_notation_and_ignore_the_cell_suffix) {
    clagravec b;
    EXPECT_EQ(b.posicheminx("AB"), 30);
    EXPECT_EQ(b.posicheminy("AB"), 17);
    EXPECT_EQ(b.posicheminx("AB:AF"), 30);
    EXPECT_EQ(b.posicheminy("AB:AF"), 17);
    EXPECT_EQ(b.posicheminx("A3"), 60) << "a repeat digit counts in the six-direction base";
    EXPECT_EQ(b.posicheminx("A0B"), 20) << "reading stops at 0";
    EXPECT_EQ(b.posicheminx("AD"), 0);
    EXPECT_EQ(b.posicheminx(""), 0);
    EXPECT_EQ(b.posicheminx(nullptr), 0);
}

TEST(clagravec, turning_the_hexagonal_base_turns_the_directions) {
    clagravec b;
    b.setbase(6, 30);
    b.setangle(90);
    EXPECT_TRUE(b.memequedirections());
    EXPECT_EQ(b.getvecx(0), 0);
    EXPECT_EQ(b.getvecy(0), 30);
    EXPECT_EQ(b.getchemin().getdirections().getangle(), 90);
    EXPECT_EQ(b.posicheminy("A2"), 60);
    EXPECT_EQ(b.posicheminx("D"), 0);
}

TEST(clagravec, rectangular_base_of_size_10_at_angle_0) {
    clagravec b;
    b.setbaserec(6, 10);
    EXPECT_TRUE(b.estrec());
    EXPECT_FALSE(b.memequedirections()) << "the rectangular table is not the direction set";
    EXPECT_EQ(table(b), (vecteurs{{20, 0}, {10, 10}, {-10, 10}, {-20, 0}, {-10, -10}, {10, -10}}));
    EXPECT_EQ(noms(b), ",,,,,,");
    EXPECT_EQ(b.getchemin().getdirections().gettaille(), 20) << "the path object keeps its size";
    EXPECT_EQ(b.posicheminx("AB:AF"), 30);
    EXPECT_EQ(b.posicheminy("AB:AF"), 10);
    EXPECT_EQ(b.posicheminx("A0 B"), 30) << "0 and blanks are skipped";
}

TEST(clagravec, rectangular_base_turns_exactly_at_a_quarter_turn) {
    clagravec b;
    b.setbaserec(6, 10);
    b.setangle(90);
    EXPECT_EQ(table(b), (vecteurs{{0, 20}, {-10, 10}, {-10, -10}, {0, -20}, {10, -10}, {10, 10}}));
    EXPECT_EQ(b.getchemin().getdirections().getangle(), 90);
}

TEST(clagravec, rectangular_base_fills_only_the_entries_it_has) {
    clagravec petit;
    petit.setbaserec(4, 10);
    EXPECT_EQ(table(petit), (vecteurs{{20, 0}, {10, 10}, {-10, 10}, {-20, 0}}));
    EXPECT_EQ(petit.posicheminx("AE"), 20) << "E names no entry of a four-vector base";
    clagravec grand;
    grand.setbaserec(8, 10);
    EXPECT_EQ(grand.getvecx(5), 10);
    EXPECT_EQ(grand.getvecx(6), 0);
    EXPECT_EQ(grand.getvecy(7), 0);
}

TEST(clagravec, n_vector_base_spreads_vectors_evenly_from_the_angle) {
    clagravec b;
    b.setbase(4, 10);
    EXPECT_FALSE(b.memequedirections());
    EXPECT_EQ(b.getdemi(), 2);
    EXPECT_EQ(table(b), (vecteurs{{10, 0}, {0, 10}, {-10, 0}, {0, -10}}));
    EXPECT_EQ(noms(b), "A,B,C,D,");
    b.setangle(90);
    EXPECT_EQ(table(b), (vecteurs{{0, 10}, {-10, 0}, {0, -10}, {10, 0}}));

    clagravec huit;
    huit.setbase(8, 10);
    EXPECT_EQ(huit.getvecx(1), 7) << "7.07 rounds to 7";
    EXPECT_EQ(huit.getvecy(3), 7);
    EXPECT_EQ(huit.getvecx(3), -7);
    clagravec trois;
    trois.setbase(3, 10);
    EXPECT_EQ(table(trois), (vecteurs{{10, 0}, {-5, 9}, {-5, -9}}));
}

TEST(clagravec, n_vector_paths_sum_letters_and_stop_at_the_cell_suffix) {
    clagravec b;
    b.setbase(4, 10);
    EXPECT_EQ(b.posicheminx("AB:AF"), 10);
    EXPECT_EQ(b.posicheminy("AB:AF"), 10);
    EXPECT_EQ(b.posicheminx("AA0A"), 30);
    EXPECT_EQ(b.posicheminx("A3"), 10) << "a repeat digit means nothing outside the six directions";
    EXPECT_EQ(b.posicheminx("AEz"), 10) << "characters naming no entry add nothing";
    EXPECT_EQ(b.posicheminx(""), 0);
    EXPECT_EQ(b.posicheminx(nullptr), 0);
}

TEST(clagravec, going_back_to_six_vectors_uses_the_directions_again) {
    clagravec b;
    b.setbase(4, 10);
    b.setbase(6, 10);
    EXPECT_TRUE(b.memequedirections());
    EXPECT_EQ(b.posicheminy("B"), 9);
    EXPECT_EQ(b.getchemin().getdirections().gettaille(), 10);
}

TEST(clagravec, cleared_or_freed_bases_read_nothing) {
    clagravec b;
    b.forhexa();
    b.setbase(4, 10);
    b.setangle(30);
    b.clear();
    EXPECT_EQ(b.getnombre(), 0);
    EXPECT_EQ(b.getdemi(), 0);
    EXPECT_FALSE(b.estpourhexa());
    EXPECT_FALSE(b.memequedirections());
    EXPECT_EQ(b.getangle(), 0.0f);
    EXPECT_EQ(b.posicheminx("AB"), 0);
    EXPECT_EQ(b.getvecx(0), 0);
    EXPECT_STREQ(b.getnomvec(0), "");

    b.setbase(4, 10);
    b.freetab();
    EXPECT_EQ(b.posicheminx("AB"), 0);
    b.setangle(45);
    EXPECT_EQ(b.posicheminy("AB"), 0);

    b.setbase(-3, 10);
    EXPECT_EQ(b.getnombre(), 0);
    EXPECT_EQ(b.posicheminx("A"), 0);
}

TEST(tailletiers, third_of_the_size_to_the_nearest_pixel) {
    struct cas {
        short taille;
        short tiers;
    };
    for (const cas& c : {cas{20, 7}, cas{22, 7}, cas{23, 8}, cas{30, 10}, cas{0, 0}, cas{1, 0},
                         cas{2, 1}, cas{32765, 10922}, cas{32767, 10922}, cas{-2, 0}})
        EXPECT_EQ(tailletiers(c.taille), c.tiers) << "size " << c.taille;
}

} // namespace
