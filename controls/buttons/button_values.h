// What the button family's property code shares: property values from and to options fields, and
// the BUTTON styles of the alignment picks.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "controls/options/font_description.h"
#include "runtime/window/unit_kind.h"

namespace rt {

PropertyValue NumberValue(int32_t number);
PropertyValue TextValue(const std::string& text);
PropertyValue BytesValue(const std::vector<uint8_t>& bytes);
PropertyValue FontValue(const std::optional<FontDescription>& font);
// A 60-byte value is a font; anything else is none (the default GUI font).
std::optional<FontDescription> FontOf(const PropertyValue& value);

// A pick held to 0..last.
int32_t ClampPick(int32_t value, int32_t last);

// Caption placement: 0 left, 1 centre, 2 right; 0 top, 1 centre, 2 bottom (out of range held).
DWORD HorizontalAlignStyle(int32_t align);
DWORD VerticalAlignStyle(int32_t align);

}  // namespace rt
