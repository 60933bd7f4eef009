#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "graphics/help_file.h"

namespace zel3 {
namespace {

using Lines = std::vector<std::string>;

HelpEntry Find(const std::string& file, int number) {
    std::istringstream in(file);
    return FindHelpEntry(in, number);
}

TEST(HelpFile, FileChoiceByNumber) {
    EXPECT_EQ(HelpFileName(4000, "ZEL3"), "zel3.hlp");
    EXPECT_EQ(HelpFileName(3995, "ZEL3"), "trellox.hlp");
    EXPECT_EQ(HelpFileName(0, "zel3"), "trellox.hlp");
}

TEST(HelpFile, EntryWithPictureAndContinuations) {
    const std::string file =
        "1225\r\nother entry\r\n"
        "1230: bild1\r\nfirst line\r\n1231\r\nsecond line\r\nthird line\r\n"
        "1235\r\nnext entry\r\n";
    HelpEntry e = Find(file, 1230);
    ASSERT_TRUE(e.found);
    EXPECT_EQ(e.picture, "bild1");
    EXPECT_TRUE(HasHelpPicture(e));
    EXPECT_EQ(e.lines, (Lines{"first line", "second line", "third line"}));
    HelpEntry next = Find(file, 1235);
    ASSERT_TRUE(next.found);
    EXPECT_EQ(next.lines, Lines{"next entry"});
    EXPECT_FALSE(HasHelpPicture(next));
    EXPECT_EQ(next.picture, "NULL");
}

TEST(HelpFile, ContinuationNumbersMustMatchTheirPosition) {
    // 1232 at position 1: its text is dropped; 1232 at position 2 is taken.
    EXPECT_EQ(Find("1230\nA\n1232\nB\n1232\nC\nD\n", 1230).lines, (Lines{"A", "C", "D"}));
    // At most five lines; the sixth starts an entry nobody can ask for.
    EXPECT_EQ(Find("0100\n1\nb\nc\nd\ne\nf\n0105\nx\n", 100).lines,
              (Lines{"1", "b", "c", "d", "e"}));
    EXPECT_EQ(Find("0100\n1\nb\nc\nd\ne\nf\n0105\nx\n", 105).lines, Lines{"x"});
}

TEST(HelpFile, NumbersInTheFirstFourCharacters) {
    int n = 0;
    EXPECT_TRUE(HelpLineNumber("1230:x", n));
    EXPECT_EQ(n, 1230);
    EXPECT_TRUE(HelpLineNumber("  15", n));
    EXPECT_EQ(n, 15);
    EXPECT_TRUE(HelpLineNumber("12", n));
    EXPECT_FALSE(HelpLineNumber("10 N", n));
    EXPECT_FALSE(HelpLineNumber("", n));
    EXPECT_FALSE(HelpLineNumber("    ", n));
    EXPECT_FALSE(HelpLineNumber("Text", n));
    // A header that is no number is a text line, never a match.
    EXPECT_FALSE(Find("Hallo\n0000\nx\n", 0).lines.empty());
    EXPECT_EQ(Find("Hallo\n0000\nx\n", 0).lines, Lines{"x"});
}

TEST(HelpFile, MissingEntriesAndDamagedFiles) {
    EXPECT_FALSE(Find("1230\nA\n", 1240).found);
    EXPECT_TRUE(Find("1230\nA\n", 1240).fileFound);
    EXPECT_FALSE(Find("", 5).found);
    // A header as the last line, continuation without its text.
    EXPECT_TRUE(Find("1230", 1230).found);
    EXPECT_EQ(Find("1230\nA\n1231", 1230).lines, Lines{"A"});
    // Binary junk and a line without end.
    std::string junk(100000, '\0');
    for (size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>(i * 7);
    EXPECT_FALSE(Find(junk, 1230).found);
    HelpEntry e = Find("1230\n" + std::string(1000000, 'x'), 1230);
    ASSERT_EQ(e.lines.size(), 5u);
    for (const auto& l : e.lines) EXPECT_LE(l.size(), 2000u);
    EXPECT_FALSE(ReadHelpEntry("/nonexistent/", 1230, "zel3").fileFound);
}

}  // namespace
}  // namespace zel3
