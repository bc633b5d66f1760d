// The EditBox unit's own property numbers (property index - 8).
#pragma once

namespace rt::units {

enum EditBoxProperty : int {
    kEditContent = 0,
    kEditBorder,
    kEditTextColour,
    kEditBackColour,
    kEditFont,
    kEditHideSelection,
    kEditMaxLength,
    kEditMultiline,
    kEditScrollBars,
    kEditAlignment,
    kEditInputMode,
    kEditPasswordChar,
    kEditCaseConversion,
    kEditSpinMode,
    kEditSpinMin,
    kEditSpinMax,
    kEditSelStart,
    kEditSelLength,
    kEditSelText,
    kEditDataSource,
    kEditDataColumn,
    kEditPropertyCount
};

// SpinMode values.
enum EditSpinMode : int {
    kSpinNone = 0,
    kSpinAutomatic = 1,
    kSpinEventOnly = 2,
};

}  // namespace rt::units
