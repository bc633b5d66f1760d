// A live CommonDlg: a hidden child window holding the dialog settings as plain stored values, and
// showing the dialog of its type.
#pragma once

#include <windows.h>

#include "controls/options/common_dlg_options.h"
#include "runtime/window/unit_kind.h"

namespace rt {

inline constexpr uint32_t kCommonDlgPropertyCount = 22;
extern const PropertyDescription kCommonDlgProperties[kCommonDlgPropertyCount];

class CommonDlgUnit : public LiveUnit {
public:
    CommonDlgUnit(const UnitCreateArgs& args, CommonDlgOptions options);

    // Creates the unit's window; null when the window could not be made.
    static CommonDlgUnit* Create(const UnitCreateArgs& args, CommonDlgOptions options);

    bool setProperty(int number, const PropertyValue& value) override;
    PropertyValue getProperty(int number) override;
    std::vector<uint8_t> serialise() override;

    // Shows the dialog of the unit's type modally; true when the user confirmed (or the help
    // request was served). A cancel changes no property.
    bool show();

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    CommonDlgOptions options_;
};

}  // namespace rt
