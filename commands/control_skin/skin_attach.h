// Taking a window over and letting it go again.
#pragma once

#include <windows.h>

#include "commands/control_skin/skin_record.h"

namespace rt::commands::skin {

// Takes the window over when the skin knows its kind and has not taken it already: a record with
// the state read from the window, the skin's procedure in place of the window's own, a redraw.
// A record the skin let go of without getting its procedure back is taken up again.
void AttachSkin(HWND window);

// Puts the window's own procedure back, forgets the record and, with `redraw`, redraws the window.
// When another procedure has been put over the skin's since, that one stays in place: the record
// then only passes messages on until the window is destroyed.
void DetachSkin(SkinRecord* record, bool redraw);

// Asks the parent for the control's colours (WM_CTLCOLORBTN) in the context and keeps the brush's
// colour and the text colour in the window's record. The context's colours are left as they were.
void RememberParentColours(HWND window, HDC dc);

}  // namespace rt::commands::skin
