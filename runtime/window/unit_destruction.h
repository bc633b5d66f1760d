// DestroyWindow's work for the core library: a window is closed when the message loop next runs
// (or during the call), a unit inside a window is destroyed on its own.
#pragma once

#include <cstdint>

namespace rt {

// unitId 0 or the window's own unit names the window. Runs on the window thread; a window or
// unit that is not loaded is left alone.
void DestroyWindowOrUnit(uint32_t windowId, uint32_t unitId, bool atOnce);

}  // namespace rt
