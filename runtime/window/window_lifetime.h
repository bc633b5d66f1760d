// Loading a window from its template, re-creating a unit in place, and what happens when a window
// goes: its template is restored so that the next load starts from the stored values again.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "runtime/templates/template_collection.h"

namespace rt {

class WindowUnit;

// Creates the window and all its units, raises events 0, 3 and 4 and shows it when visible. A
// loaded window is only brought to the front, unless its deferred close is pending: then the close
// is carried out first and the window loaded afresh.
// runFirstShow (service 2005) also runs the first-show path, where a modal window runs its loop.
// False when the id is unknown, the owner is gone, the template holds menu items or a creation
// failed; nothing of the window is left then.
bool LoadWindow(uint32_t windowId, HWND owner, bool modal, bool runFirstShow);

// Service 2000: the unit's object slot and cursor are cleared; for the window's own unit the
// template is restored.
void ForgetDestroyedUnit(uint32_t windowId, uint32_t unitId);
// The window's WM_NCDESTROY: cursors and windowless units go, the template is restored, and the
// quit message is posted when no template window is left and the loop has started.
void ForgetDestroyedWindow(WindowUnit& window);

// Destroys every live template window (shut-down).
void DestroyAllWindows();

// Re-creates the unit at position from its current properties, in place: same position,
// parent, focus and stacking; events are suspended meanwhile. False when the creation failed.
bool RecreateUnit(WindowTemplate& window, size_t position);

// The window whose modal loop runs innermost, or null.
HWND CurrentModalWindow();
void SetCurrentModalWindow(HWND window);

// Focus events (-7, -8) raised by the focus hook are held back while the loader shows a window.
bool FocusEventsHeld();

}  // namespace rt
