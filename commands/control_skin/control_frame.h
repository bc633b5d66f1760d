// The two-pixel frame of edit boxes and combo boxes: the scheme colour outside, the window colour
// inside (the button face when disabled or read-only); a disabled control's outer line is the
// button face darkened.
#pragma once

#include <windows.h>

namespace rt::commands::skin {

void DrawControlFrame(HDC dc, const RECT& outer, bool disabled, bool readOnly, int scheme);

}  // namespace rt::commands::skin
