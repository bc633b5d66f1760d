#include "commands/core/text_commands.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "commands/core/command_args.h"
#include "commands/core/text_scan.h"
#include "runtime/memory.h"
#include "runtime/owned_values.h"

namespace rt::commands {
namespace {

size_t CountOf(const ValueTriple& value, size_t length)
{
    int32_t count = IntegerOf(value).value_or(0);
    return count <= 0 ? 0 : std::min(static_cast<size_t>(count), length);
}

// A one-dimensional array block of new texts (null for an empty part), owned by the caller.
void* NewTextArray(const std::vector<std::string_view>& parts)
{
    size_t header = 2 * sizeof(int32_t);
    auto* block = static_cast<unsigned char*>(AllocMem(header + parts.size() * sizeof(char*)));
    int32_t dimensions[2] = {1, static_cast<int32_t>(parts.size())};
    std::memcpy(block, dimensions, header);
    for (size_t i = 0; i < parts.size(); ++i) {
        char* text = NewText(parts[i]);
        // Elements follow the dimension words and need not be pointer-aligned.
        std::memcpy(block + header + i * sizeof text, &text, sizeof text);
    }
    return block;
}

}  // namespace

void LeftTextCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    CommandArgs in(argCount, args);
    std::string_view text = TextOf(in[0]);
    SetTextResult(result, text.substr(0, CountOf(in[1], text.size())));
}

void RightTextCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    CommandArgs in(argCount, args);
    std::string_view text = TextOf(in[0]);
    SetTextResult(result, text.substr(text.size() - CountOf(in[1], text.size())));
}

void FindTextReverseCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    CommandArgs in(argCount, args);
    std::string_view text = TextOf(in[0]);
    if (!in[2].omitted()) {
        int32_t start = IntegerOf(in[2]).value_or(0);
        text = text.substr(0, start <= 1 ? 0 : std::min(static_cast<size_t>(start) - 1, text.size()));
    }
    std::optional<size_t> found = FindLastMatch(text, TextOf(in[1]), LogicalOf(in[3]));
    *result = MakeInt(found ? static_cast<int32_t>(*found + 1) : -1);
}

void SplitTextCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    CommandArgs in(argCount, args);
    std::string_view delimiter = in[1].omitted() ? std::string_view(",") : TextOf(in[1]);
    size_t most = std::numeric_limits<size_t>::max();
    if (!in[2].omitted()) most = static_cast<size_t>(std::max(IntegerOf(in[2]).value_or(0), 0));
    *result = MakePointerValue(NewTextArray(SplitParts(TextOf(in[0]), delimiter, most)), kText | kArrayBit);
}

}  // namespace rt::commands
