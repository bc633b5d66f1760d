// Property values as the unit kinds hand them to the window layer and take them back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/unit_options/font_description.h"
#include "runtime/window/unit_kind.h"

namespace rt::units {

PropertyValue NumberValue(int32_t number);
PropertyValue TextValue(std::string text);
PropertyValue BytesValue(std::vector<uint8_t> bytes);
// A font as its 60 bytes; no font (the default GUI font) as no bytes.
PropertyValue FontValue(const std::optional<FontDescription>& font);
// A 60-byte value is a font; anything else is none.
std::optional<FontDescription> FontOf(const PropertyValue& value);

}  // namespace rt::units
