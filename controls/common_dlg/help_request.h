// The help request of a CommonDlg (type 3): a call of the system's help program for the window
// that owns the unit.
#pragma once

#include <windows.h>

#include "runtime/unit_options/common_dlg_options.h"

namespace rt::units {

struct HelpCall {
    UINT command = 0;
    ULONG_PTR data = 0;
    bool needsFile = true;  // help on help and quitting name no help file
};

// HelpCommand 0 contents, 1 context (contents for topic 0), 2 context in a pop-up (contents for
// topic 0), 3 force the file, 4 help on using help, 5 quit help for the window.
HelpCall HelpCallFor(int32_t helpCommand, int32_t topic);

// Calls the help system; false without calling it when the owner is gone or the help file (the
// unit's, else the program's own) does not exist.
bool RequestHelp(HWND owner, const CommonDlgOptions& options);

}  // namespace rt::units
