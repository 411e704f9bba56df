// Tests of the parameter file's line rules: line ends, the player's lines
// told apart with any blanks, and the bytes a kept line loses.
#include "shell/core/lignesparam.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Lignesparam, LinesEndWithCrLfCrOrLf) {
    using v = std::vector<std::string_view>;
    EXPECT_EQ(decoupelignes(""), v{});
    EXPECT_EQ(decoupelignes("a"), v{"a"});
    EXPECT_EQ(decoupelignes("a\r\nb\rc\nd"), (v{"a", "b", "c", "d"}));
    EXPECT_EQ(decoupelignes("a\n\rb\r\r\nc\r\n"), (v{"a", "", "b", "", "c"}));
    EXPECT_EQ(decoupelignes("\r\n\r\n"), (v{"", ""}));
}

TEST(Lignesparam, ThePlayersLinesWithAnyBlanks) {
    const struct {
        const char* ligne;
        bool usr;
    } cas[] = {
        {"usr=x", true},
        {"USR=x", true},
        {"usr =x", true},
        {"usr\t=x", true},
        {"\tusr=x", true},
        {" \t usr  =", true},
        {"Usr=", true},
        {"usr", false},
        {"usrx=1", false},
        {"us r=1", false},
        {"xusr=1", false},
        {"\x01usr=1", false},
        {"\xEF\xBB\xBFusr=", false},
        {"", false},
        {"=usr", false},
        {"usr:=1", false},
    };
    for (const auto& c : cas) EXPECT_EQ(ligneusr(c.ligne), c.usr) << c.ligne;
}

TEST(Lignesparam, AKeptLineLosesOnlyTheBytesNoFileHolds) {
    const struct {
        std::string ligne;
        std::string gardee;
    } cas[] = {
        {"usr=abc", "usr=abc"},
        {"\tusr=a\tb", "\tusr=a\tb"},
        {"usr=a \t \t", "usr=a"},
        {"usr=a\x01"
         "b\x1f"
         "c",
         "usr=abc"},
        {"usr=\x1a\x7f\xE9\xFF", "usr=\x1a\x7f\xE9\xFF"},
        {std::string("usr=a\0b", 7), "usr=a"},
        {"usr=a \x02", "usr=a"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(ligneusrgardee(c.ligne), c.gardee) << c.ligne;
        EXPECT_EQ(ligneusrgardee(c.gardee), c.gardee) << "kept as it is once kept";
    }
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(octetinterdit(static_cast<unsigned char>(c)),
                  c < 32 && c != '\t' && c != '\r' && c != '\n' && c != 26)
            << c;
    EXPECT_EQ(sansblancsparam(" \t a b\t "), "a b");
    EXPECT_EQ(sansblancsparam(" \t "), "");
}

} // namespace
