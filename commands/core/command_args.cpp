#include "commands/core/command_args.h"

#include <cmath>
#include <cstring>

#include "runtime/owned_values.h"

namespace rt {

const ValueTriple& CommandArgs::operator[](int index) const
{
    static const ValueTriple omitted{};
    if (index < 0 || index >= count_ || !values_) return omitted;
    return values_[index];
}

std::string_view TextOf(const ValueTriple& value)
{
    if (value.type != kText) return {};
    const char* text = static_cast<const char*>(value.pointer());
    return text ? std::string_view(text) : std::string_view();
}

const void* ByteSetOf(const ValueTriple& value) { return value.type == kByteSet ? value.pointer() : nullptr; }

int32_t TruncateToInt32(double value)
{
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
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

bool LogicalOf(const ValueTriple& value) { return value.type == kLogical && value.low != 0; }

void SetTextResult(ValueTriple* result, std::string_view text) { *result = MakeText(NewText(text)); }

void SetByteSetResult(ValueTriple* result, const void* data, size_t size)
{
    *result = MakePointerValue(NewByteSet(data, size), kByteSet);
}

}  // namespace rt
