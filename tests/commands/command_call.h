// Calling a command as compiled application code does, and owning what it hands back.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/program_header.h"
#include "runtime/values.h"

namespace test {

// A command's result; texts, byte sets and arrays of texts it holds are released with it.
class CommandResult {
public:
    explicit CommandResult(rt::ValueTriple value) : value_(value) {}
    CommandResult(CommandResult&& other) noexcept : value_(other.value_) { other.value_ = {}; }
    CommandResult(const CommandResult&) = delete;
    CommandResult& operator=(const CommandResult&) = delete;
    ~CommandResult();

    const rt::ValueTriple& triple() const { return value_; }
    uint32_t type() const { return value_.type; }
    int32_t integer() const { return static_cast<int32_t>(value_.low); }
    bool logical() const { return value_.low != 0; }
    double real() const { return value_.doubleValue(); }
    std::string text() const;
    std::vector<uint8_t> bytes() const;
    // The parts of an array of texts.
    std::vector<std::string> texts() const;
    // The element count of an array block (its one dimension).
    int32_t arraySize() const;

private:
    rt::ValueTriple value_;
};

CommandResult Call(rt::CommandRoutine routine, std::initializer_list<rt::ValueTriple> args);

// A byte set argument built from bytes; it lives as long as this object.
class ByteSetArg {
public:
    explicit ByteSetArg(const std::vector<uint8_t>& bytes);
    explicit ByteSetArg(const std::string& bytes) : ByteSetArg(std::vector<uint8_t>(bytes.begin(), bytes.end())) {}
    rt::ValueTriple triple() const { return rt::MakePointerValue(block_.data(), rt::kByteSet); }

private:
    std::vector<uint8_t> block_;
};

rt::ValueTriple Text(const std::string& text);
rt::ValueTriple Double(double value);

}  // namespace test
