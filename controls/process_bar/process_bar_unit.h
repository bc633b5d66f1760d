// The live ProcessBar unit: the state of one progress bar, bound to it when it is created and freed
// at its WM_NCDESTROY, through a replaced window procedure that passes every message on.
#pragma once

#include <windows.h>

#include "controls/options/process_bar_options.h"
#include "runtime/window/unit_kind.h"

namespace rt {

class ProcessBarUnit : public LiveUnit {
public:
    // Creates the control; null on failure. The control owns the unit.
    static ProcessBarUnit* Create(const UnitCreateArgs& args, ProcessBarOptions options);

    bool setProperty(int number, const PropertyValue& value) override;
    PropertyValue getProperty(int number) override;
    std::vector<uint8_t> serialise() override;

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    ProcessBarUnit(const UnitCreateArgs& args, ProcessBarOptions options);

    bool createControl(const UnitCreateArgs& args);
    // Sends the range as (smaller, larger), then the position held into it.
    void showRange();
    void showPosition();

    ProcessBarOptions options_;
    WNDPROC savedProc_ = nullptr;
};

}  // namespace rt
