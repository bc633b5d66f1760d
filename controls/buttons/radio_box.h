// The RadioBox unit kind (rt::kRadioBoxKind): an automatic radio button raising event 0 when
// clicked; the radio boxes of one container form a group, of which one is checked.
#pragma once

#include "runtime/window/unit_kind.h"

namespace rt::units {

const UnitKindDescription& RadioBoxKind();

}  // namespace rt::units
