#include "commands/core/value_text.h"

#include <charconv>

#include "commands/core/command_args.h"
#include "commands/core/date_time_text.h"

namespace rt {
namespace {

template <typename Real>
std::string ShortestText(Real value)
{
    // Negative zero reads as plain 0.
    if (value == 0) return "0";
    char digits[64];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    return error == std::errc() ? std::string(digits, end) : std::string();
}

}  // namespace

std::string RealText(double value) { return ShortestText(value); }
std::string SingleText(float value) { return ShortestText(value); }
std::string LogicalText(bool value) { return value ? "真" : "假"; }

std::optional<std::string> ValueText(const ValueTriple& value)
{
    switch (value.type) {
    case kText:
        return std::string(TextOf(value));
    case kByte:
        return std::to_string(static_cast<uint8_t>(value.low));
    case kShort:
        return std::to_string(static_cast<int16_t>(value.low));
    case kInt:
        return std::to_string(static_cast<int32_t>(value.low));
    case kLong:
        return std::to_string(value.longValue());
    case kFloat:
        return SingleText(value.floatValue());
    case kDouble:
        return RealText(value.doubleValue());
    case kLogical:
        return LogicalText(value.low != 0);
    case kDateTime:
        return DateTimeText(value.doubleValue());
    default:
        return std::nullopt;
    }
}

}  // namespace rt
