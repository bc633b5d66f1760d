// The text form of a date-time value. A date-time is the 8-byte real of OLE automation dates: whole
// days since 30 December 1899 (negative before it), the fraction the time of that day.
#pragma once

#include <string>

namespace rt {

// "2024年3月5日", followed by "14时7分9秒" when the time, rounded to the second, is not midnight.
// Empty for a value outside the years 100 to 9999 or not a number.
std::string DateTimeText(double oleDate);

}  // namespace rt
