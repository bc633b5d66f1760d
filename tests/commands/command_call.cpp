#include "command_call.h"

#include <cstring>
#include <deque>

#include "runtime/owned_values.h"

namespace test {

CommandResult::~CommandResult()
{
    uint32_t type = value_.type;
    if (type == rt::kText || type == rt::kByteSet || rt::IsArrayType(type)) rt::ReleaseValue(value_.pointer(), type);
}

std::string CommandResult::text() const
{
    auto* text = static_cast<const char*>(value_.pointer());
    return text ? text : "";
}

std::vector<uint8_t> CommandResult::bytes() const
{
    const void* byteSet = value_.pointer();
    const uint8_t* data = rt::ByteSetData(byteSet);
    return std::vector<uint8_t>(data, data + rt::ByteSetSize(byteSet));
}

int32_t CommandResult::arraySize() const
{
    auto* words = static_cast<const int32_t*>(value_.pointer());
    return words ? words[1] : -1;
}

std::vector<std::string> CommandResult::texts() const
{
    std::vector<std::string> parts;
    auto* block = static_cast<const unsigned char*>(value_.pointer());
    for (int32_t i = 0; i < arraySize(); ++i) {
        const char* part;
        std::memcpy(&part, block + 2 * sizeof(int32_t) + i * sizeof part, sizeof part);
        parts.push_back(part ? part : "");
    }
    return parts;
}

CommandResult Call(rt::CommandRoutine routine, std::initializer_list<rt::ValueTriple> args)
{
    std::vector<rt::ValueTriple> copies(args);
    rt::ValueTriple result{};
    routine(&result, static_cast<int>(copies.size()), copies.data());
    return CommandResult(result);
}

ByteSetArg::ByteSetArg(const std::vector<uint8_t>& bytes) : block_(sizeof(rt::ByteSetHeader) + bytes.size())
{
    rt::ByteSetHeader header{1, static_cast<int32_t>(bytes.size())};
    std::memcpy(block_.data(), &header, sizeof header);
    if (!bytes.empty()) std::memcpy(block_.data() + sizeof header, bytes.data(), bytes.size());
}

rt::ValueTriple Text(const std::string& text)
{
    // Argument texts stay alive for the whole test program, as constant texts do.
    static std::deque<std::string> kept;
    kept.push_back(text);
    return rt::MakeText(kept.back().c_str());
}

rt::ValueTriple Double(double value) { return rt::MakeDouble(value); }

}  // namespace test
