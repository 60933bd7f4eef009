#include "util/date_text.h"

#include "util/number_text.h"

namespace zel3 {

LocalDateTime ToLocal(std::time_t t) {
    std::tm tm{};
    LocalDateTime r;
    if (!::localtime_r(&t, &tm)) return r;
    r.year = tm.tm_year + 1900;
    r.month = tm.tm_mon + 1;
    r.day = tm.tm_mday;
    r.hour = tm.tm_hour;
    r.minute = tm.tm_min;
    return r;
}

LocalDateTime Now() {
    return ToLocal(std::time(nullptr));
}

std::string TodayText(const NumberFormat& nf, const LocalDateTime& now) {
    const std::string d = ZeroPad(now.day, 2);
    const std::string m = ZeroPad(now.month, 2);
    const std::string y = ZeroPad(now.year, 4);
    switch (nf.dateCode) {
        case 2:
            return m + "/" + d + "/" + y;
        case 3:
            return y + "/" + m + "/" + d;
        default:
            return d + "." + m + "." + y;
    }
}

std::string TodayText(const NumberFormat& nf) {
    return TodayText(nf, Now());
}

std::string TimeText(const LocalDateTime& now) {
    return IntToText(now.hour) + ":" + ZeroPad(now.minute, 2);
}

std::string TimeText() {
    return TimeText(Now());
}

std::string FileDateText(std::time_t fileTime) {
    const LocalDateTime t = ToLocal(fileTime);
    return ZeroPad(t.year, 4) + "/" + ZeroPad(t.month, 2) + "/" + ZeroPad(t.day, 2);
}

}  // namespace zel3
