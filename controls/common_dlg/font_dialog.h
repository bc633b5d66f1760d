// The font dialog of a CommonDlg (type 2).
#pragma once

#include <windows.h>

#include "runtime/unit_options/common_dlg_options.h"

namespace rt::units {

// The font the dialog starts from: bold, italic, underline and strike-out from the options, the
// face when given, and the height of FontSize points at the screen's resolution when not 0.
LOGFONTW InitialDialogFont(const CommonDlgOptions& options, int32_t pixelsPerInch);
// Takes the chosen font and colour back into the options.
void TakeChosenFont(CommonDlgOptions& options, const LOGFONTW& font, COLORREF colour, int32_t pixelsPerInch);

// Shows the font dialog owned by owner, listing screen fonts with effects; on confirmation the
// font properties take the chosen font and the result is true.
bool ShowFontDialog(HWND owner, CommonDlgOptions& options);

}  // namespace rt::units
