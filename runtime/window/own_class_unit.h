// The window procedure of the window unit and of every unit kind with a window class of its own.
// The create routine hands the unit object to CreateWindowExW as its creation parameter (a
// std::unique_ptr<Unit>*, taken over at WM_NCCREATE); from then on the window owns it: at
// WM_NCDESTROY the runtime is told the unit is gone (service 2000; for a window, its template is
// restored) and the object is deleted. Every other message goes to the unit's handleMessage.
#pragma once

#include <windows.h>

#include <memory>

#include "runtime/runtime_service.h"

namespace rt {

template <class Unit>
LRESULT CALLBACK OwnClassUnitProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* unit = reinterpret_cast<Unit*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        auto* holder = static_cast<std::unique_ptr<Unit>*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (!holder || !*holder) {
            return FALSE;
        }
        unit = holder->release();
        unit->bind(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(unit));
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (!unit) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        std::unique_ptr<Unit> owned(unit);
        RuntimeService(kServiceUnitDestroyed, owned->windowId(), owned->unitId());
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return unit->handleMessage(message, wParam, lParam);
}

}  // namespace rt
