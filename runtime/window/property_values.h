// Property values between the application's words and a kind's PropertyValue: what a write
// hands the kind, and what a read hands back (texts and byte sets as new values for the caller).
#pragma once

#include <cstdint>

#include "runtime/window/unit_kind.h"

namespace rt {

// The value of a write by the property's type. A font with sub-index -1 is a whole description
// (a 60-byte byte set); 0..6 change one member of current, the unit's current font.
PropertyValue PrepareWrittenValue(PropertyType type, int subIndex, uintptr_t low, const PropertyValue& current);

// The word a read returns: numbers as they are, texts and byte sets as new values.
int64_t ReadResultOf(PropertyType type, const PropertyValue& value);

// A text value as bytes (null is empty); a byte set's bytes (null is empty).
std::string TextAt(uintptr_t pointer);
std::vector<uint8_t> ByteSetAt(uintptr_t pointer);

}  // namespace rt
