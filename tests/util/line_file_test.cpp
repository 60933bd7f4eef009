#include "util/line_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "util/safe_file.h"

namespace zel3 {
namespace {

TEST(LineReader, ReadsEachKindOfLine) {
    bool error = false;
    LineReader r("text\r\nJa\r\n42\r\n2,5\r\ntrue\r\ntrue\r\na|b|c|d\r\n", error);
    std::string t;
    char c = 0;
    int i = 0;
    double d = 0;
    bool strict = false, lenient = false;
    std::array<std::string, 4> four;
    EXPECT_TRUE(r.ReadText(t));
    EXPECT_TRUE(r.ReadChar(c));
    EXPECT_TRUE(r.ReadInt(i));
    EXPECT_TRUE(r.ReadFloat(d));
    EXPECT_TRUE(r.ReadBoolStrict(strict));
    EXPECT_TRUE(r.ReadBoolLenient(lenient));
    EXPECT_TRUE(r.ReadFourTexts(four));
    EXPECT_TRUE(r.AtEnd());
    EXPECT_FALSE(error);
    EXPECT_EQ(t, "text");
    EXPECT_EQ(c, 'J');
    EXPECT_EQ(i, 42);
    EXPECT_DOUBLE_EQ(d, 2.5);
    EXPECT_TRUE(strict);
    EXPECT_TRUE(lenient);
    EXPECT_EQ(four[0], "a");
    EXPECT_EQ(four[3], "d");
}

TEST(LineReader, BooleansAndNonNumbers) {
    bool error = false;
    LineReader r("\n\nabc\nx\n", error);
    bool strict = true, lenient = false;
    int i = 5;
    double d = 5;
    r.ReadBoolStrict(strict);
    r.ReadBoolLenient(lenient);
    r.ReadInt(i);
    r.ReadFloat(d);
    EXPECT_FALSE(strict);
    EXPECT_TRUE(lenient);
    EXPECT_EQ(i, 0);
    EXPECT_EQ(d, 0);
    EXPECT_FALSE(error);
}

TEST(LineReader, LastLineWithoutLineEnd) {
    bool error = false;
    LineReader r("a\nb", error);
    std::string t;
    r.ReadText(t);
    EXPECT_FALSE(r.AtEnd());
    r.ReadText(t);
    EXPECT_EQ(t, "b");
    EXPECT_TRUE(r.AtEnd());
}

TEST(LineReader, ReadingPastTheEndKeepsValueAndSetsFlag) {
    bool error = false;
    LineReader r("1\r\n", error);
    int a = 7, b = 7;
    EXPECT_TRUE(r.ReadInt(a));
    EXPECT_FALSE(r.ReadInt(b));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 7);
    EXPECT_TRUE(error);
}

TEST(LineReader, BinaryAndOverlongLinesAreErrors) {
    bool error = false;
    std::string data = std::string("ok\n") + std::string("bin\0ary", 7) + "\n" +
                       std::string(LineReader::kMaxLineLength + 1, 'x') + "\nlast\n";
    LineReader r(data, error);
    std::string t = "default";
    EXPECT_TRUE(r.ReadText(t));
    t = "default";
    EXPECT_FALSE(r.ReadText(t));
    EXPECT_EQ(t, "default");
    EXPECT_TRUE(error);
    EXPECT_FALSE(r.ReadText(t));
    EXPECT_EQ(t, "default");
    EXPECT_TRUE(r.ReadText(t));  // the reader stays in step with the lines
    EXPECT_EQ(t, "last");
}

TEST(LineReader, MissingFileIsNotOpen) {
    bool error = false;
    LineReader r = LineReader::FromFile("/nonexistent/zel3/none.cfg", error);
    EXPECT_FALSE(r.isOpen());
    EXPECT_TRUE(r.AtEnd());
    EXPECT_FALSE(error);
}

TEST(LineWriter, WritesCrLfLinesThatReadBack) {
    NumberFormat nf;
    LineWriter w;
    w.WriteText("a\nb");
    w.WriteInt(-3);
    w.WriteStored(nf, 1.02);
    w.WriteBool(true);
    EXPECT_EQ(w.content(), "a b\r\n-3\r\n1.0200000\r\nTRUE\r\n");

    const std::string path = testing::TempDir() + "zel3_line_file_test.txt";
    WriteFileReplacing(path, w.content());
    bool error = false;
    LineReader r = LineReader::FromFile(path, error);
    ASSERT_TRUE(r.isOpen());
    std::string t;
    int i = 0;
    double d = 0;
    bool b = false;
    r.ReadText(t);
    r.ReadInt(i);
    r.ReadFloat(d);
    r.ReadBoolStrict(b);
    EXPECT_EQ(t, "a b");
    EXPECT_EQ(i, -3);
    EXPECT_DOUBLE_EQ(d, 1.02);
    EXPECT_TRUE(b);
    EXPECT_FALSE(error);
    std::remove(path.c_str());
}

TEST(WriteFileReplacing, FailureLeavesNoFileAndThrows) {
    EXPECT_THROW(WriteFileReplacing("/nonexistent-dir-zel3/x.cfg", "x"), std::exception);
}

}  // namespace
}  // namespace zel3
