// The print set-up table: created when missing, set-ups stored and read back, and readable
// by an independent dBase reader.
#include "report/printout_table.h"

#include <gtest/gtest.h>

#include "../dbf/dbf_test_support.h"
#include "support/scripted_platform.h"

namespace zel3 {
namespace {

TEST(PrintoutTable, StoredSetUpsComeBackWithAllNineFields) {
    test::TempFolder dir;
    test::ScriptedPlatform platform;
    NumberFormat nf;
    TextOptions to;
    UiState ui(platform, nf, to);

    DbfTable t;
    ASSERT_TRUE(OpenPrintoutTable(t, dir.path(), ui));
    EXPECT_EQ(t.RecordCount(), 0);
    PrintSetup a;
    a.name = "A4 quer, Rahmen und ein zu langer Name";
    a.xscale = 1.9;
    a.yscale = 0.125;
    a.xorigin = -15;
    a.yorigin = 20;
    a.landscape = true;
    a.borderline = true;
    PrintSetup b;
    b.name = "mono";
    b.monochrome = true;
    b.variable = true;
    ASSERT_TRUE(AppendPrintSetup(t, a, ui));
    ASSERT_TRUE(AppendPrintSetup(t, b, ui));
    t.CloseTable();

    ASSERT_TRUE(OpenPrintoutTable(t, dir.path(), ui));
    ASSERT_EQ(t.RecordCount(), 2);
    PrintSetup r;
    ASSERT_TRUE(t.GoTo(1));
    ASSERT_TRUE(ReadPrintSetup(t, r));
    EXPECT_EQ(r.name, "A4 quer, Rahmen und ein z");
    EXPECT_DOUBLE_EQ(r.xscale, 1.9);
    EXPECT_DOUBLE_EQ(r.yscale, 0.125);
    EXPECT_EQ(r.xorigin, -15);
    EXPECT_EQ(r.yorigin, 20);
    EXPECT_TRUE(r.landscape);
    EXPECT_FALSE(r.monochrome);
    EXPECT_FALSE(r.variable);
    EXPECT_TRUE(r.borderline);
    ASSERT_TRUE(t.Skip(1));
    ASSERT_TRUE(ReadPrintSetup(t, r));
    EXPECT_EQ(r.name, "mono");
    EXPECT_TRUE(r.monochrome && r.variable && !r.landscape && !r.borderline);
    EXPECT_EQ(t.FieldName(6), "landscape");
    t.CloseTable();
    EXPECT_FALSE(ui.errorFlag);

    int status = 0;
    const std::string theirs = test::ReaderDump(PrintoutTablePath(dir.path()), status);
    ASSERT_EQ(status, 0) << theirs;
    EXPECT_EQ(theirs, test::EngineDump(PrintoutTablePath(dir.path())));
    EXPECT_NE(theirs.find("mono|1.0000|1.0000|0|0|F|T|T|F"), std::string::npos) << theirs;
}

TEST(PrintoutTable, UnusableTableSetsTheErrorFlag) {
    test::TempFolder dir;
    test::ScriptedPlatform platform;
    NumberFormat nf;
    TextOptions to;
    UiState ui(platform, nf, to);
    test::WriteFileBytes(dir / "printout.dbf", "kein dBase");
    DbfTable t;
    EXPECT_FALSE(OpenPrintoutTable(t, dir.path(), ui));
    EXPECT_TRUE(ui.errorFlag);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text.rfind("Fehler : DBF Error 17", 0), 0u);
    EXPECT_FALSE(t.IsOpen());
}

}  // namespace
}  // namespace zel3
