// Workbooks for the spreadsheet program, read back by an independent reader (python3-openpyxl).
#include "report/xlsx_workbook.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/no_file_rights.h"
#include "support/python_reader.h"
#include "support/temp_folder.h"

namespace zel3::test {
namespace {

std::string Cells(const std::string& path) {
    int status = 0;
    const std::string out = RunTestScript("report/xlsx_dump.py", "'" + path + "'", status);
    EXPECT_EQ(status, 0) << out;
    return out;
}

TEST(XlsxWorkbook, CellsReadBackWithTheirTypes) {
    TempFolder dir;
    const std::string path = dir / "t.xlsx";
    std::string reason;
    ASSERT_TRUE(WriteWorkbook(path,
                              {{"File", "pmax", "Größe"},
                               {"a.zl3", "1234", "0,125"},
                               {"", "-3e2", "12 mm"},
                               {"10", "1.2.3", "Maß \"x\"\t<&>"}},
                              reason))
        << reason;
    EXPECT_EQ(Cells(path),
              "1,1|s|File\n1,2|s|pmax\n1,3|s|Größe\n"
              "2,1|s|a.zl3\n2,2|n|1234\n2,3|n|0.125\n"
              "3,2|n|-300\n3,3|s|12 mm\n"
              "4,1|n|10\n4,2|s|1.2.3\n4,3|s|Maß \"x\"\t<&>\n");
    EXPECT_EQ(FolderEntries(dir.Dir()), std::vector<std::string>{"t.xlsx"})
        << "no temporary file is left";
}

TEST(XlsxWorkbook, HeadingsOnlyTable) {
    TempFolder dir;
    std::string reason;
    ASSERT_TRUE(WriteWorkbook(dir / "h.xlsx", {{"File", "Date"}}, reason));
    EXPECT_EQ(Cells(dir / "h.xlsx"), "1,1|s|File\n1,2|s|Date\n");
}

TEST(XlsxWorkbook, FailedWriteReportsAndKeepsTheOldFile) {
    TempFolder dir;
    std::string reason;
    EXPECT_FALSE(WriteWorkbook(dir / "missing/t.xlsx", {{"x"}}, reason));
    EXPECT_FALSE(reason.empty());

    const std::string path = dir / "old.xlsx";
    WriteBytes(path, "old");
    // The temporary file cannot be created in a folder without write permission.
    ::chmod(dir.Dir().c_str(), 0500);
    NoFileRights rights;
    if (!rights.active()) GTEST_SKIP() << "root's rights could not be dropped";
    reason.clear();
    EXPECT_FALSE(WriteWorkbook(path, {{"new"}}, reason));
    rights.Restore();
    ::chmod(dir.Dir().c_str(), 0700);
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(FolderEntries(dir.Dir()), std::vector<std::string>{"old.xlsx"});
}

TEST(XlsxWorkbook, OnlyPlainNumbersBecomeNumbers) {
    double v = 0;
    EXPECT_TRUE(WorkbookNumber(" 1.5e3 ", v));
    EXPECT_DOUBLE_EQ(v, 1500);
    EXPECT_TRUE(WorkbookNumber("-0,25", v));
    EXPECT_DOUBLE_EQ(v, -0.25);
    EXPECT_TRUE(WorkbookNumber("0.5", v));
    EXPECT_TRUE(WorkbookNumber("0", v));
    for (const char* text : {"", "e", "-", ".", "1.2.3", "nan", "inf", "1e999", "12 mm", "0x10",
                             "2026/12/08", "0815", "-007"}) {
        EXPECT_FALSE(WorkbookNumber(text, v)) << text;
    }
}

TEST(XlsxWorkbook, NewNamesDoNotReplaceEarlierWorkbooks) {
    TempFolder dir;
    const std::string first = NewWorkbookPath(dir.Dir(), "tabelle");
    EXPECT_EQ(first, dir / "$tabelle1.xlsx");
    WriteBytes(first, "x");
    EXPECT_EQ(NewWorkbookPath(dir.Dir(), "tabelle"), dir / "$tabelle2.xlsx");
}

}  // namespace
}  // namespace zel3::test
