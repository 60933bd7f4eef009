// Records, fields, movement, deletion and packing of the table engine.
#include <gtest/gtest.h>

#include <filesystem>

#include "dbf/dbf_table.h"
#include "dbf/dbf_work_areas.h"
#include "dbf_test_support.h"

namespace zel3 {
namespace {

using test::TempFolder;

std::vector<DbfField> Fields() {
    return {{"NAME", 'C', 12, 0, 0},
            {"WERT", 'N', 8, 2, 0},
            {"ANZ", 'N', 5, 0, 0},
            {"OK", 'L', 1, 0, 0},
            {"DATUM", 'D', 8, 0, 0}};
}

// A table with the given names, numbered 1..n in ANZ.
void MakeTable(const std::string& path, const std::vector<std::string>& names) {
    DbfTable t;
    ASSERT_TRUE(t.CreateTable(path, Fields())) << t.ErrorText();
    int i = 0;
    for (const auto& n : names) {
        ASSERT_TRUE(t.AppendBlank()) << t.ErrorText();
        ASSERT_TRUE(t.Replace("NAME", n));
        ASSERT_TRUE(t.ReplaceNumber(3, ++i));
    }
}

TEST(DbfTable, StoresFieldsAsTheFormatDefines) {
    TempFolder dir;
    DbfTable t;
    ASSERT_TRUE(t.CreateTable(dir / "t.dbf", Fields())) << t.ErrorText();
    ASSERT_TRUE(t.AppendBlank());
    EXPECT_TRUE(t.Replace(1, "ein sehr langer Name"));
    EXPECT_TRUE(t.Replace(2, "3.14159"));
    EXPECT_TRUE(t.Replace(4, "T"));
    EXPECT_TRUE(t.Replace(5, "20240229"));
    EXPECT_EQ(t.FieldText(1), "ein sehr lan");
    EXPECT_EQ(t.FieldText(2), "    3.14");
    EXPECT_EQ(t.FieldText(3), "     ");
    EXPECT_TRUE(t.FieldValue(3).blank);
    EXPECT_TRUE(t.FieldValue(4).logical);
    EXPECT_EQ(t.FieldValue(5).date.month, 2);
    EXPECT_DOUBLE_EQ(t.FieldValue(2).number, 3.14);
    // A decimal comma is read as a point; a value too wide for its field is refused.
    EXPECT_TRUE(t.Replace(2, "-12,5"));
    EXPECT_EQ(t.FieldText("wert"), "  -12.50");
    EXPECT_FALSE(t.Replace(2, "123456.7"));
    EXPECT_EQ(t.ErrorCode(), DbfError::BadValue);
    EXPECT_EQ(t.FieldText(2), "  -12.50");
    EXPECT_FALSE(t.Replace(5, "29.02.2024"));
    EXPECT_FALSE(t.Replace("FEHLT", "x"));
    t.CloseTable();

    const std::string bytes = test::ReadFileBytes(dir / "t.dbf");
    const size_t header = 32 + 5 * 32 + 1;
    ASSERT_EQ(bytes.size(), header + 35 + 1);
    EXPECT_EQ(bytes[0], 0x03);
    EXPECT_EQ(bytes[header - 1], 0x0D);
    EXPECT_EQ(bytes.back(), 0x1A);
    EXPECT_EQ(bytes.substr(header, 14), " ein sehr lan ");
}

TEST(DbfTable, EmptyTableSitsAtItsEnd) {
    TempFolder dir;
    MakeTable(dir / "leer.dbf", {});
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "leer.dbf", false));
    EXPECT_TRUE(t.GoTop());
    EXPECT_TRUE(t.AtEnd());
    EXPECT_EQ(t.FieldText(1), "");
    EXPECT_FALSE(t.Skip(1));
    EXPECT_EQ(t.ErrorText(), "Datenbank \"leer\" ist leer. [Skip]");
    EXPECT_FALSE(t.GoTo(1));
    EXPECT_EQ(t.ErrorCode(), DbfError::Empty);
}

TEST(DbfTable, MovementStopsAtBothEnds) {
    TempFolder dir;
    MakeTable(dir / "t.dbf", {"a", "b", "c"});
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Exclusive));
    EXPECT_EQ(t.RecordCount(), 3);
    ASSERT_TRUE(t.GoBottom());
    EXPECT_EQ(t.RecordNumber(), 3);
    EXPECT_TRUE(t.Skip(1));
    EXPECT_TRUE(t.AtEnd());
    EXPECT_FALSE(t.Skip(1));
    EXPECT_EQ(t.ErrorText(), "Datenbank \"t\" ist hinter EOF. [Skip]");
    EXPECT_TRUE(t.Skip(-5));
    EXPECT_TRUE(t.AtBeginning());
    EXPECT_EQ(t.RecordNumber(), 1);
    EXPECT_FALSE(t.GoTo(4));
    EXPECT_EQ(t.RecordNumber(), 1);  // a failed move leaves the position
    EXPECT_TRUE(t.GoTo(2));
    EXPECT_EQ(t.FieldText(1).substr(0, 1), "b");
    t.CloseTable();
    EXPECT_FALSE(t.GoTop());
    EXPECT_EQ(t.ErrorText(), "Keine Datenbank (bzw. kein Arbeitsbereich) geöffnet. [GoTop]");
}

TEST(DbfTable, HiddenDeletedRecordsAreSkippedAndPackedAway) {
    TempFolder dir;
    MakeTable(dir / "t.dbf", {"a", "b", "c", "d"});
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", true, DbfOpenMode::Exclusive));
    ASSERT_TRUE(t.GoTo(2));
    ASSERT_TRUE(t.Delete());
    ASSERT_TRUE(t.GoTo(4));
    ASSERT_TRUE(t.Delete());
    ASSERT_TRUE(t.GoTop());
    ASSERT_TRUE(t.Skip(1));
    EXPECT_EQ(t.RecordNumber(), 3);
    EXPECT_FALSE(t.Locate("NAME = d"));
    t.hideDeleted = false;
    EXPECT_TRUE(t.Locate("NAME = d"));
    EXPECT_TRUE(t.Deleted());
    ASSERT_TRUE(t.Recall());
    ASSERT_TRUE(t.Pack());
    EXPECT_EQ(t.RecordCount(), 3);
    t.CloseTable();
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false));
    EXPECT_EQ(t.RecordCount(), 3);
    EXPECT_TRUE(t.GoTo(3));
    EXPECT_EQ(t.FieldText(3), "    4");
    EXPECT_EQ(test::ReadFileBytes(dir / "t.dbf").size(), 32 + 5 * 32 + 1 + 3 * 35 + 1);
}

TEST(DbfTable, FailedPackLeavesTheTableWhole) {
    TempFolder dir;
    MakeTable(dir / "t.dbf", {"a", "b"});
    const std::string before = test::ReadFileBytes(dir / "t.dbf");
    std::filesystem::create_directory(dir / "t.dbf.$pk");  // the new file cannot be written
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Exclusive));
    ASSERT_TRUE(t.GoTop());
    ASSERT_TRUE(t.Delete());
    const std::string deleted = test::ReadFileBytes(dir / "t.dbf");
    EXPECT_FALSE(t.Pack());
    EXPECT_EQ(t.ErrorCode(), DbfError::FileAccess);
    EXPECT_EQ(test::ReadFileBytes(dir / "t.dbf"), deleted);
    EXPECT_EQ(t.RecordCount(), 2);
    EXPECT_NE(before, deleted);
}

TEST(DbfTable, LocateOptionsAndErrors) {
    TempFolder dir;
    MakeTable(dir / "t.dbf", {"Stahl 100Cr6", "stahl C45", "Bronze", "Stahl"});
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Exclusive));
    EXPECT_TRUE(t.Locate("NAME = Stahl"));
    EXPECT_EQ(t.RecordNumber(), 1);
    EXPECT_TRUE(t.Continue());
    EXPECT_EQ(t.RecordNumber(), 4);
    EXPECT_FALSE(t.Continue());
    EXPECT_TRUE(t.AtEnd());
    EXPECT_TRUE(t.Locate("NAME = 'Stahl' EXACT"));
    EXPECT_EQ(t.RecordNumber(), 4);
    EXPECT_TRUE(t.Locate("NAME = stahl NOCASE"));
    EXPECT_EQ(t.RecordNumber(), 1);
    EXPECT_TRUE(t.Continue());
    EXPECT_EQ(t.RecordNumber(), 2);
    EXPECT_TRUE(t.Locate("name = c45 NOCASE CONTAINED"));
    EXPECT_EQ(t.RecordNumber(), 2);
    EXPECT_TRUE(t.Locate("* = 3"));  // every field: ANZ of record 3
    EXPECT_EQ(t.RecordNumber(), 3);
    EXPECT_FALSE(t.Locate("NAME = Messing"));

    EXPECT_FALSE(t.Locate("Stahl"));
    EXPECT_EQ(t.ErrorText(), "No field name specified [Locate/Count/Sum]");
    EXPECT_FALSE(t.Locate("WNR = 1"));
    EXPECT_EQ(t.ErrorText(), "Unrecognized field name [Locate/Count/Sum(WNR = 1)]");
    EXPECT_FALSE(t.Continue());
    EXPECT_EQ(t.ErrorText(), "Call to CONTINUE not preceeded by call to LOCATE. [Continue]");
}

TEST(DbfTable, DelimitedTextRoundTrip) {
    TempFolder dir;
    MakeTable(dir / "t.dbf", {"A, \"B\"", "zwei"});
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", true, DbfOpenMode::Exclusive));
    ASSERT_TRUE(t.GoTop());
    ASSERT_TRUE(t.Replace(2, "1.5"));
    ASSERT_TRUE(t.Replace(4, "F"));
    EXPECT_EQ(t.CopyToDelimited(dir / "t.txt"), 2);
    EXPECT_EQ(test::ReadFileBytes(dir / "t.txt"),
              "NAME,WERT,ANZ,OK,DATUM\r\n\"A, \"\"B\"\"\",1.50,1,F,\r\n\"zwei\",,2,,\r\n");
    EXPECT_EQ(t.AppendFromDelimited(dir / "t.txt"), 2);
    EXPECT_EQ(t.RecordCount(), 4);
    ASSERT_TRUE(t.GoTo(3));
    EXPECT_EQ(t.FieldText(1), "A, \"B\"      ");
    EXPECT_EQ(t.FieldText(2), "    1.50");

    // A bad value names its line, and no row of that file arrives.
    test::WriteFileBytes(dir / "bad.txt", "ANZ,NAME\r\n7,gut\r\nabc,schlecht\r\n");
    EXPECT_EQ(t.AppendFromDelimited(dir / "bad.txt"), -1);
    EXPECT_NE(t.ErrorText().find("bad.txt:3"), std::string::npos) << t.ErrorText();
    EXPECT_EQ(t.RecordCount(), 4);

    EXPECT_EQ(t.AppendFrom(dir / "t.dbf"), -1);
    EXPECT_EQ(t.ErrorText(), "Datei kann nicht an sich selbst angehängt werden. [AppendFrom]");
    MakeTable(dir / "u.dbf", {"x", "y"});
    EXPECT_EQ(t.AppendFrom(dir / "u.dbf"), 2);
    EXPECT_EQ(t.RecordCount(), 6);
}

TEST(DbfWorkAreas, AliasesAreUniqueAndAreasLimited) {
    TempFolder dir;
    MakeTable(dir / "t.dbf", {"a"});
    DbfWorkAreas areas;
    const int a = areas.Open(dir / "t.dbf", false);
    ASSERT_GT(a, 0);
    EXPECT_EQ(areas.Open(dir / "t.dbf", false), 0);
    EXPECT_EQ(areas.ErrorCode(), DbfError::AliasInUse);
    for (int i = 2; i <= DbfWorkAreas::kAreas; ++i) {
        EXPECT_GT(areas.Open(dir / "t.dbf", false, DbfOpenMode::Shared, "A" + std::to_string(i)),
                  0);
    }
    EXPECT_EQ(areas.Open(dir / "t.dbf", false, DbfOpenMode::Shared, "X"), 0);
    EXPECT_EQ(areas.ErrorText(), "Kein Arbeitsbereich frei [OpenTable]");
    areas.Close(a);
    EXPECT_EQ(areas.Table(a), nullptr);
    EXPECT_GT(areas.Open(dir / "t.dbf", false, DbfOpenMode::Shared, "X"), 0);
}

}  // namespace
}  // namespace zel3
