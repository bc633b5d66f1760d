#include "controls/common/subclassed_control_unit.h"

#include <memory>

#include "runtime/runtime_service.h"

namespace rt::units {
namespace {

// A window property rather than the user-data word: that word belongs to the control's class.
constexpr wchar_t kUnitProperty[] = L"ZorviSubclassedUnit";

}  // namespace

LRESULT SubclassedControlUnit::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return callControl(message, wParam, lParam);
}

LRESULT SubclassedControlUnit::callControl(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(controlProc_, handle_, message, wParam, lParam);
}

void SubclassedControlUnit::subclass(HWND control)
{
    handle_ = control;
    SetPropW(control, kUnitProperty, this);
    controlProc_ =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
}

LRESULT CALLBACK SubclassedControlUnit::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* unit = static_cast<SubclassedControlUnit*>(GetPropW(window, kUnitProperty));
    if (!unit) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message != WM_NCDESTROY) {
        return unit->handleMessage(message, wParam, lParam);
    }
    WNDPROC controlProc = unit->controlProc_;
    RemovePropW(window, kUnitProperty);
    {
        std::unique_ptr<SubclassedControlUnit> owned(unit);
        RuntimeService(kServiceUnitDestroyed, owned->windowId(), owned->unitId());
    }
    return CallWindowProcW(controlProc, window, message, wParam, lParam);
}

}  // namespace rt::units
