// The runtime's text forms of values, shared by ToText, WriteTextToFile and MessageBox.
#pragma once

#include <optional>
#include <string>

#include "runtime/values.h"

namespace rt {

// Shortest digits that read back as the same value, fixed or with an exponent, whichever is shorter
// ("0.1", "3", "1e+20"); no trailing zeros.
std::string RealText(double value);
std::string SingleText(float value);
// "真" or "假".
std::string LogicalText(bool value);

// A text's bytes, a number in decimal (byte as unsigned, short, integer and long signed, reals as
// RealText), a logical or a date-time in its text form; nothing for any other type.
std::optional<std::string> ValueText(const ValueTriple& value);

}  // namespace rt
