// The CommonDlg unit kind: an invisible unit carrying the settings of a system dialog (open file,
// save file, font, help) and showing it through its Show method.
#pragma once

#include "runtime/window/unit_kind.h"

namespace rt::units {

const UnitKindDescription& CommonDlgKind();
// Puts Show behind its core-command entry.
void RegisterCommonDlgMethods();

}  // namespace rt::units
