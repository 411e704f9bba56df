// Tests of line input and output and the file helpers.
#include "foundation/textfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string temppath(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("vora_textfile_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + name))
        .string();
}

void writebytes(const std::string& path, const std::string& bytes) {
    gdfile f;
    ASSERT_TRUE(openout(f, path.c_str()));
    std::fwrite(bytes.data(), 1, bytes.size(), f.get());
}

// Every line heaplinput gives until eof, followed by "<eof>".
std::vector<std::string> readall(const std::string& path) {
    std::vector<std::string> lines;
    gdfile f;
    bool eof = false;
    if (!openin(f, path.c_str(), eof)) return lines;
    for (int guard = 0; guard < 1000; ++guard) {
        heaptext line = heaplinput(f.get(), eof);
        if (eof) {
            EXPECT_STREQ(line.adr(), "") << "the eof call gives an empty text";
            lines.push_back("<eof>");
            break;
        }
        lines.push_back(line.adr());
    }
    return lines;
}

using lines = std::vector<std::string>;

TEST(TextFile, AcceptsEveryLineEnd) {
    std::string path = temppath("ends");
    writebytes(path, "lf\ncr\rcrlf\r\nlfcr\n\rlast");
    EXPECT_EQ(readall(path), (lines{"lf", "cr", "crlf", "lfcr", "last", "<eof>"}));
    writebytes(path, "a\n\nb\r\rc\r\n\r\n");
    EXPECT_EQ(readall(path), (lines{"a", "", "b", "", "c", "", "<eof>"}))
        << "a repeated line end character starts a new line";
    fikill(path.c_str());
}

TEST(TextFile, LastLineWithoutLineEndIsReturnedThenEof) {
    std::string path = temppath("last");
    writebytes(path, "one\r\ntwo  ");
    EXPECT_EQ(readall(path), (lines{"one", "two", "<eof>"})) << "lines are right-trimmed";
    writebytes(path, "");
    EXPECT_EQ(readall(path), (lines{"<eof>"}));
    fikill(path.c_str());
}

TEST(TextFile, LongLinesAndArbitraryBytes) {
    std::string path = temppath("bytes");
    std::string longline(50000, 'x');
    std::string high = "\xe9t\xe9\xff\x01";
    writebytes(path, longline + "\n" + high + "\n" + std::string("a\0b", 3) + "\n");
    EXPECT_EQ(readall(path), (lines{longline, high, "a", "<eof>"}))
        << "a NUL byte ends the returned text but not the line";
    fikill(path.c_str());
}

TEST(TextFile, WritesCrLfLinesAndReportsFiles) {
    std::string path = temppath("write");
    {
        gdfile f;
        ASSERT_TRUE(openout(f, path.c_str()));
        ecriligne(f.get(), "a", nullptr, "b", "c");
        ecricrlf(f.get());
    }
    {
        gdfile f;
        ASSERT_TRUE(openap(f, path.c_str()));
        ecriligne(f.get(), "z");
    }
    EXPECT_TRUE(fichexiste(path.c_str()));
    EXPECT_EQ(gdlof(path.c_str()), 10);
    EXPECT_EQ(readall(path), (lines{"abc", "", "z", "<eof>"}));
    EXPECT_TRUE(fikill(path.c_str()));
    EXPECT_FALSE(fichexiste(path.c_str()));
    EXPECT_EQ(gdlof(path.c_str()), -1);
}

TEST(TextFile, MissingFilesAndNullHandlesAreHarmless) {
    gdfile f;
    bool eof = false;
    EXPECT_FALSE(openin(f, "/nonexistent/dir/file.txt", eof));
    EXPECT_TRUE(eof);
    heaptext line = heaplinput(nullptr, eof);
    EXPECT_TRUE(eof);
    EXPECT_STREQ(line.adr(), "");
    ecriligne(nullptr, "x");
    EXPECT_FALSE(fikill("/nonexistent/dir/file.txt"));
}

} // namespace
