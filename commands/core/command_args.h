// Reading a command's argument triples and filling its result. Commands never raise runtime errors:
// an argument of an unexpected type reads as empty, so the command fails through its result.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "runtime/numeric_values.h"
#include "runtime/values.h"

namespace rt::commands {

// The argument list of one call; an argument past the end reads as omitted.
class CommandArgs {
public:
    CommandArgs(int count, const ValueTriple* values) : count_(count < 0 ? 0 : count), values_(values) {}

    int count() const { return count_; }
    const ValueTriple& operator[](int index) const;

private:
    int count_;
    const ValueTriple* values_;
};

// The bytes of a text argument; empty for the empty text and for any other type.
std::string_view TextOf(const ValueTriple& value);
// The byte set pointer of a byte set argument, else null (the empty byte set).
const void* ByteSetOf(const ValueTriple& value);
// True for a logical argument that is not 0.
bool LogicalOf(const ValueTriple& value);

// Results: new texts and byte sets are owned by the caller.
void SetTextResult(ValueTriple* result, std::string_view text);
void SetByteSetResult(ValueTriple* result, const void* data, size_t size);

}  // namespace rt::commands
