// Numeric values as integers and reals, defined for every value of every numeric type.
#pragma once

#include <cstdint>
#include <optional>

#include "runtime/values.h"

namespace rt {

// Truncation toward zero into the 32-bit range: defined for every double (NaN gives 0).
int32_t TruncateToInt32(double value);

// A numeric value as a 32-bit integer (Long: low 32 bits; reals truncated toward zero and held to
// the 32-bit range); nothing for any other type.
std::optional<int32_t> IntegerOf(const ValueTriple& value);
// A numeric value as a double; nothing for any other type.
std::optional<double> DoubleOf(const ValueTriple& value);

}  // namespace rt
