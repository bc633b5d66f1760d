#include "commands/core/value_text.h"

#include "commands/core/command_args.h"
#include "runtime/date_time_text.h"
#include "runtime/real_text.h"

namespace rt::commands {

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

}  // namespace rt::commands
