// The GroupBox unit kind (rt::kGroupBoxKind): a captioned frame that holds other units.
#pragma once

#include "runtime/window/unit_kind.h"

namespace rt::units {

const UnitKindDescription& GroupBoxKind();

}  // namespace rt::units
