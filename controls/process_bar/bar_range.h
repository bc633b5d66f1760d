// The numbers a progress bar holds: the range ends and the position are kept to 0-32767, and the
// bar shows the position held into the range.
#pragma once

#include <algorithm>
#include <cstdint>

namespace rt::units {

inline constexpr int32_t kBarLimit = 32767;

constexpr int32_t BarValue(int32_t value) { return std::clamp(value, 0, kBarLimit); }

// The position shown for a stored position: the range's nearer end when it lies outside.
constexpr int32_t ShownBarPosition(int32_t position, int32_t minimum, int32_t maximum)
{
    return std::clamp(position, std::min(minimum, maximum), std::max(minimum, maximum));
}

}  // namespace rt::units
