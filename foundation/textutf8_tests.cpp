// Tests of the Windows-1252 to UTF-8 conversion.
#include "foundation/textutf8.h"

#include <gtest/gtest.h>

namespace {

TEST(textutf8, FromWindows1252) {
    EXPECT_EQ(utf8de1252("abc\n"), "abc\n");
    EXPECT_EQ(utf8de1252("r\xE8gles \xAB ? \xBB"), "r\xC3\xA8gles \xC2\xAB ? \xC2\xBB");
    EXPECT_EQ(utf8de1252("\x85\x80\x9C"), "\xE2\x80\xA6\xE2\x82\xAC\xC5\x93");
    EXPECT_EQ(utf8de1252("\x81"), "\xEF\xBF\xBD");
    EXPECT_EQ(utf8de1252(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

} // namespace
