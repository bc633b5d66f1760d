#include "controls/buttons/button_values.h"

#include <algorithm>
#include <array>

namespace rt::units {

int32_t ClampPick(int32_t value, int32_t last) { return std::clamp(value, 0, last); }

DWORD HorizontalAlignStyle(int32_t align)
{
    constexpr DWORD kStyles[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
    return kStyles[ClampPick(align, 2)];
}

DWORD VerticalAlignStyle(int32_t align)
{
    constexpr DWORD kStyles[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
    return kStyles[ClampPick(align, 2)];
}

}  // namespace rt::units
