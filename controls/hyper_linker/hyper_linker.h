// The HyperLinker unit kind: a text link that opens a web or mail address when clicked, and its
// OpenLink method.
#pragma once

#include "runtime/window/unit_kind.h"

namespace rt::units {

const UnitKindDescription& HyperLinkerKind();
// Puts OpenLink behind its core-command entry.
void RegisterHyperLinkerMethods();

}  // namespace rt::units
