#include "commands/core/command_args.h"

#include <cstring>

#include "runtime/owned_values.h"

namespace rt::commands {

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

bool LogicalOf(const ValueTriple& value) { return value.type == kLogical && value.low != 0; }

void SetTextResult(ValueTriple* result, std::string_view text) { *result = MakeText(NewText(text)); }

void SetByteSetResult(ValueTriple* result, const void* data, size_t size)
{
    *result = MakePointerValue(NewByteSet(data, size), kByteSet);
}

}  // namespace rt::commands
