// Tests of the ordered list of owned texts.
#include "foundation/lichavo.h"

#include "foundation/depile.h"
#include "foundation/textcompare.h"
#include "foundation/textfile.h"

#include "foundation/lichavo_testing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace lichavotesting;

TEST(LichavoSort, InsertsNewestFirstAmongEqualElements) {
    lichavo l;
    l.pinsert("b");
    l.pinsert("A");
    l.pinsert("a");
    EXPECT_EQ(contents(l), (texts{"a", "A", "b"}));
    EXPECT_TRUE(l.tribon());
}

TEST(LichavoSort, ModeSelectsByteOrNaturalOrder) {
    lichavo natural;
    natural.settrimode(1);
    lichavo bytes;
    for (const char* t : {"x10", "x9", "x100"}) {
        natural.pinsert(t);
        bytes.pinsert(t);
    }
    EXPECT_EQ(contents(natural), (texts{"x9", "x10", "x100"}));
    EXPECT_EQ(contents(bytes), (texts{"x10", "x100", "x9"}));
    EXPECT_TRUE(natural.tribon());
    natural.settrimode(0);
    EXPECT_FALSE(natural.tribon());
    EXPECT_EQ(natural.quigrand("x9", "x10"), 1);
}

TEST(LichavoSort, TrialphaSortsAndReversesEqualElements) {
    lichavo l = listof({"b", "a1", "A1", "c", "a1"});
    l.trialpha();
    EXPECT_EQ(contents(l), (texts{"a1", "A1", "a1", "b", "c"}));
    lichavo m = listof({"X", "x"});
    m.trialpha();
    EXPECT_EQ(contents(m), (texts{"x", "X"}));
    EXPECT_TRUE(lichavo().tribon());
}

TEST(LichavoSort, OneFormsSkipPresentTexts) {
    lichavo l;
    EXPECT_TRUE(l.pinsertone("b"));
    EXPECT_FALSE(l.pinsertone("B"));
    EXPECT_FALSE(l.zinsertone(heapnew("b"))) << "the adopted buffer is freed (ASan checks)";
    EXPECT_TRUE(l.zinsertone(heapnew("a")));
    EXPECT_TRUE(l.paddone("z"));
    EXPECT_FALSE(l.zaddone(heapnew("Z")));
    EXPECT_EQ(contents(l), (texts{"a", "b", "z"}));
}

TEST(LichavoPositions, InsertsAtClippedIndices) {
    lichavo l = listof({"b", "d"});
    l.pinsert(2, "c");
    l.pinsert(-5, "a");
    l.zinsert(99, heapnew("e"));
    l.zinsert(1, heaptext());
    EXPECT_EQ(contents(l), (texts{"", "a", "b", "c", "d", "e"}));
    EXPECT_EQ(l.adr(0), nullptr);
    EXPECT_EQ(l.adr(7), nullptr);
    l.kill(1);
    l.kill(0);
    l.kill(42);
    l.killast();
    EXPECT_EQ(contents(l), (texts{"a", "b", "c", "d"}));
}

TEST(LichavoPositions, AdrStaysValidWhileOtherElementsChange) {
    lichavo l = listof({"keep"});
    const char* p = l.adr(1);
    for (int k = 0; k < 100; ++k) l.ppush("x");
    l.kill(1);
    EXPECT_STREQ(p, "keep");
}

TEST(LichavoStack, PushesAndPops) {
    lichavo l;
    l.ppush("1");
    l.zpush(heapnew("2"));
    l.padd("a", "b", "c");
    l.paddvide();
    EXPECT_EQ(contents(l), (texts{"2", "1", "abc", ""}));
    heaptext top = l.pop();
    EXPECT_STREQ(top.adr(), "2");
    gstring g;
    l.gpopto(g);
    EXPECT_STREQ(g.adr(), "1");
    char small[3];
    l.xpopto(small);
    EXPECT_STREQ(small, "ab") << "cut to the buffer's capacity";
    l.pop();
    EXPECT_TRUE(l.isempty());
    EXPECT_STREQ(l.pop().adr(), "") << "popping an empty list gives an empty text";
}

TEST(LichavoElements, ChangesOneElement) {
    lichavo l = listof({"  a  ", "b", "xAx"});
    l.ltrim(1);
    EXPECT_STREQ(l.adr(1), "a  ");
    l.rtrim(1);
    l.padding(2, 3);
    l.replaceall(3, "a", "yy");
    l.swap(1, 3);
    l.swap(1, 9);
    EXPECT_EQ(contents(l), (texts{"xyyx", "b  ", "a"}));
    l.modif(2, "new");
    l.modif(5, "ignored");
    l.replaceone(1, "Y", "");
    EXPECT_EQ(contents(l), (texts{"xyx", "new", "a"}));
    EXPECT_EQ(l.trouvexact("NEW"), 2);
    EXPECT_EQ(l.trouvexact("ne"), 0);
    EXPECT_EQ(l.trouvedeb("NE"), 2);
    EXPECT_EQ(l.trouvedeb("q"), 0);
}

TEST(LichavoOrder, ReversesClippedRanges) {
    lichavo l = listof({"1", "2", "3", "4", "5"});
    l.inversion(2, 4);
    EXPECT_EQ(contents(l), (texts{"1", "4", "3", "2", "5"}));
    l.inversion(-3, 2);
    EXPECT_EQ(contents(l), (texts{"4", "1", "3", "2", "5"}));
    l.inversion(4, 99);
    l.inversion(3, 3);
    l.inversion(5, 1);
    EXPECT_EQ(contents(l), (texts{"4", "1", "3", "5", "2"}));
    l.inversion();
    EXPECT_EQ(contents(l), (texts{"2", "5", "3", "1", "4"}));
}

TEST(LichavoReduction, RemovesEmptiesAndDoubles) {
    lichavo l = listof({"a", "A", "b", "a"});
    l.killdoubles();
    EXPECT_EQ(contents(l), (texts{"a", "b", "a"}));
    lichavo m = listof({"", "", "x", "", "", "", "y", ""});
    m.maxunevide();
    EXPECT_EQ(contents(m), (texts{"", "x", "", "y", ""}));
    m.killvides();
    EXPECT_EQ(contents(m), (texts{"x", "y"}));
}

TEST(LichavoApply, SingleElementFunctions) {
    lichavo l = listof({"1", "2", "3", "4"});
    std::string order;
    bool removed = l.parunekill([&](gstring& g) {
        order += g.adr();
        g.cat("!");
        return g.uqual("2!") || g.uqual("4!");
    });
    EXPECT_TRUE(removed);
    EXPECT_EQ(order, "4321") << "walks from the last element";
    EXPECT_EQ(contents(l), (texts{"1!", "3!"}));
    EXPECT_FALSE(l.parunekill([](gstring&) { return false; }));

    order.clear();
    l.parunekeepcroi([&](gstring& g) {
        order += g.adr();
        g.set("c");
    });
    EXPECT_EQ(order, "1!3!");
    l.parunekeepdec([&](gstring& g) { g.cat("d"); });
    EXPECT_EQ(contents(l), (texts{"cd", "cd"}));
}

TEST(LichavoApply, PairFunctionsActOnTheirCode) {
    lichavo l = listof({"a", "b", "c", "d", "e"});
    std::string pairs;
    bool removed = l.pardeuxkill([&](gstring& x, gstring& y) -> short {
        pairs += std::string(x.adr()) + y.adr() + " ";
        if (x.uqual("d")) return 2; // removes "e"
        if (x.uqual("b")) return 1; // removes "b"
        x.cat("+");
        return 0;
    });
    EXPECT_TRUE(removed);
    EXPECT_EQ(pairs, "de cd bc+ ac+ ") << "walks from the last pair";
    EXPECT_EQ(contents(l), (texts{"a+", "c+", "d"}));
    EXPECT_TRUE(l.pardeuxkill([](gstring& x, gstring&) -> short { return x.uqual("a+") ? 3 : 0; }));
    EXPECT_EQ(contents(l), (texts{"d"}));

    lichavo m = listof({"1", "2", "3"});
    m.pardeuxkeep([](gstring& x, gstring& y) {
        x.cat("x");
        y.cat("y");
    });
    EXPECT_EQ(contents(m), (texts{"1x", "2xy", "3y"})) << "last pair first";
}

TEST(LichavoMerge, MovesCopiesAndSwaps) {
    lichavo a = listof({"1"});
    lichavo b = listof({"2", "3"});
    a.mergekeep(b);
    EXPECT_EQ(contents(a), (texts{"1", "2", "3"}));
    a.mergeclean(b);
    EXPECT_TRUE(b.isempty());
    EXPECT_EQ(a.effectif(), 5);
    a.moveitemto(b, 2);
    a.moveitemto(b, 9);
    EXPECT_EQ(contents(b), (texts{"2"}));
    a.mergekeep(a);
    EXPECT_EQ(contents(a), (texts{"1", "3", "2", "3", "1", "3", "2", "3"}));
    a.settrimode(1);
    swaplicha(a, b);
    EXPECT_EQ(contents(a), (texts{"2"}));
    EXPECT_EQ(a.gettrimode(), 1) << "sort modes stay with their lists";
    EXPECT_EQ(b.pluslongue(), 1);
    EXPECT_EQ(b.totalong(1), 16);
}

TEST(LichavoText, JoinsAndSplitsCommaText) {
    lichavo l = listof({"1", "2"});
    gstring g;
    l.copytogstring(g);
    EXPECT_STREQ(g.adr(), "1,2,");
    l.movetogstring(g);
    EXPECT_STREQ(g.adr(), "1,2,");
    EXPECT_TRUE(l.isempty());
    l.padd("old");
    l.setfromgskill(g);
    EXPECT_EQ(contents(l), (texts{"1", "2"}));
    EXPECT_TRUE(g.isempty());
    gstring h(" a , ,b");
    l.setfromgskeep(h);
    EXPECT_EQ(contents(l), (texts{"a", "", "b"}));
    EXPECT_STREQ(h.adr(), " a , ,b");
}

TEST(LichavoText, SetfromgsGivesTheWordsThatDepilemotPops) {
    for (const char* text : {"  12 , ab,,x,", "  ", ",", "a, ,", ",, b ,c", ""}) {
        texts popped;
        gstring rest(text), word;
        while (rest.notempty()) {
            depilemot(word, rest.adr());
            popped.push_back(word.adr());
        }
        lichavo l;
        l.setfromgskeep(text);
        EXPECT_EQ(contents(l), popped) << "text \"" << text << "\"";
    }
    std::string big;
    for (int k = 0; k < 200000; ++k) big += "w,";
    lichavo l;
    l.setfromgskeep(big.c_str());
    EXPECT_EQ(l.effectif(), maxtextlen) << "200000 words, the count saturates";
}

TEST(LichavoFile, WritesAndReadsOneLinePerElement) {
    std::string path = (std::filesystem::temp_directory_path() / "vora_lichavo_file.txt").string();
    lichavo l = listof({"a", "", "b"});
    l.copycreafile(path.c_str());
    EXPECT_EQ(l.effectif(), 3);
    EXPECT_EQ(gdlof(path.c_str()), 8) << "each line ends with CR LF";

    lichavo kept, skipped;
    kept.addfromfilebkeep(path.c_str());
    skipped.addfromfilebkill(path.c_str());
    EXPECT_EQ(contents(kept), (texts{"a", "", "b"}));
    EXPECT_EQ(contents(skipped), (texts{"a", "b"}));

    l.movetofile(path.c_str());
    EXPECT_TRUE(l.isempty());
    {
        gdfile f;
        ASSERT_TRUE(openap(f, path.c_str()));
        kept.poptofile(f.get());
        kept.movetofile(f.get());
        kept.poptofile(f.get()); // empty: writes nothing
    }
    lichavo all;
    all.addfromfilebkeep(path.c_str());
    EXPECT_EQ(contents(all), (texts{"a", "", "b", "a", "", "b"}));
    fikill(path.c_str());

    lichavo none;
    none.addfromfilebkeep(path.c_str());
    EXPECT_TRUE(none.isempty());
    lichavo stays = listof({"x"});
    stays.movetofile("/nonexistent/dir/file.txt");
    EXPECT_EQ(stays.effectif(), 1) << "a file that cannot be created loses nothing";
}

TEST(LichavoText, RandomTextsSplitAsDepilemotPopsThem) {
    unsigned seed = 8;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    };
    static const char often[] = ",,  aA";
    for (int n = 0; n < 3000; ++n) {
        std::string text;
        for (std::size_t len = next() % 40; text.size() < len;)
            text += next() % 2 ? often[next() % (sizeof often - 1)]
                               : static_cast<char>(1 + next() % 255);
        texts popped;
        gstring rest(text.c_str()), word;
        while (rest.notempty()) {
            depilemot(word, rest.adr());
            popped.push_back(word.adr());
        }
        lichavo l;
        l.setfromgskeep(text.c_str());
        ASSERT_EQ(contents(l), popped) << "text \"" << text << "\"";
        // dansliste finds each word at the index where popping first gives it.
        for (std::size_t k = 0; k < popped.size(); ++k) {
            std::size_t first = 0;
            while (!strugal(popped[first].c_str(), popped[k].c_str())) ++first;
            ASSERT_EQ(dansliste(popped[k].c_str(), text.c_str()), static_cast<short>(first + 1))
                << "word \"" << popped[k] << "\" in \"" << text << "\"";
        }
    }
}

} // namespace
