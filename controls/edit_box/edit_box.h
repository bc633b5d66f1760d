// The EditBox unit kind (kind rt::kEditBoxKind): an "EDIT" control, with an up-down control beside a
// single-line box whose SpinMode is not 0.
#pragma once

#include "runtime/window/unit_kind.h"

namespace rt::units {

const UnitKindDescription& EditBoxKind();

}  // namespace rt::units
