#include "runtime/numeric_values.h"

#include <cmath>
#include <cstdint>

namespace rt {

int32_t TruncateToInt32(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483647.0) {
        return INT32_MAX;
    }
    if (value <= -2147483648.0) {
        return INT32_MIN;
    }
    return static_cast<int32_t>(value);
}

std::optional<int32_t> IntegerOf(const ValueTriple& value)
{
    switch (value.type) {
    case kByte:
        return static_cast<uint8_t>(value.low);
    case kShort:
        return static_cast<int16_t>(value.low);
    case kInt:
    case kLong:
        return static_cast<int32_t>(value.low);
    case kFloat:
        return TruncateToInt32(value.floatValue());
    case kDouble:
        return TruncateToInt32(value.doubleValue());
    default:
        return std::nullopt;
    }
}

std::optional<double> DoubleOf(const ValueTriple& value)
{
    switch (value.type) {
    case kByte:
        return static_cast<uint8_t>(value.low);
    case kShort:
        return static_cast<int16_t>(value.low);
    case kInt:
        return static_cast<int32_t>(value.low);
    case kLong:
        return static_cast<double>(value.longValue());
    case kFloat:
        return value.floatValue();
    case kDouble:
        return value.doubleValue();
    default:
        return std::nullopt;
    }
}

}  // namespace rt
