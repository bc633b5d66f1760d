// The CheckBox unit kind (rt::kCheckBoxKind): an automatic check box raising event 0 when clicked.
#pragma once

#include "runtime/window/unit_kind.h"

namespace rt::units {

const UnitKindDescription& CheckBoxKind();

}  // namespace rt::units
