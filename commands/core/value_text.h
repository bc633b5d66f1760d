// The text form of any value, shared by ToText, WriteTextToFile and MessageBox.
#pragma once

#include <optional>
#include <string>

#include "runtime/values.h"

namespace rt::commands {

// A text's bytes, a number in decimal (byte as unsigned, short, integer and long signed, reals as
// RealText), a logical or a date-time in its text form; nothing for any other type.
std::optional<std::string> ValueText(const ValueTriple& value);

}  // namespace rt::commands
