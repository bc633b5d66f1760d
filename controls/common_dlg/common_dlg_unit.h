// A live CommonDlg: a hidden child window holding the dialog settings as plain stored values, and
// showing the dialog of its type.
#pragma once

#include <windows.h>

#include "runtime/unit_options/common_dlg_options.h"
#include "runtime/window/unit_kind.h"

namespace rt::units {

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

    void bind(HWND window) { handle_ = window; }
    // The unit's window only carries it: every message has the default handling.
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return DefWindowProcW(handle_, message, wParam, lParam);
    }

private:
    CommonDlgOptions options_;
};

}  // namespace rt::units
