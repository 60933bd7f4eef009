#include "config/recent_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

#include "util/safe_file.h"
#include "support/file_size_limit.h"

namespace zel3 {
namespace {

TEST(RecentFiles, WriteAndReadBack) {
    const std::string path =
        testing::TempDir() + "zel3_recent_" + std::to_string(::getpid()) + ".cff";
    std::array<std::string, 5> list{"", "/p/ä.zl3", "/p/b.zl3", "", "/p/d.zl3"};
    bool error = false;
    ASSERT_TRUE(WriteRecentFiles(path, "zel3", "/p/", list, error));
    std::string content;
    ReadWholeFile(path, 1000, content);
    EXPECT_EQ(content, "zel3 Session /p/\r\n/p/\x84.zl3\r\n/p/b.zl3\r\n\r\n/p/d.zl3\r\n");
    std::array<std::string, 5> back{"x", "x", "x", "x", "x"};
    ReadRecentFiles(path, back, error);
    EXPECT_FALSE(error);
    EXPECT_EQ(back, list);
    std::remove(path.c_str());
}

TEST(RecentFiles, MissingOrShortFile) {
    bool error = false;
    std::array<std::string, 5> list{"", "a", "b", "c", "d"};
    ReadRecentFiles("/nonexistent/zel3.cff", list, error);
    EXPECT_EQ(list, (std::array<std::string, 5>{}));
    EXPECT_FALSE(error);

    const std::string path =
        testing::TempDir() + "zel3_recent_short_" + std::to_string(::getpid()) + ".cff";
    WriteFileReplacing(path, "zel3 Session /x/\r\n/x/a.zl3\r\n");
    ReadRecentFiles(path, list, error);
    EXPECT_EQ(list[1], "/x/a.zl3");
    EXPECT_EQ(list[2], "");
    std::remove(path.c_str());
}

TEST(RecentFiles, WriteFailureSetsFlag) {
    bool error = false;
    std::array<std::string, 5> list{};
    EXPECT_FALSE(WriteRecentFiles("/proc/zel3-no/zel3.cff", "zel3", "", list, error));
    EXPECT_TRUE(error);
}

TEST(RecentFiles, FullDiskKeepsThePreviousList) {
    const std::string path =
        testing::TempDir() + "zel3_recent_full_" + std::to_string(::getpid()) + ".cff";
    std::array<std::string, 5> list{"", "/p/a.zl3", "/p/b.zl3", "", ""};
    bool error = false;
    ASSERT_TRUE(WriteRecentFiles(path, "zel3", "/p/", list, error));
    std::string before;
    ReadWholeFile(path, 1000, before);
    list[1] = "/p/" + std::string(200, 'n') + ".zl3";
    {
        test::FileSizeLimit full(40);
        ASSERT_TRUE(full.active());
        EXPECT_FALSE(WriteRecentFiles(path, "zel3", "/p/", list, error));
    }
    EXPECT_TRUE(error);
    std::string after;
    ReadWholeFile(path, 1000, after);
    EXPECT_EQ(after, before);
    std::remove(path.c_str());
}

}  // namespace
}  // namespace zel3
