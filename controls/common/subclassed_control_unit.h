// A unit whose control is a system control ("EDIT", "BUTTON", the progress bar): the unit takes
// over the control's window procedure, passing on what it does not handle itself, and belongs to
// the control from then on. At WM_NCDESTROY the runtime is told the unit is gone (service 2000),
// the unit is deleted and the control's own procedure ends the window.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/window/unit_kind.h"

namespace rt::units {

class SubclassedControlUnit : public LiveUnit {
public:
    SubclassedControlUnit(uint32_t windowId, uint32_t unitId) : LiveUnit(windowId, unitId) {}

    // The control's messages after the takeover; by default the control's own handling.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The control's own handling of a message.
    LRESULT callControl(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Takes the control over: it becomes the unit's handle and owns the unit.
    void subclass(HWND control);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC controlProc_ = nullptr;
};

}  // namespace rt::units
