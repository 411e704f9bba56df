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

// The lines heaplinput should give for bytes: split at "\n", "\r", "\r\n" and
// "\n\r", each cut at its first NUL and right-trimmed.
lines splitlines(const std::string& bytes) {
    lines out;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t end = bytes.find_first_of("\r\n", i);
        std::string line = bytes.substr(i, end == std::string::npos ? end : end - i);
        line.resize(std::char_traits<char>::length(line.c_str()));
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out.push_back(line);
        if (end == std::string::npos) break;
        i = end + 1;
        if (i < bytes.size() && (bytes[i] == '\r' || bytes[i] == '\n') && bytes[i] != bytes[end])
            ++i;
    }
    return out;
}

TEST(TextFile, RandomBytesReadAsTrimmedLinesThenEof) {
    unsigned seed = 77;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    };
    for (int n = 0; n < 2000; ++n) {
        const std::size_t len = n % 500 == 499 ? 40000 : next() % 120;
        std::string bytes;
        for (std::size_t i = 0; i < len; ++i) {
            const unsigned r = next();
            bytes += r % 4 == 0 ? "\r\n  "[r / 4 % 4] : static_cast<char>(next() % 256);
        }
        std::unique_ptr<std::FILE, gdfileclose> f(std::tmpfile());
        ASSERT_TRUE(f);
        std::fwrite(bytes.data(), 1, bytes.size(), f.get());
        std::rewind(f.get());
        lines got;
        bool eof = false;
        for (std::size_t guard = 0; guard <= len + 1; ++guard) {
            heaptext line = heaplinput(f.get(), eof);
            if (eof) break;
            got.push_back(line.adr());
        }
        ASSERT_TRUE(eof) << "the end of the file is reached";
        ASSERT_EQ(got, splitlines(bytes));
    }
}

} // namespace
