#include "app/runtime_calls.h"

#include <cstring>
#include <utility>

#include "runtime/helper_table.h"
#include "runtime/numeric_values.h"
#include "runtime/start_runtime.h"

namespace app {
namespace {

const rt::HelperTable& Runtime() { return rt::Helpers(); }

// The routine at a position of the library's command table in the program header.
rt::CommandRoutine LibraryRoutine(data::LibraryNumber library, uint32_t position)
{
    const rt::ProgramHeader& header = rt::kProgramHeader;
    if (library >= header.libraryCount || !header.libraries[library]) {
        return nullptr;
    }
    const rt::LibraryDescription& description = *header.libraries[library];
    return position < description.commandCount ? description.commands[position] : nullptr;
}

// The runtime's calls take a writable argument array.
std::vector<rt::ValueTriple> ArgumentArray(std::initializer_list<rt::ValueTriple> args) { return {args}; }

}  // namespace

Text& Text::operator=(Text&& other) noexcept
{
    std::swap(text_, other.text_);
    return *this;
}

Text::~Text() { Runtime().freeMem(text_); }

ByteSet& ByteSet::operator=(ByteSet&& other) noexcept
{
    std::swap(block_, other.block_);
    return *this;
}

ByteSet::~ByteSet() { Runtime().freeMem(block_); }

rt::ValueTriple Arg(const char* text) { return rt::MakeText(text); }
rt::ValueTriple Arg(const std::string& text) { return rt::MakeText(text.c_str()); }
rt::ValueTriple Arg(int32_t number) { return rt::MakeInt(number); }
rt::ValueTriple Arg(double number) { return rt::MakeDouble(number); }
rt::ValueTriple Arg(bool logical) { return rt::MakeLogical(logical); }
rt::ValueTriple Arg(const Unit& unit) { return unit.triple(); }
rt::ValueTriple Arg(const ByteSet& bytes) { return bytes.triple(); }
rt::ValueTriple ByteSetArg(const void* byteSet) { return rt::MakePointerValue(byteSet, rt::kByteSet); }
rt::ValueTriple SubArg(const void* sub) { return rt::MakePointerValue(sub, rt::kSubPtr); }

rt::ValueTriple CallCore(rt::commands::CoreCommand command, std::initializer_list<rt::ValueTriple> args)
{
    rt::CommandRoutine routine = LibraryRoutine(data::kCoreLibraryNumber, static_cast<uint32_t>(command));
    std::vector<rt::ValueTriple> array = ArgumentArray(args);
    return Runtime().callCoreCommand(routine, static_cast<int>(array.size()), array.data());
}

rt::ValueTriple CallLibrary(data::LibraryNumber library, uint32_t position, std::initializer_list<rt::ValueTriple> args)
{
    rt::CommandRoutine routine = LibraryRoutine(library, position);
    std::vector<rt::ValueTriple> array = ArgumentArray(args);
    return Runtime().callLibraryCommand(static_cast<int>(library), routine, static_cast<int>(array.size()),
                                        array.data());
}

Text TakeText(const rt::ValueTriple& result)
{
    return Text(result.type == rt::kText ? static_cast<char*>(result.pointer()) : nullptr);
}

ByteSet TakeByteSet(const rt::ValueTriple& result)
{
    return ByteSet(result.type == rt::kByteSet ? result.pointer() : nullptr);
}

std::vector<std::string> TakeTexts(const rt::ValueTriple& result)
{
    std::vector<std::string> parts;
    if (result.type != (rt::kText | rt::kArrayBit) || !result.pointer()) {
        return parts;
    }
    auto* header = static_cast<rt::ArrayHeader*>(result.pointer());
    auto* elements = reinterpret_cast<char**>(reinterpret_cast<uint8_t*>(header) + sizeof(int32_t) * 2);
    for (int32_t i = 0; i < header->sizes[0]; ++i) {
        parts.emplace_back(elements[i] ? elements[i] : "");
        Runtime().freeMem(elements[i]);
    }
    Runtime().freeMem(header);
    return parts;
}

int32_t IntegerOf(const rt::ValueTriple& result) { return rt::IntegerOf(result).value_or(0); }
double RealOf(const rt::ValueTriple& result) { return rt::DoubleOf(result).value_or(0); }
bool LogicalOf(const rt::ValueTriple& result) { return result.type == rt::kLogical && result.low != 0; }

int32_t ReadInt(const Unit& unit, int index)
{
    return static_cast<int32_t>(Runtime().readProperty(unit.windowId, unit.unitId, index, -1));
}

bool ReadLogical(const Unit& unit, int index) { return ReadInt(unit, index) != 0; }

Text ReadText(const Unit& unit, int index)
{
    auto word = static_cast<uintptr_t>(Runtime().readProperty(unit.windowId, unit.unitId, index, -1));
    return Text(reinterpret_cast<char*>(word));
}

void WriteInt(const Unit& unit, int index, int32_t value)
{
    Runtime().writeProperty(unit.windowId, unit.unitId, index, -1, static_cast<uint32_t>(value), 0);
}

void WriteLogical(const Unit& unit, int index, bool value) { WriteInt(unit, index, value ? 1 : 0); }

void WriteText(const Unit& unit, int index, const std::string& text)
{
    Runtime().writeProperty(unit.windowId, unit.unitId, index, -1, reinterpret_cast<uintptr_t>(text.c_str()), 0);
}

void AssignText(char*& variable, std::string_view text)
{
    Runtime().freeMem(variable);
    variable = nullptr;
    if (!text.empty()) {
        variable = static_cast<char*>(Runtime().allocMem(text.size() + 1));
        std::memcpy(variable, text.data(), text.size());
        variable[text.size()] = '\0';
    }
}

void AssignByteSet(void*& variable, ByteSet bytes)
{
    Runtime().freeMem(variable);
    variable = bytes.release();
}

std::string TextOfVariable(const char* variable) { return variable ? variable : ""; }

int32_t Trunc(double value) { return rt::TruncateToInt32(value); }

}  // namespace app
