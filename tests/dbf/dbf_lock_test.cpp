// Shared use by several program instances: another process holds the locks.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "dbf/dbf_table.h"
#include "dbf_test_support.h"

namespace zel3 {
namespace {

using test::TempFolder;

// Runs body in a child process that keeps the table open until the parent closes the pipe.
class OtherInstance {
  public:
    template <typename Body>
    OtherInstance(const std::string& path, Body body) {
        int ready[2], release[2];
        EXPECT_EQ(::pipe(ready), 0);
        EXPECT_EQ(::pipe(release), 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            DbfTable t;
            char ok = t.OpenTable(path, false) && body(t) ? 'y' : 'n';
            ssize_t w = ::write(ready[1], &ok, 1);
            char c;
            w = ::read(release[0], &c, 1);
            (void)w;
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        release_ = release[1];
        char c = 'n';
        EXPECT_EQ(::read(ready[0], &c, 1), 1);
        ::close(ready[0]);
        started_ = c == 'y';
    }
    ~OtherInstance() {
        ::close(release_);
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
    bool started() const { return started_; }

  private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool started_ = false;
};

void MakeTable(const std::string& path) {
    DbfTable t;
    ASSERT_TRUE(t.CreateTable(path, {{"NAME", 'C', 10, 0, 0}}));
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(t.AppendBlank());
}

TEST(DbfLocks, RecordAndFileLocksAgainstAnotherInstance) {
    TempFolder dir;
    MakeTable(dir / "t.dbf");
    OtherInstance other(dir / "t.dbf", [](DbfTable& t) { return t.GoTo(2) && t.RecordLock(); });
    ASSERT_TRUE(other.started());

    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Shared));
    ASSERT_TRUE(t.GoTo(1));
    EXPECT_FALSE(t.Replace(1, "ohne"));
    EXPECT_EQ(t.ErrorText(), "Datensatz nicht gesperrt [Replace]");
    ASSERT_TRUE(t.RecordLock());
    EXPECT_TRUE(t.Replace(1, "mit"));
    t.Unlock();
    ASSERT_TRUE(t.GoTo(2));
    EXPECT_FALSE(t.RecordLock());
    EXPECT_EQ(t.ErrorCode(), DbfError::LockedByOther);
    EXPECT_FALSE(t.FileLock());
    EXPECT_FALSE(t.Pack());
    EXPECT_EQ(t.ErrorText(), "Datensatz nicht gesperrt [Pack]");

    // Exclusive use is refused while another instance has the table open.
    DbfTable excl;
    EXPECT_FALSE(excl.OpenTable(dir / "t.dbf", false, DbfOpenMode::Exclusive));
}

TEST(DbfLocks, AppendSeesRecordsOfTheOtherInstance) {
    TempFolder dir;
    MakeTable(dir / "t.dbf");
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Shared));
    EXPECT_FALSE(t.AppendBlank());
    {
        OtherInstance other(dir / "t.dbf", [](DbfTable& o) {
            return o.FileLock() && o.AppendBlank() && o.Replace(1, "fremd");
        });
        ASSERT_TRUE(other.started());
        EXPECT_FALSE(t.FileLock());
    }
    ASSERT_TRUE(t.FileLock());
    ASSERT_TRUE(t.AppendBlank());
    EXPECT_EQ(t.RecordNumber(), 5);
    ASSERT_TRUE(t.GoTo(4));
    EXPECT_EQ(t.FieldText(1), "fremd     ");
}

TEST(DbfLocks, RecordLocksAreLimited) {
    TempFolder dir;
    DbfTable t;
    ASSERT_TRUE(t.CreateTable(dir / "t.dbf", {{"NAME", 'C', 10, 0, 0}}));
    for (int i = 0; i <= DbfTable::kMaxRecordLocks; ++i) ASSERT_TRUE(t.AppendBlank());
    t.CloseTable();
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Shared));
    for (int i = 1; i <= DbfTable::kMaxRecordLocks; ++i) {
        ASSERT_TRUE(t.GoTo(i));
        ASSERT_TRUE(t.RecordLock());
    }
    ASSERT_TRUE(t.Skip(1));
    EXPECT_FALSE(t.RecordLock());
    EXPECT_EQ(t.ErrorText(), "Anzahl der gesperrten Datensätze zu groß [RecordLock]");
    t.Unlock();
    EXPECT_TRUE(t.RecordLock());
}

TEST(DbfLocks, PackWaitsForTheOtherInstanceToCloseTheTable) {
    TempFolder dir;
    MakeTable(dir / "t.dbf");
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Shared));
    ASSERT_TRUE(t.FileLock());
    ASSERT_TRUE(t.GoTo(1));
    ASSERT_TRUE(t.Delete());
    {
        OtherInstance other(dir / "t.dbf", [](DbfTable&) { return true; });
        ASSERT_TRUE(other.started());
        EXPECT_FALSE(t.Pack());
        EXPECT_EQ(t.ErrorCode(), DbfError::LockedByOther);
        EXPECT_EQ(t.RecordCount(), 3);
    }
    EXPECT_TRUE(t.Pack());
    EXPECT_EQ(t.RecordCount(), 2);
}

}  // namespace
}  // namespace zel3
