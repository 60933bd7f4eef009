// The table browser's logic without a window: table names, the write probe, searching,
// sorting by a column and the HTML page.
#include "dbf/browser_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dbf/table_export.h"
#include "report/report_test_support.h"
#include "support/no_file_rights.h"
#include "util/text.h"

namespace zel3::test {
namespace {

class BrowserTable : public ::testing::Test, protected ReportProgram {
  protected:
    BrowserTable() {
        std::filesystem::create_directory(temp / "dbf");
        std::filesystem::copy_file(std::string(ZEL3_SOURCE_DATA_DIR) + "/wst1base.dbf",
                                   temp / "dbf/wst1base.dbf");
        dbfDir = temp / "dbf/";
    }
    std::string dbfDir;
};

TEST_F(BrowserTable, NamesWithoutExtensionGetDbf) {
    EXPECT_EQ(BrowserTablePath("/d/", "wst1base"), "/d/wst1base.dbf");
    EXPECT_EQ(BrowserTablePath("/d", "printout.DBF"), "/d/printout.DBF");
    DbfTable t;
    EXPECT_TRUE(OpenBrowserTable(program.ui, dbfDir, temp.Dir(), "wst1base", t));
    EXPECT_EQ(t.FileName(), dbfDir + "wst1base.dbf");
}

// The DBF folder lies below the temporary folder here; what decides is whether it may be
// written.
TEST_F(BrowserTable, WorkingCopyOnlyWithoutWriteRights) {
    DbfTable t;
    bool copy = true;
    ASSERT_TRUE(OpenBrowserTable(program.ui, dbfDir, temp.Dir(), "wst1base", t, &copy));
    EXPECT_FALSE(copy);
    EXPECT_EQ(t.FileName(), dbfDir + "wst1base.dbf");
    t.CloseTable();

    std::filesystem::create_directory(temp / "copies");
    std::filesystem::permissions(dbfDir, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    {
        NoFileRights rights;
        if (!rights.active()) {
            std::filesystem::permissions(dbfDir, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add);
            GTEST_SKIP() << "root's rights to ignore permissions could not be dropped";
        }
        EXPECT_TRUE(OpenBrowserTable(program.ui, dbfDir, temp / "copies", "wst1base", t, &copy));
    }
    std::filesystem::permissions(dbfDir, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add);
    EXPECT_TRUE(copy);
    EXPECT_EQ(t.FileName(), temp / "copies/wst1base.dbf");
}

TEST_F(BrowserTable, MissingTableSetsTheFlagAndOpensNothing) {
    DbfTable t;
    EXPECT_FALSE(OpenBrowserTable(program.ui, dbfDir, temp.Dir(), "fehlt", t));
    EXPECT_TRUE(program.ui.errorFlag);
    EXPECT_FALSE(t.IsOpen());
    ASSERT_EQ(platform->messages.size(), 1u);
}

TEST_F(BrowserTable, DamagedTableIsReportedAsDbfError) {
    std::ofstream(temp / "dbf/kaputt.dbf") << "no table";
    DbfTable t;
    EXPECT_FALSE(OpenBrowserTable(program.ui, dbfDir, temp.Dir(), "kaputt", t));
    EXPECT_TRUE(program.ui.errorFlag);
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text.rfind("Fehler : DBF Error 17", 0), 0u);
}

TEST_F(BrowserTable, WriteProbeLeavesAnExistingFileAlone) {
    EXPECT_TRUE(DbfFolderWritable(dbfDir));
    EXPECT_FALSE(std::filesystem::exists(dbfDir + kDbfWriteProbe));
    std::ofstream(dbfDir + kDbfWriteProbe) << "mine";
    EXPECT_TRUE(DbfFolderWritable(dbfDir));
    EXPECT_EQ(ReadBytes(dbfDir + kDbfWriteProbe), "mine");
    EXPECT_FALSE(CheckDbfFolderWritable(program.ui, temp / "none/"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_NE(platform->messages[0].text.find("kein Schreibrecht"), std::string::npos);
}

TEST_F(BrowserTable, SearchFindsAnyFieldAndKeepsTheRecordWhenNothingMatches) {
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dbfDir + "wst1base.dbf", false));
    ASSERT_TRUE(t.GoTo(5));
    EXPECT_FALSE(SearchTable(t, "kein solcher Text", false));
    EXPECT_EQ(t.RecordNumber(), 5);
    EXPECT_TRUE(SearchTable(t, "100cr6", false));
    const long found = t.RecordNumber();
    EXPECT_EQ(Trim(t.FieldText(2)), "100Cr6");
    EXPECT_FALSE(SearchTable(t, "100cr6", true)) << "only one record holds it";
    EXPECT_EQ(t.RecordNumber(), found);
}

TEST_F(BrowserTable, SortingTwiceRebuildsTheSameIndexAndKeepsTheRecord) {
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dbfDir + "wst1base.dbf", false));
    ASSERT_TRUE(t.GoTo(7));
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(SortTableByField(t, 2, temp.Dir()));
        EXPECT_EQ(t.RecordNumber(), 7);
        EXPECT_TRUE(std::filesystem::exists(temp / kSortIndexFile));
    }
    const std::vector<BrowserRow> rows = ReadBrowserRows(t);
    ASSERT_EQ(rows.size(), 50u);
    for (size_t i = 1; i < rows.size(); ++i) EXPECT_LE(rows[i - 1].cells[1], rows[i].cells[1]);
    EXPECT_EQ(t.RecordNumber(), 7) << "reading the rows keeps the place";
    EXPECT_FALSE(SortTableByField(t, 99, temp.Dir()));
}

TEST_F(BrowserTable, HtmlPageEscapesFieldTexts) {
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dbfDir + "wst1base.dbf", false, DbfOpenMode::Exclusive));
    ASSERT_TRUE(t.GoTo(1));
    ASSERT_TRUE(t.Replace(13, "a < b & \x84"));
    const auto lines =
        TableHtmlLines(t, "/home/Anna/Seite.htm", {"ZEL3", "2.7", "08.12.2026", "8:00"});
    EXPECT_EQ(lines[0], "<HTML>");
    EXPECT_EQ(lines[5], "<P>/home/Anna/Seite.htm</P>") << "a path as it is on Linux";
    EXPECT_EQ(lines[6], "<P>08.12.2026 - 8:00</P>");
    EXPECT_NE(lines[10].find("<TD>a &lt; b &amp; \xC3\xA4</TD>"), std::string::npos);
    EXPECT_EQ(lines.back(), "</HTML>");
    EXPECT_EQ(lines.size(), 10u + 50u + 3u);
}

TEST(BrowserCaptions, PickAndEdit) {
    EXPECT_EQ(BrowserCaption(1, "A", "B", "f.dbf"), "A   B");
    EXPECT_EQ(BrowserCaption(0, "A", "B", "f.dbf"), "B  A  (f.dbf)");
    EXPECT_EQ(RecordLabel(3, 50), "3/50");
}

}  // namespace
}  // namespace zel3::test
