#include "util/date_text.h"

#include <gtest/gtest.h>

namespace zel3 {
namespace {

TEST(DateText, DateCodes) {
    LocalDateTime t;
    t.year = 2009;
    t.month = 3;
    t.day = 7;
    t.hour = 9;
    t.minute = 5;
    NumberFormat nf;
    EXPECT_EQ(TodayText(nf, t), "07.03.2009");
    nf.dateCode = 2;
    EXPECT_EQ(TodayText(nf, t), "03/07/2009");
    nf.dateCode = 3;
    EXPECT_EQ(TodayText(nf, t), "2009/03/07");
    EXPECT_EQ(TimeText(t), "9:05");
}

TEST(DateText, FileDate) {
    std::tm tm{};
    tm.tm_year = 2009 - 1900;
    tm.tm_mon = 2;
    tm.tm_mday = 7;
    tm.tm_hour = 12;
    tm.tm_isdst = -1;
    EXPECT_EQ(FileDateText(std::mktime(&tm)), "2009/03/07");
}

}  // namespace
}  // namespace zel3
