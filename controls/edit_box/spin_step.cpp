#include "controls/edit_box/spin_step.h"

#include <algorithm>
#include <limits>

#include "controls/edit_box/typed_input.h"

namespace rt::units {

int32_t SpinStep(std::string_view text, bool up, int32_t spinMin, int32_t spinMax)
{
    int64_t low = std::min(spinMin, spinMax);
    int64_t high = std::max(spinMin, spinMax);
    // Held to the 32-bit range first, so that the step itself cannot overflow.
    int64_t current = std::clamp<int64_t>(ReadInteger64(text), std::numeric_limits<int32_t>::min(),
                                          std::numeric_limits<int32_t>::max());
    int64_t next = up ? current + 1 : current - 1;
    if (next > high) {
        return static_cast<int32_t>(low);
    }
    if (next < low) {
        return static_cast<int32_t>(high);
    }
    return static_cast<int32_t>(next);
}

}  // namespace rt::units
