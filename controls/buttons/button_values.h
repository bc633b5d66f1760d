// What the button family's property code shares: picks and the BUTTON styles of the alignment picks.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "controls/common/unit_property_value.h"

namespace rt::units {

// A pick held to 0..last.
int32_t ClampPick(int32_t value, int32_t last);

// Caption placement: 0 left, 1 centre, 2 right; 0 top, 1 centre, 2 bottom (out of range held).
DWORD HorizontalAlignStyle(int32_t align);
DWORD VerticalAlignStyle(int32_t align);

}  // namespace rt::units
