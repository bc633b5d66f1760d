#include "runtime/window/unit_reflection.h"

#include "runtime/window/unit_lookup.h"

namespace rt {
namespace {

constexpr wchar_t kReflectionTargetProperty[] = L"ZorviReflectionTarget";

}  // namespace

HWND NotificationSource(UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM:
        return lParam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    default:
        return nullptr;
    }
}

void SetReflectionTarget(HWND helper, HWND unitControl) { SetPropW(helper, kReflectionTargetProperty, unitControl); }

bool ReflectToUnit(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND source = NotificationSource(message, wParam, lParam);
    if (!source) {
        return false;
    }
    if (HWND target = static_cast<HWND>(GetPropW(source, kReflectionTargetProperty))) {
        source = target;
    }
    LiveUnit* unit = UnitOfControl(source);
    return unit && unit->onReflected(message, wParam, lParam, result);
}

}  // namespace rt
