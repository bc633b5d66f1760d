// The Button unit kind (rt::kButtonKind): a push button that raises event 0 when clicked.
#pragma once

#include "runtime/window/unit_kind.h"

namespace rt::units {

const UnitKindDescription& ButtonKind();

}  // namespace rt::units
