// The HTML view (kind 0x00060001): a child window hosting the system's web browser control, which
// shows the page whose address is written into its Address property.
#pragma once

#include "runtime/window/unit_kind.h"

namespace rt::units {

const UnitKindDescription& HtmlViewerKind();

}  // namespace rt::units
