#include "commands/core/conversion_commands.h"

#include <cstring>
#include <string_view>

#include "commands/core/command_args.h"
#include "runtime/number_text.h"
#include "commands/core/value_text.h"

namespace rt::commands {
namespace {

// Bytes of the value's binary form in the triple: 0 for types that have none.
size_t BinarySize(uint32_t type)
{
    switch (type) {
    case kByte:
        return 1;
    case kShort:
        return 2;
    case kInt:
    case kFloat:
    case kLogical:
        return 4;
    case kLong:
    case kDouble:
    case kDateTime:
        return 8;
    default:
        return 0;
    }
}

std::string_view ByteSetTextPart(const void* byteSet)
{
    auto bytes = reinterpret_cast<const char*>(ByteSetData(byteSet));
    std::string_view all(bytes, ByteSetSize(byteSet));
    return all.substr(0, all.find('\0'));
}

double NumberOf(const ValueTriple& value)
{
    if (value.type == kText) return ParseDecimalPrefix(NormaliseFullWidth(TextOf(value)));
    if (value.type == kLogical) return value.low != 0 ? 1.0 : 0.0;
    if (value.type == kSubPtr) return static_cast<double>(reinterpret_cast<uintptr_t>(value.pointer()));
    return DoubleOf(value).value_or(0.0);
}

}  // namespace

void ToTextCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    const ValueTriple& value = CommandArgs(argCount, args)[0];
    if (value.type == kByteSet) {
        SetTextResult(result, ByteSetTextPart(value.pointer()));
        return;
    }
    SetTextResult(result, ValueText(value).value_or(std::string()));
}

void ToNumberCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    *result = MakeDouble(NumberOf(CommandArgs(argCount, args)[0]));
}

void ToByteSetCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    const ValueTriple& value = CommandArgs(argCount, args)[0];
    if (value.type == kText) {
        std::string_view text = TextOf(value);
        SetByteSetResult(result, text.data(), text.size());
    } else if (value.type == kByteSet) {
        SetByteSetResult(result, ByteSetData(value.pointer()), ByteSetSize(value.pointer()));
    } else {
        uint32_t words[2] = {value.low, value.high};
        SetByteSetResult(result, words, BinarySize(value.type));
    }
}

}  // namespace rt::commands
