// The conversion commands: any basic value to a text, a number or a byte set.
#pragma once

#include "runtime/values.h"

namespace rt::commands {

// A new text: a number in decimal, a copy of a text, a byte set's bytes up to its first zero, a
// logical or date-time in its text form; the empty text for anything else.
void ToTextCommand(ValueTriple* result, int argCount, ValueTriple* args);
// A double: a text read as a decimal number after full-width normalisation, a number's value, a
// logical 1 or 0, a sub pointer's address; 0 for anything else.
void ToNumberCommand(ValueTriple* result, int argCount, ValueTriple* args);
// A new byte set: a text's bytes without the terminator, a value's binary bytes, a copy of a byte set.
void ToByteSetCommand(ValueTriple* result, int argCount, ValueTriple* args);

}  // namespace rt::commands
