#pragma once
// Date and time texts. The clock is a parameter, so tests fix the moment.

#include <ctime>
#include <string>

#include "util/number_format.h"

namespace zel3 {

struct LocalDateTime {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;
    int hour = 0;
    int minute = 0;
};

// The local time of t.
LocalDateTime ToLocal(std::time_t t);
LocalDateTime Now();

// Today by the date code: 1 dd.mm.yyyy, 2 mm/dd/yyyy, 3 yyyy/mm/dd.
std::string TodayText(const NumberFormat& nf, const LocalDateTime& now);
std::string TodayText(const NumberFormat& nf);
// Hours without a leading zero, ":", two-digit minutes.
std::string TimeText(const LocalDateTime& now);
std::string TimeText();
// "yyyy/mm/dd" of a file time, whatever the system's date separator.
std::string FileDateText(std::time_t fileTime);

}  // namespace zel3
