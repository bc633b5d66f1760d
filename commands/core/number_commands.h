// The number commands.
#pragma once

#include <cstdint>

#include "runtime/values.h"

namespace rt::commands {

// The largest integer not above the value, after a value within 1e-12 of the next whole number
// away from zero has been snapped to it. Held to the 32-bit range; NaN gives 0.
int32_t IntegerPartOf(double value);

// double: IntegerPartOf as an integer.
void IntegerPartCommand(ValueTriple* result, int argCount, ValueTriple* args);
// double: its magnitude.
void AbsoluteValueCommand(ValueTriple* result, int argCount, ValueTriple* args);

}  // namespace rt::commands
