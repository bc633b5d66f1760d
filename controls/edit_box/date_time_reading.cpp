#include "controls/edit_box/date_time_reading.h"

#include <cstdint>

namespace rt::units {
namespace {

constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;
constexpr int kSecondsPerDay = 86400;

// A cursor over the text that reads small numbers and expected separators.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    void skipSpaces()
    {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) {
            ++at_;
        }
    }
    bool atEnd() const { return at_ == text_.size(); }
    // One to five digits.
    std::optional<int> number()
    {
        size_t start = at_;
        int value = 0;
        while (at_ < text_.size() && at_ - start < 5 && text_[at_] >= '0' && text_[at_] <= '9') {
            value = value * 10 + (text_[at_++] - '0');
        }
        return at_ > start ? std::optional<int>(value) : std::nullopt;
    }
    bool take(std::string_view expected)
    {
        if (text_.substr(at_, expected.size()) != expected) {
            return false;
        }
        at_ += expected.size();
        return true;
    }

private:
    std::string_view text_;
    size_t at_ = 0;
};

struct DateTimeParts {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValid(const DateTimeParts& parts)
{
    return parts.year >= kFirstYear && parts.year <= kLastYear && parts.month >= 1 && parts.month <= 12 &&
           parts.day >= 1 && parts.day <= DaysInMonth(parts.year, parts.month) && parts.hour <= 23 &&
           parts.minute <= 59 && parts.second <= 59;
}

// Days from 1 January 1970 of a Gregorian date (H. Hinnant's days_from_civil).
int64_t DaysFromCivil(int64_t year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    int64_t era = (year >= 0 ? year : year - 399) / 400;
    int64_t yearOfEra = year - era * 400;
    int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool ReadNumber(Scanner& scanner, int& value)
{
    std::optional<int> number = scanner.number();
    if (number) {
        value = *number;
    }
    return number.has_value();
}

// "年", "月", "日" with an optional time "时", "分", "秒" (seconds may be left out).
bool ReadChineseForm(Scanner& scanner, DateTimeParts& parts)
{
    if (!scanner.take("年") || !ReadNumber(scanner, parts.month) || !scanner.take("月") ||
        !ReadNumber(scanner, parts.day) || !scanner.take("日")) {
        return false;
    }
    scanner.skipSpaces();
    if (scanner.atEnd()) {
        return true;
    }
    if (!ReadNumber(scanner, parts.hour) || !scanner.take("时") || !ReadNumber(scanner, parts.minute) ||
        !scanner.take("分")) {
        return false;
    }
    return !ReadNumber(scanner, parts.second) || scanner.take("秒");
}

// "-" or "/" between the date's numbers, then optionally a space and hours:minutes[:seconds].
bool ReadNumericForm(Scanner& scanner, DateTimeParts& parts)
{
    std::string_view separator = scanner.take("-") ? "-" : scanner.take("/") ? "/" : "";
    if (separator.empty() || !ReadNumber(scanner, parts.month) || !scanner.take(separator) ||
        !ReadNumber(scanner, parts.day)) {
        return false;
    }
    scanner.skipSpaces();
    if (scanner.atEnd()) {
        return true;
    }
    if (!ReadNumber(scanner, parts.hour) || !scanner.take(":") || !ReadNumber(scanner, parts.minute)) {
        return false;
    }
    return !scanner.take(":") || ReadNumber(scanner, parts.second);
}

}  // namespace

std::optional<double> ReadDateTime(std::string_view text)
{
    Scanner scanner(text);
    DateTimeParts parts;
    scanner.skipSpaces();
    if (!ReadNumber(scanner, parts.year)) {
        return std::nullopt;
    }
    bool chinese = text.find("年") != std::string_view::npos;
    if (!(chinese ? ReadChineseForm(scanner, parts) : ReadNumericForm(scanner, parts))) {
        return std::nullopt;
    }
    scanner.skipSpaces();
    if (!scanner.atEnd() || !IsValid(parts)) {
        return std::nullopt;
    }
    int64_t days = DaysFromCivil(parts.year, parts.month, parts.day) - DaysFromCivil(1899, 12, 30);
    double time = (parts.hour * 3600 + parts.minute * 60 + parts.second) / static_cast<double>(kSecondsPerDay);
    // Before 30 December 1899 the time still counts forward from the day's midnight, away from zero.
    return days >= 0 ? static_cast<double>(days) + time : static_cast<double>(days) - time;
}

}  // namespace rt::units
