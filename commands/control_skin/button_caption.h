// The caption of a skinned button-family control: its text (at most 256 characters) in the
// control's own font, placed by the button's alignment styles.
#pragma once

#include <windows.h>

#include "commands/control_skin/skin_record.h"

namespace rt::commands::skin {

enum class CaptionDefault { kCentred, kLeft };

// Draws the window's text inside the area in the colour and returns the rectangle the text
// covers (empty when there is no text). Horizontal alignment comes from BS_LEFT/BS_RIGHT/BS_CENTER
// (push buttons centre, check boxes and radio buttons start at the left when none is set), vertical
// from BS_TOP/BS_BOTTOM/BS_VCENTER (centred when none is set); BS_MULTILINE breaks words.
RECT DrawCaption(HDC dc, HWND window, const RECT& area, CaptionDefault horizontal, COLORREF colour);

// The caption of a check box or radio button: in the grey-text colour when disabled, else in the
// parent's text colour, with a focus frame around it when focused.
void DrawChoiceCaption(HDC dc, HWND window, const RECT& area, const SkinState& state, COLORREF textColour);

// The font the control draws with: its own, or the context's when it has none.
HFONT ControlFont(HWND window);

}  // namespace rt::commands::skin
