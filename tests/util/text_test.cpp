#include "util/text.h"

#include <gtest/gtest.h>

namespace zel3 {
namespace {

TEST(Text, TrimAndBlanks) {
    EXPECT_EQ(Trim("  ab c  "), "ab c");
    EXPECT_EQ(Trim("    "), "");
    EXPECT_EQ(Trim(std::string(255, ' ') + "x"), "");
    EXPECT_EQ(Trim(std::string(254, ' ') + "x"), "x");
    EXPECT_EQ(RemoveBlanks(" a b  c "), "abc");
}

TEST(Text, PartsAndPadding) {
    EXPECT_EQ(LeftPart("abcdef", 2), "ab");
    EXPECT_EQ(LeftPart("ab", 5), "ab");
    EXPECT_EQ(LeftPart("ab", -1), "");
    EXPECT_EQ(RightPart("abcdef", 2), "ef");
    EXPECT_EQ(RightPart("ab", 5), "ab");
    EXPECT_EQ(PadRight("ab", 4), "ab  ");
    EXPECT_EQ(PadRight("abcdef", 4), "abcd");
    EXPECT_EQ(AlignRight(" ab ", 4), "  ab");
    EXPECT_EQ(AlignRight("abcdef", 3), "abc");
    EXPECT_EQ(ReplaceChar("1.5.2", '.', ','), "1,5,2");
    EXPECT_EQ(UpperAscii("a\x84z"), "A\x84Z");
    EXPECT_EQ(LowerAscii("A\x8EZ"), "a\x8Ez");
}

TEST(Text, LastPos) {
    EXPECT_EQ(LastPos("/", "a/b/c"), 4);
    EXPECT_EQ(LastPos("x", "abc"), 0);
    EXPECT_EQ(LastPos("", "abc"), 0);
    EXPECT_EQ(LastPos("abc", "abc"), 1);
}

TEST(Text, WithBackslashFollowsTheCharacterClasses) {
    EXPECT_EQ(WithBackslash(" /home/data "), "/home/data/");
    EXPECT_EQ(WithBackslash("/home/data/"), "/home/data/");
    EXPECT_EQ(WithBackslash(""), "");
    EXPECT_EQ(WithBackslash("c:"), "c:");
    EXPECT_EQ(WithBackslash("dir."), "dir.");
    EXPECT_EQ(WithBackslash("dir_x"), "dir_x/");
    EXPECT_EQ(WithBackslash("A"), "A/");
    EXPECT_EQ(WithBackslashAfterColon("c:"), "c:/");
    // Folder names end in any letter, byte by byte: UTF-8 and code page 850 alike.
    EXPECT_EQ(WithBackslash("/home/j\xC3\xBCrgen/Gr\xC3\xB6\xC3\x9F"),
              "/home/j\xC3\xBCrgen/Gr\xC3\xB6\xC3\x9F/");
    EXPECT_EQ(WithBackslash("/daten/\x84nderung\x94"), "/daten/\x84nderung\x94/");
    EXPECT_EQ(WithBackslash("/daten/stand-"), "/daten/stand-/");
    EXPECT_EQ(WithBackslash("/daten/alt~"), "/daten/alt~/");
    EXPECT_EQ(WithBackslashAfterColon("/daten/alt~"), "/daten/alt~/");
    EXPECT_EQ(WithoutBackslash("/a/b/"), "/a/b");
    EXPECT_EQ(WithoutBackslash("/a/b"), "/a/b");
}

TEST(Text, ShortenPath) {
    const std::string p60 =
        "/home/someone/projects/contact/series/" + std::string(17, 'x') + ".zl3";
    ASSERT_EQ(p60.size(), 59u);
    EXPECT_EQ(ShortenPath(p60), "/.../" + std::string(17, 'x') + ".zl3");
    const std::string p49 = "/home/a/" + std::string(37, 'y') + ".zl3";
    ASSERT_EQ(p49.size(), 49u);
    EXPECT_EQ(ShortenPath(p49), p49);
    const std::string oneSep = "/" + std::string(60, 'z');
    EXPECT_EQ(ShortenPath(oneSep), oneSep);
}

TEST(Text, ShortenMiddle) {
    EXPECT_EQ(ShortenMiddle("short", 10), "short");
    const std::string s = ShortenMiddle("abcdefghijklmnopqrstuvwxyz", 15);
    EXPECT_EQ(s.size(), 15u);
    EXPECT_EQ(s, "abcde ... vwxyz");
}

}  // namespace
}  // namespace zel3
