// The Label unit kind (rt::kLabelKind): a painted caption with effects, borders, a gradient frame
// and a gradient or picture background, and its method RaiseFeedback, by which a worker thread
// has the label's event 0 run on the window thread.
#pragma once

#include "runtime/window/unit_kind.h"

namespace rt::units {

const UnitKindDescription& LabelKind();

// Puts RaiseFeedback behind its core-command entry.
void RegisterLabelMethods();

}  // namespace rt::units
