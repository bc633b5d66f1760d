// The number an automatic up-down step (SpinMode 1) writes into its edit box.
#pragma once

#include <cstdint>
#include <string_view>

namespace rt::units {

// The box's text read as an integer, plus or minus one; a result above the range's upper end
// wraps to its lower end and one below the lower end to the upper end. The range is
// min(spinMin, spinMax) to max(spinMin, spinMax).
int32_t SpinStep(std::string_view text, bool up, int32_t spinMin, int32_t spinMax);

}  // namespace rt::units
