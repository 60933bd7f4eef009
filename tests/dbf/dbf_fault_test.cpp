// Faults while a table is written: a disk that fills up during a pack or an append, and two
// opens of one table in the same program, which must keep out of each other's way as two
// programs do.
#include <gtest/gtest.h>

#include <filesystem>

#include "dbf/dbf_table.h"
#include "dbf_test_support.h"
#include "support/file_size_limit.h"

namespace zel3 {
namespace {

using test::TempFolder;

void MakeTable(const std::string& path, int records) {
    DbfTable t;
    ASSERT_TRUE(t.CreateTable(path, {{"NAME", 'C', 40, 0, 0}, {"NR", 'N', 5, 0, 0}}));
    for (int i = 1; i <= records; ++i) {
        ASSERT_TRUE(t.AppendBlank());
        ASSERT_TRUE(t.Replace(1, "Satz " + std::to_string(i)));
        ASSERT_TRUE(t.ReplaceNumber(2, i));
    }
}

TEST(DbfFaults, PackInterruptedByAFullDiskLeavesTheTableWhole) {
    TempFolder dir;
    MakeTable(dir / "t.dbf", 200);
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Exclusive));
    for (long r = 1; r <= 200; r += 3) {
        ASSERT_TRUE(t.GoTo(r));
        ASSERT_TRUE(t.Delete());
    }
    const std::string before = test::ReadFileBytes(dir / "t.dbf");
    {
        test::FileSizeLimit full(4096);  // the new file stops growing half way
        ASSERT_TRUE(full.active());
        EXPECT_FALSE(t.Pack());
    }
    EXPECT_EQ(t.ErrorCode(), DbfError::FileAccess);
    EXPECT_EQ(test::ReadFileBytes(dir / "t.dbf"), before);
    EXPECT_FALSE(std::filesystem::exists(dir / "t.dbf.$pk"));
    // The open table goes on working, and packs once there is room.
    EXPECT_EQ(t.RecordCount(), 200);
    ASSERT_TRUE(t.GoTo(200));
    EXPECT_EQ(t.FieldText(1), "Satz 200" + std::string(32, ' '));
    ASSERT_TRUE(t.Pack());
    EXPECT_EQ(t.RecordCount(), 133);
}

TEST(DbfFaults, AppendOnAFullDiskKeepsTheRecordCountTrue) {
    TempFolder dir;
    MakeTable(dir / "t.dbf", 3);
    const std::string before = test::ReadFileBytes(dir / "t.dbf");
    {
        DbfTable t;
        ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Exclusive));
        test::FileSizeLimit full(before.size());
        ASSERT_TRUE(full.active());
        EXPECT_FALSE(t.AppendBlank());
        EXPECT_EQ(t.ErrorCode(), DbfError::FileAccess);
        EXPECT_EQ(t.RecordCount(), 3);
    }
    EXPECT_EQ(test::ReadFileBytes(dir / "t.dbf"), before);
    DbfTable again;
    ASSERT_TRUE(again.OpenTable(dir / "t.dbf", false));
    EXPECT_EQ(again.RecordCount(), 3);
}

// Appending another table or a text file: a bad row anywhere, or a disk that fills up half
// way, leaves the table as it was; otherwise every row arrives.
TEST(DbfFaults, AppendsFromTablesAndTextAreAllOrNothing) {
    TempFolder dir;
    MakeTable(dir / "t.dbf", 3);
    {
        DbfTable src;
        ASSERT_TRUE(
            src.CreateTable(dir / "src.dbf", {{"NAME", 'C', 10, 0, 0}, {"NR", 'N', 8, 0, 0}}));
        for (const char* nr : {"1", "2", "1234567", "4"}) {  // NR of the table holds 5 digits
            ASSERT_TRUE(src.AppendBlank());
            ASSERT_TRUE(src.Replace(1, "neu"));
            ASSERT_TRUE(src.Replace(2, nr));
        }
    }
    std::string text = "NAME,NR\r\n";
    for (int i = 1; i <= 300; ++i)
        text += "\"Zeile " + std::to_string(i) + "\"," + std::to_string(i) + "\r\n";
    test::WriteFileBytes(dir / "rows.txt", text);
    test::WriteFileBytes(dir / "bad.txt", text + "\"letzte\",zu viel\r\n");

    const std::string before = test::ReadFileBytes(dir / "t.dbf");
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Shared));
    ASSERT_TRUE(t.FileLock());
    EXPECT_EQ(t.AppendFrom(dir / "src.dbf"), -1);
    EXPECT_EQ(t.ErrorCode(), DbfError::BadValue);
    EXPECT_NE(t.ErrorText().find("1234567"), std::string::npos) << t.ErrorText();
    EXPECT_EQ(t.AppendFromDelimited(dir / "bad.txt"), -1);
    EXPECT_NE(t.ErrorText().find("bad.txt:302"), std::string::npos) << t.ErrorText();
    EXPECT_EQ(t.RecordCount(), 3);
    EXPECT_EQ(test::ReadFileBytes(dir / "t.dbf"), before);
    {
        test::FileSizeLimit full(before.size() + 1000);
        ASSERT_TRUE(full.active());
        EXPECT_EQ(t.AppendFromDelimited(dir / "rows.txt"), -1);
        EXPECT_EQ(t.ErrorCode(), DbfError::FileAccess);
    }
    EXPECT_EQ(t.RecordCount(), 3);
    EXPECT_EQ(test::ReadFileBytes(dir / "t.dbf"), before);

    EXPECT_EQ(t.AppendFromDelimited(dir / "rows.txt"), 300);
    EXPECT_EQ(t.RecordCount(), 303);
    EXPECT_EQ(t.RecordNumber(), 303);
    t.Unlock();
    t.CloseTable();
    DbfTable again;
    ASSERT_TRUE(again.OpenTable(dir / "t.dbf", false));
    EXPECT_EQ(again.RecordCount(), 303);
    ASSERT_TRUE(again.GoTo(303));
    EXPECT_EQ(again.FieldValue(2).number, 300);
}

TEST(DbfFaults, TwoOpensInOneProgramLockLikeTwoPrograms) {
    TempFolder dir;
    MakeTable(dir / "t.dbf", 3);
    DbfTable a, b;
    ASSERT_TRUE(a.OpenTable(dir / "t.dbf", false, DbfOpenMode::Shared));
    ASSERT_TRUE(b.OpenTable(dir / "t.dbf", false, DbfOpenMode::Shared));
    DbfTable exclusive;
    EXPECT_FALSE(exclusive.OpenTable(dir / "t.dbf", false, DbfOpenMode::Exclusive));
    EXPECT_EQ(exclusive.ErrorCode(), DbfError::LockedByOther);

    ASSERT_TRUE(a.GoTo(2));
    ASSERT_TRUE(a.RecordLock());
    ASSERT_TRUE(b.GoTo(2));
    EXPECT_FALSE(b.RecordLock());
    EXPECT_EQ(b.ErrorCode(), DbfError::LockedByOther);
    EXPECT_FALSE(b.FileLock());

    // Opening and closing the table elsewhere in the program keeps a's lock.
    {
        DbfTable glance;
        ASSERT_TRUE(glance.OpenTable(dir / "t.dbf", false, DbfOpenMode::Shared));
    }
    EXPECT_FALSE(b.RecordLock());

    // Each writes its own record; neither loses the other's.
    ASSERT_TRUE(a.Replace(1, "von a"));
    ASSERT_TRUE(b.GoTo(3));
    ASSERT_TRUE(b.RecordLock());
    ASSERT_TRUE(b.Replace(1, "von b"));
    a.Unlock();
    b.Unlock();

    // Appends one after the other under the file lock.
    ASSERT_TRUE(a.FileLock());
    EXPECT_FALSE(b.FileLock());
    ASSERT_TRUE(a.AppendBlank());
    ASSERT_TRUE(a.Replace(1, "neu a"));
    a.Unlock();
    ASSERT_TRUE(b.FileLock());
    ASSERT_TRUE(b.AppendBlank());
    EXPECT_EQ(b.RecordNumber(), 5);
    ASSERT_TRUE(b.Replace(1, "neu b"));
    b.Unlock();

    a.CloseTable();
    b.CloseTable();
    DbfTable check;
    ASSERT_TRUE(check.OpenTable(dir / "t.dbf", false));
    ASSERT_EQ(check.RecordCount(), 5);
    const char* expected[] = {"Satz 1", "von a", "von b", "neu a", "neu b"};
    for (int r = 1; r <= 5; ++r) {
        ASSERT_TRUE(check.GoTo(r));
        EXPECT_EQ(check.FieldValue(1).text, expected[r - 1]) << r;
    }
}

// A pack replaces the file; a second user still holding the old one would write into a file
// nobody reads again. So the pack waits until the table is no longer open elsewhere.
TEST(DbfFaults, PackIsRefusedWhileTheTableIsOpenElsewhere) {
    TempFolder dir;
    MakeTable(dir / "t.dbf", 3);
    DbfTable a, b;
    ASSERT_TRUE(a.OpenTable(dir / "t.dbf", false, DbfOpenMode::Shared));
    ASSERT_TRUE(b.OpenTable(dir / "t.dbf", false, DbfOpenMode::Shared));
    ASSERT_TRUE(a.FileLock());
    ASSERT_TRUE(a.GoTo(1));
    ASSERT_TRUE(a.Delete());
    a.packWaitMs = 50;
    EXPECT_FALSE(a.Pack());
    EXPECT_EQ(a.ErrorCode(), DbfError::LockedByOther);
    EXPECT_EQ(a.RecordCount(), 3);
    // Still shared: a third user may open it.
    DbfTable third;
    EXPECT_TRUE(third.OpenTable(dir / "t.dbf", false, DbfOpenMode::Shared));
    third.CloseTable();

    b.CloseTable();
    ASSERT_TRUE(a.Pack());
    EXPECT_EQ(a.RecordCount(), 2);
    ASSERT_TRUE(b.OpenTable(dir / "t.dbf", false, DbfOpenMode::Shared));
    EXPECT_EQ(b.RecordCount(), 2);
}

}  // namespace
}  // namespace zel3
