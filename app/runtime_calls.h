// The application's thin typed layer over the runtime: every command goes through the helper
// table to the routine in its library's command table, every property is read and written by
// index, and every text or byte set the runtime hands out is owned here until it is released.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "commands/core/core_command_ids.h"
#include "data/program_libraries.h"
#include "runtime/values.h"

namespace app {

// A text handed out by the runtime, released with FreeMem when its owner goes.
class Text {
public:
    Text() = default;
    explicit Text(char* owned) : text_(owned) {}
    Text(Text&& other) noexcept : text_(other.text_) { other.text_ = nullptr; }
    Text& operator=(Text&& other) noexcept;
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    ~Text();

    const char* get() const { return text_ ? text_ : ""; }
    std::string str() const { return get(); }
    bool empty() const { return !text_ || !*text_; }

private:
    char* text_ = nullptr;
};

// A byte set handed out by the runtime, released with FreeMem when its owner goes.
class ByteSet {
public:
    ByteSet() = default;
    explicit ByteSet(void* owned) : block_(owned) {}
    ByteSet(ByteSet&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
    ByteSet& operator=(ByteSet&& other) noexcept;
    ByteSet(const ByteSet&) = delete;
    ByteSet& operator=(const ByteSet&) = delete;
    ~ByteSet();

    const void* get() const { return block_; }
    // Hands the block to a new owner.
    void* release() { return std::exchange(block_, nullptr); }
    size_t size() const { return rt::ByteSetSize(block_); }
    bool empty() const { return size() == 0; }
    rt::ValueTriple triple() const { return rt::MakePointerValue(block_, rt::kByteSet); }

private:
    void* block_ = nullptr;
};

// A unit of a window as commands take it: window id, unit id and the unit's kind.
struct Unit {
    uint32_t windowId;
    uint32_t unitId;
    uint32_t kind;

    rt::ValueTriple triple() const { return rt::MakeUnitRef(windowId, unitId, kind); }
};

// Argument triples. A text argument points into the caller's text, which must outlive the call.
rt::ValueTriple Arg(const char* text);
rt::ValueTriple Arg(const std::string& text);
rt::ValueTriple Arg(int32_t number);
rt::ValueTriple Arg(double number);
rt::ValueTriple Arg(bool logical);
rt::ValueTriple Arg(const Unit& unit);
rt::ValueTriple Arg(const ByteSet& bytes);
rt::ValueTriple ByteSetArg(const void* byteSet);
rt::ValueTriple SubArg(const void* sub);
inline rt::ValueTriple Omitted() { return {}; }

// A command of the core library's table; the caller owns a text or byte set result.
rt::ValueTriple CallCore(rt::commands::CoreCommand command, std::initializer_list<rt::ValueTriple> args);
// The command at a position of another library's command table (data/program_libraries.h).
rt::ValueTriple CallLibrary(data::LibraryNumber library, uint32_t position,
                            std::initializer_list<rt::ValueTriple> args);

// Results taken over: a text, a byte set, an array of texts (its parts copied out, the array
// released), a whole number, a real, a logical.
Text TakeText(const rt::ValueTriple& result);
ByteSet TakeByteSet(const rt::ValueTriple& result);
std::vector<std::string> TakeTexts(const rt::ValueTriple& result);
int32_t IntegerOf(const rt::ValueTriple& result);
double RealOf(const rt::ValueTriple& result);
bool LogicalOf(const rt::ValueTriple& result);

// Unit properties by index: 0..7 the common ones, 8 on the kind's own.
int32_t ReadInt(const Unit& unit, int index);
bool ReadLogical(const Unit& unit, int index);
Text ReadText(const Unit& unit, int index);
void WriteInt(const Unit& unit, int index, int32_t value);
void WriteLogical(const Unit& unit, int index, bool value);
void WriteText(const Unit& unit, int index, const std::string& text);

// A text variable's new value: the old text is released, the new one is a copy the variable owns.
void AssignText(char*& variable, std::string_view text);
// A byte-set variable takes over the byte set.
void AssignByteSet(void*& variable, ByteSet bytes);
std::string TextOfVariable(const char* variable);

// The application's truncation of a real toward zero, as every real-to-integer step does.
int32_t Trunc(double value);

}  // namespace app
