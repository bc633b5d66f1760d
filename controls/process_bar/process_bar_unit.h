// The live ProcessBar unit: the state of one progress bar, which owns it from its creation; the
// bar handles every message itself.
#pragma once

#include <windows.h>

#include "controls/common/subclassed_control_unit.h"
#include "runtime/unit_options/process_bar_options.h"

namespace rt::units {

class ProcessBarUnit : public SubclassedControlUnit {
public:
    // Creates the control; null on failure. The control owns the unit.
    static ProcessBarUnit* Create(const UnitCreateArgs& args, ProcessBarOptions options);

    bool setProperty(int number, const PropertyValue& value) override;
    PropertyValue getProperty(int number) override;
    std::vector<uint8_t> serialise() override;

private:
    ProcessBarUnit(const UnitCreateArgs& args, ProcessBarOptions options);

    bool createControl(const UnitCreateArgs& args);
    // Sends the range as (smaller, larger), then the position held into it.
    void showRange();
    void showPosition();

    ProcessBarOptions options_;
};

}  // namespace rt::units
