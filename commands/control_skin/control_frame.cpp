#include "commands/control_skin/control_frame.h"

#include "commands/control_skin/skin_colours.h"
#include "commands/control_skin/skin_drawing.h"

namespace rt::commands::skin {

void DrawControlFrame(HDC dc, const RECT& outer, bool disabled, bool readOnly, int scheme)
{
    const COLORREF face = ButtonFace();
    FrameColour(dc, outer, disabled ? Darker(face, 0x202020) : SchemeFrameColour(scheme));
    FrameColour(dc, Inset(outer, 1), disabled || readOnly ? face : GetSysColor(COLOR_WINDOW));
}

}  // namespace rt::commands::skin
