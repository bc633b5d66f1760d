#include "runtime/date_time_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace rt {
namespace {

// OLE automation dates cover 1 January 100 to 31 December 9999.
constexpr double kFirstDate = -657434.0;
constexpr double kEndDate = 2958466.0;
constexpr int64_t kSecondsPerDay = 86400;
// 30 December 1899 counted from 1 January 1970.
constexpr int64_t kOleEpochFromUnixDays = -25569;

struct CivilDate {
    int64_t year;
    int month;
    int day;
};

// Gregorian calendar date of a day counted from 1 January 1970 (H. Hinnant's civil_from_days).
CivilDate CivilFromDays(int64_t days)
{
    days += 719468;
    int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    int64_t dayOfEra = days - era * 146097;
    int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

}  // namespace

std::string DateTimeText(double oleDate)
{
    if (!(oleDate >= kFirstDate && oleDate < kEndDate)) return {};
    // The date part counts toward zero; the fraction is the time forward from that day's midnight,
    // for dates before 1899 too.
    double wholeDays = std::trunc(oleDate);
    auto day = static_cast<int64_t>(wholeDays);
    auto seconds = static_cast<int64_t>(std::llround(std::fabs(oleDate - wholeDays) * kSecondsPerDay));
    if (seconds == kSecondsPerDay) {
        ++day;
        seconds = 0;
    }
    CivilDate date = CivilFromDays(day + kOleEpochFromUnixDays);
    char text[96];
    int length = std::snprintf(text, sizeof text, "%d年%d月%d日", static_cast<int>(date.year), date.month, date.day);
    if (seconds != 0) {
        auto hours = static_cast<int>(seconds / 3600);
        auto minutes = static_cast<int>(seconds / 60 % 60);
        std::snprintf(text + length, sizeof text - static_cast<size_t>(length), "%d时%d分%d秒", hours, minutes,
                      static_cast<int>(seconds % 60));
    }
    return text;
}

}  // namespace rt
