#include "controls/process_bar/process_bar_unit.h"

#include <commctrl.h>

#include <memory>

#include "controls/common/unit_look.h"
#include "controls/common/unit_property_value.h"
#include "runtime/unit_options/option_fields.h"
#include "controls/process_bar/bar_range.h"
#include "controls/process_bar/process_bar.h"

namespace rt::units {

ProcessBarUnit::ProcessBarUnit(const UnitCreateArgs& args, ProcessBarOptions options)
    : SubclassedControlUnit(args.windowId, args.unitId), options_(options)
{
}

ProcessBarUnit* ProcessBarUnit::Create(const UnitCreateArgs& args, ProcessBarOptions options)
{
    options.Minimum = BarValue(options.Minimum);
    options.Maximum = BarValue(options.Maximum);
    options.Position = BarValue(options.Position);
    std::unique_ptr<ProcessBarUnit> unit(new ProcessBarUnit(args, options));
    if (!unit->createControl(args)) {
        return nullptr;
    }
    // From here on the control owns the unit and frees it at WM_NCDESTROY.
    return unit.release();
}

bool ProcessBarUnit::createControl(const UnitCreateArgs& args)
{
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | args.style;
    style |= (options_.Vertical ? PBS_VERTICAL : 0) | (options_.Smooth ? PBS_SMOOTH : 0);
    HWND control = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, style, args.left, args.top, args.width, args.height,
                                   args.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (!control) {
        return false;
    }
    subclass(control);
    showRange();
    ApplyBorder(handle_, options_.Border);
    return true;
}

void ProcessBarUnit::showRange()
{
    SendMessageW(handle_, PBM_SETRANGE32, std::min(options_.Minimum, options_.Maximum),
                 std::max(options_.Minimum, options_.Maximum));
    // A narrower range has moved the bar; a wider one may show more of the stored position again.
    showPosition();
}

void ProcessBarUnit::showPosition()
{
    SendMessageW(handle_, PBM_SETPOS, ShownBarPosition(options_.Position, options_.Minimum, options_.Maximum), 0);
}

bool ProcessBarUnit::setProperty(int number, const PropertyValue& value)
{
    switch (number) {
    case kBarBorder:
        options_.Border = value.number;
        ApplyBorder(handle_, value.number);
        return false;
    case kBarVertical: {
        bool changed = options_.Vertical != (value.number != 0);
        options_.Vertical = value.number != 0;
        return changed;
    }
    case kBarSmooth: {
        bool changed = options_.Smooth != (value.number != 0);
        options_.Smooth = value.number != 0;
        return changed;
    }
    case kBarMinimum:
    case kBarMaximum:
        (number == kBarMinimum ? options_.Minimum : options_.Maximum) = BarValue(value.number);
        showRange();
        return false;
    case kBarPosition:
        options_.Position = BarValue(value.number);
        showPosition();
        return false;
    default:
        return false;
    }
}

PropertyValue ProcessBarUnit::getProperty(int number)
{
    switch (number) {
    case kBarBorder:
        return NumberValue(options_.Border);
    case kBarVertical:
        return NumberValue(options_.Vertical);
    case kBarSmooth:
        return NumberValue(options_.Smooth);
    case kBarMinimum:
        return NumberValue(options_.Minimum);
    case kBarMaximum:
        return NumberValue(options_.Maximum);
    case kBarPosition:
        return NumberValue(options_.Position);
    default:
        return {};
    }
}

std::vector<uint8_t> ProcessBarUnit::serialise() { return WriteOptions(options_); }

}  // namespace rt::units
