// The unit kinds known to the runtime, by kind number (service 1002).
#pragma once

#include <cstdint>

#include "runtime/window/unit_kind.h"

namespace rt {

// Kinds made by the runtime itself (the window) and by unit libraries register here at start-up;
// a later registration of the same kind number replaces the earlier one.
void RegisterUnitKind(const UnitKindDescription& description);

// The registered kind, else the kind listed in the unit kinds of a linked library; null when
// neither knows it.
const UnitKindDescription* FindUnitKind(uint32_t kind);

}  // namespace rt
