#include "controls/edit_box/edit_spin.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/window/unit_reflection.h"

namespace rt::units {
namespace {

constexpr int kSpinWidth = 18;

}  // namespace

bool EditSpin::create(HWND box, int32_t spinMin, int32_t spinMax)
{
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    HWND parent = GetParent(box);
    control_ = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD, 0, 0, kSpinWidth, 0, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!control_) {
        return false;
    }
    SetReflectionTarget(control_, box);
    setRange(spinMin, spinMax);
    follow(box);
    enable(IsWindowEnabled(box) != FALSE);
    return true;
}

void EditSpin::destroy()
{
    if (control_ && IsWindow(control_)) {
        DestroyWindow(control_);
    }
    control_ = nullptr;
}

void EditSpin::setRange(int32_t spinMin, int32_t spinMax)
{
    if (control_) {
        SendMessageW(control_, UDM_SETRANGE32, std::min(spinMin, spinMax), std::max(spinMin, spinMax));
    }
}

void EditSpin::follow(HWND box)
{
    if (!control_) {
        return;
    }
    HWND parent = GetParent(box);
    if (GetParent(control_) != parent) {
        SetParent(control_, parent);
    }
    RECT rect;
    GetWindowRect(box, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    bool visible = (GetWindowLongPtrW(box, GWL_STYLE) & WS_VISIBLE) != 0;
    SetWindowPos(control_, box, rect.right, rect.top, kSpinWidth, rect.bottom - rect.top,
                 SWP_NOACTIVATE | (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void EditSpin::show(bool shown)
{
    if (control_) {
        ShowWindow(control_, shown ? SW_SHOWNA : SW_HIDE);
    }
}

void EditSpin::enable(bool enabled)
{
    if (control_) {
        EnableWindow(control_, enabled);
    }
}

}  // namespace rt::units
