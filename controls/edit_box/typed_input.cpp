#include "controls/edit_box/typed_input.h"

#include <algorithm>
#include <cfloat>
#include <limits>
#include <optional>

#include "runtime/date_time_text.h"
#include "runtime/number_text.h"
#include "runtime/real_text.h"
#include "controls/edit_box/date_time_reading.h"

namespace rt::units {
namespace {

bool IsDigit(uint32_t c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string ClampedIntegerText(std::string_view text, int64_t low, int64_t high)
{
    return std::to_string(std::clamp(ReadInteger64(text), low, high));
}

// Reals beyond the precision's range are held at its largest finite value, so the box never shows
// an infinity.
std::string SingleRealText(std::string_view text)
{
    double value = std::clamp(ParseDecimalPrefix(text), -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX));
    return SingleText(static_cast<float>(value));
}

std::string DoubleRealText(std::string_view text)
{
    return RealText(std::clamp(ParseDecimalPrefix(text), -DBL_MAX, DBL_MAX));
}

std::string DateTimeTextOf(std::string_view text)
{
    std::optional<double> date = ReadDateTime(text);
    return date && *date != 0 ? DateTimeText(*date) : std::string();
}

std::string NumberText(int32_t mode, std::string_view text)
{
    switch (mode) {
    case kInputByte:
        return ClampedIntegerText(text, 0, 255);
    case kInputShort:
        return ClampedIntegerText(text, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max());
    case kInputInteger:
        return ClampedIntegerText(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    case kInputLong:
        return std::to_string(ReadInteger64(text));
    case kInputSingle:
        return SingleRealText(text);
    default:
        return DoubleRealText(text);
    }
}

}  // namespace

bool AcceptsTypedCharacter(int32_t mode, uint32_t character)
{
    if (character < 32) {
        return true;
    }
    switch (mode) {
    case kInputSignedDigits:
    case kInputShort:
    case kInputInteger:
    case kInputLong:
        return character == '-' || IsDigit(character);
    case kInputDecimalDigits:
    case kInputSingle:
    case kInputDouble:
        return character == '-' || character == '.' || IsDigit(character);
    case kInputByte:
        return IsDigit(character);
    default:
        return true;
    }
}

std::string NormaliseTypedText(int32_t mode, std::string_view text)
{
    if (mode == kInputDateTime) {
        return DateTimeTextOf(text);
    }
    if (mode < kInputByte || mode > kInputDouble) {
        return std::string(text);
    }
    std::string number = NumberText(mode, text);
    return number == "0" ? std::string() : number;
}

int64_t ReadInteger64(std::string_view text)
{
    size_t at = 0;
    while (at < text.size() && IsSpace(text[at])) {
        ++at;
    }
    bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        ++at;
    }
    // Accumulated as a negative number, whose range reaches the 64-bit minimum.
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    int64_t value = 0;
    for (; at < text.size() && IsDigit(static_cast<unsigned char>(text[at])); ++at) {
        int digit = text[at] - '0';
        if (value < (kMin + digit) / 10) {
            value = kMin;
        } else {
            value = value * 10 - digit;
        }
    }
    if (negative) {
        return value;
    }
    return value == kMin ? std::numeric_limits<int64_t>::max() : -value;
}

}  // namespace rt::units
