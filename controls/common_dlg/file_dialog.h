// The open and save dialogs of a CommonDlg (types 0 and 1).
#pragma once

#include <windows.h>

#include "runtime/unit_options/common_dlg_options.h"

namespace rt::units {

// The dialog's option flags: the read-only box always hidden, and the create-prompt,
// file-must-exist, overwrite-prompt, path-must-exist and no-change-directory options that are on.
DWORD FileDialogFlags(const CommonDlgOptions& options);

// Shows the open dialog (type 0) or the save dialog (type 1) owned by owner. On confirmation
// FileName becomes the chosen full path and the result is true; a cancel changes nothing.
bool ShowFileDialog(HWND owner, CommonDlgOptions& options);

}  // namespace rt::units
