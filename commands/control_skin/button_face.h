// The face of a skinned button: outline, a gradient band by state and the inner face, with
// rounded corners. Push buttons draw it one pixel inside their client area; the buttons of combo
// boxes and up-downs draw it on their whole button area. Also the arrows those buttons carry.
#pragma once

#include <windows.h>

#include "commands/control_skin/skin_colours.h"

namespace rt::commands::skin {

struct FaceLook {
    bool disabled = false;
    bool pressed = false;
    bool hot = false;
    // Checked or indeterminate (a push-like check box or radio button).
    bool checked = false;
    // Focused, or the default push button.
    bool focused = false;
};

// The outline runs along the inside of `outline`; the band fills the area one pixel in, the
// inner face the area three pixels in.
void DrawButtonFace(HDC dc, const RECT& outline, const FaceLook& look, int scheme);

enum class ArrowDirection { kUp, kDown, kLeft, kRight };

// A small solid triangle centred in the area, filled with the arrow gradient of the state.
void DrawArrow(HDC dc, const RECT& area, ArrowDirection direction, const FaceLook& look, int scheme);

}  // namespace rt::commands::skin
