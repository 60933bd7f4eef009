#include <gtest/gtest.h>

#include "shell/recent_list.h"
#include "util/text.h"

namespace zel3 {
namespace {

TEST(RecentList, NewestFirstWithoutDuplicatesAndAtMostFour) {
    RecentFiles list{};
    for (const char* p : {"/a/1.zl3", "/a/2.zl3", "/a/3.zl3", "/a/4.zl3", "/a/5.zl3"})
        AddRecentFile(list, p);
    EXPECT_EQ(list[1], "/a/5.zl3");
    EXPECT_EQ(list[4], "/a/2.zl3");

    AddRecentFile(list, "/A/3.ZL3");  // the same file, other letter case: moves to the top
    EXPECT_EQ(list[1], "/A/3.ZL3");
    EXPECT_EQ(list[2], "/a/5.zl3");
    EXPECT_EQ(list[3], "/a/4.zl3");
    EXPECT_EQ(list[4], "/a/2.zl3");
}

TEST(RecentList, RemovingAnEntryMovesTheLaterOnesUp) {
    RecentFiles list{"", "1", "2", "3", "4"};
    RemoveRecentFile(list, 2);
    EXPECT_EQ(list, (RecentFiles{"", "1", "3", "4", ""}));
}

TEST(RecentList, LongPathsAreShortenedBetweenTheFirstAndLastSeparator) {
    std::string p60 = "/home/" + std::string(40, 'x') + "/projekte/case.zl3";
    p60.resize(60 - 9);
    p60 += "/case.zl3";
    ASSERT_EQ(p60.size(), 60u);
    EXPECT_EQ(ShortenPath(p60), "/.../case.zl3");

    std::string p49 = "/home/" + std::string(34, 'y') + "/case.zl3";
    ASSERT_EQ(p49.size(), 49u);
    EXPECT_EQ(ShortenPath(p49), p49);

    std::string single = std::string(60, 'z') + "/c.zl3";  // one separator only
    EXPECT_EQ(ShortenPath(single), single);
    RecentFiles list{"", p60, "", "", ""};
    EXPECT_EQ(RecentFileCaption(list, 1), "&1 /.../case.zl3");
}

}  // namespace
}  // namespace zel3

#include "shell/window_caption.h"

namespace zel3 {
namespace {

TEST(WindowCaption, NameExtensionAndTitle) {
    ProgramIdentity id;
    EXPECT_EQ(WindowCaption(id, ""), "ZEL3  Hertz'sche Pressung");
    EXPECT_EQ(WindowCaption(id, "welle"), "welle.zl3  -  ZEL3  Hertz'sche Pressung");
    EXPECT_EQ(WindowCaption(id, "/tmp/x.edi"), "/tmp/x.edi  -  ZEL3  Hertz'sche Pressung");
}

}  // namespace
}  // namespace zel3
