// Shared use by several program instances: another process holds the locks.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <vector>

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

TEST(DbfLocks, AppendSeesRecordsOfTheOtherInstanceAndWaitsForItsFileLock) {
    TempFolder dir;
    MakeTable(dir / "t.dbf");
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Shared));
    t.appendWaitMs = 50;
    {
        OtherInstance other(dir / "t.dbf", [](DbfTable& o) {
            return o.FileLock() && o.AppendBlank() && o.Replace(1, "fremd");
        });
        ASSERT_TRUE(other.started());
        EXPECT_FALSE(t.FileLock());
        EXPECT_FALSE(t.AppendBlank());
        EXPECT_EQ(t.ErrorCode(), DbfError::LockedByOther);
    }
    ASSERT_TRUE(t.AppendBlank());
    EXPECT_EQ(t.RecordNumber(), 5);
    EXPECT_TRUE(t.Replace(1, "eigen")) << "the new record is locked for its appender";
    t.Unlock();
    EXPECT_FALSE(t.Replace(1, "ohne")) << "until it unlocks";
    ASSERT_TRUE(t.GoTo(4));
    EXPECT_EQ(t.FieldText(1), "fremd     ");
}

// Two instances, each standing on a record of its own, append at the same time.
TEST(DbfLocks, TwoInstancesAppendingAtOnceLoseNoRecord) {
    TempFolder dir;
    MakeTable(dir / "t.dbf");
    constexpr int kAppends = 150;
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    std::vector<pid_t> children;
    for (int id = 1; id <= 2; ++id) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(go[1]);
            DbfTable t;
            bool ok = t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Shared);
            char c;
            ok = ::read(go[0], &c, 1) == 0 && ok;  // all start when the pipe closes
            for (int i = 0; ok && i < kAppends; ++i) {
                ok = t.GoTo(id) && t.RecordLock() && t.AppendBlank() &&
                     t.Replace(1, std::to_string(id) + "-" + std::to_string(i));
                t.Unlock();
            }
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    ::close(go[0]);
    ::close(go[1]);
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false));
    EXPECT_EQ(t.RecordCount(), 3 + 2 * kAppends);
    std::set<std::string> seen;
    for (bool ok = t.GoTo(4); ok && !t.AtEnd(); ok = t.Skip(1)) {
        const std::string tag = t.FieldText(1).substr(0, t.FieldText(1).find(' '));
        EXPECT_TRUE(seen.insert(tag).second) << tag << " twice";
    }
    for (int id = 1; id <= 2; ++id)
        for (int i = 0; i < kAppends; ++i)
            EXPECT_EQ(seen.count(std::to_string(id) + "-" + std::to_string(i)), 1u);
    EXPECT_EQ(test::ReadFileBytes(dir / "t.dbf").back(), '\x1A');
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
        // Still open when the wait runs out: refused with the reason, nothing changed.
        OtherInstance other(dir / "t.dbf", [](DbfTable&) { return true; });
        ASSERT_TRUE(other.started());
        t.packWaitMs = 100;
        EXPECT_FALSE(t.Pack());
        EXPECT_EQ(t.ErrorCode(), DbfError::LockedByOther);
        EXPECT_NE(t.ErrorText().find("in einem anderen Programm geöffnet"), std::string::npos)
            << t.ErrorText();
        EXPECT_EQ(t.RecordCount(), 3);
    }
    ASSERT_TRUE(t.GoTo(2));
    ASSERT_TRUE(t.Delete());
    // Closed while the pack waits: the pack goes through.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ready[0]);
        DbfTable o;
        const bool opened = o.OpenTable(dir / "t.dbf", false);
        ssize_t w = ::write(ready[1], opened ? "y" : "n", 1);
        (void)w;
        ::usleep(300 * 1000);
        ::_exit(0);
    }
    ::close(ready[1]);
    char c = 'n';
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ::close(ready[0]);
    ASSERT_EQ(c, 'y');
    t.packWaitMs = 20000;
    EXPECT_TRUE(t.Pack()) << t.ErrorText();
    EXPECT_EQ(t.RecordCount(), 1);
    int status = 0;
    ::waitpid(pid, &status, 0);
}

}  // namespace
}  // namespace zel3
