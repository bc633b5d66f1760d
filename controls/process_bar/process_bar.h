// The ProcessBar unit kind (kind rt::kProcessBarKind): a "msctls_progress32" progress bar.
#pragma once

#include "runtime/window/unit_kind.h"

namespace rt::units {

const UnitKindDescription& ProcessBarKind();

// The ProcessBar unit's own property numbers (property index - 8).
enum ProcessBarProperty : int {
    kBarBorder = 0,
    kBarVertical,
    kBarSmooth,
    kBarMinimum,
    kBarMaximum,
    kBarPosition,
    kBarPropertyCount
};

}  // namespace rt::units
