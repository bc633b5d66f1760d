// The window unit's procedure: one line per handled message, everything else to the default.
#include "runtime/private_messages.h"
#include "runtime/window/events.h"
#include "runtime/window/unit_cursors.h"
#include "runtime/window/unit_reflection.h"
#include "runtime/window/window_class.h"
#include "runtime/window/window_lifetime.h"
#include "runtime/window/window_unit.h"

namespace rt {
namespace {

enum WindowEvent : int32_t {
    kEventCreated = 0,
    kEventCloseRequest = 1,
    kEventDestroyed = 2,
    kEventMoved = 3,
    kEventResized = 4,
    kEventActivated = 5,
    kEventDeactivated = 6,
    kEventFirstActivation = 8,
    kEventShown = 10,
    kEventHidden = 11,
};

}  // namespace

void WindowUnit::requestClose()
{
    if (RaiseUnitEvent(windowId(), 0, kEventCloseRequest).vetoed()) {
        return;
    }
    destroy();
}

void WindowUnit::markForDestruction()
{
    closeRequested_ = true;
    PostMessageW(handle_, kCarryOutCloseMessage, 0, 0);
}

void WindowUnit::destroy()
{
    reenableDisabledWindows();
    DestroyWindow(handle_);
}

void WindowUnit::onActivate(WPARAM wParam)
{
    if (LOWORD(wParam) == WA_INACTIVE) {
        RaiseUnitEvent(windowId(), 0, kEventDeactivated);
        return;
    }
    if (!activatedOnce_) {
        activatedOnce_ = true;
        RaiseUnitEvent(windowId(), 0, kEventFirstActivation);
    }
    RaiseUnitEvent(windowId(), 0, kEventActivated);
}

void WindowUnit::onEraseBackground(HDC dc)
{
    RECT client;
    GetClientRect(handle_, &client);
    PaintWindowBackground(dc, client, options_, backPicture_.get());
}

void WindowUnit::onSize()
{
    if (options_.Shape != 0) {
        applyShape();
    }
    RaiseUnitEvent(windowId(), 0, kEventResized);
}

LRESULT WindowUnit::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT answer = 0; ReflectToUnit(message, wParam, lParam, answer)) {
        return answer;
    }
    switch (message) {
    case WM_CLOSE:
        requestClose();
        return 0;
    case kCarryOutCloseMessage:
        if (closeRequested_) {
            destroy();
        }
        return 0;
    case WM_DESTROY:
        // A window destroyed by any other route must not leave the windows it disabled behind.
        reenableDisabledWindows();
        RaiseUnitEvent(windowId(), 0, kEventDestroyed);
        return 0;
    case WM_MOVE:
        RaiseUnitEvent(windowId(), 0, kEventMoved);
        return 0;
    case WM_SIZE:
        onSize();
        return 0;
    case WM_ACTIVATE:
        onActivate(wParam);
        return 0;
    case WM_SHOWWINDOW:
        RaiseUnitEvent(windowId(), 0, wParam ? kEventShown : kEventHidden);
        return DefWindowProcW(handle_, message, wParam, lParam);
    case WM_ERASEBKGND:
        onEraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_NCACTIVATE:
        return DefWindowProcW(handle_, message, options_.KeepTitleActive ? TRUE : wParam, lParam);
    case WM_SETCURSOR:
        if (HCURSOR cursor =
                LOWORD(lParam) == HTCLIENT ? UnitCursorAt(windowId(), reinterpret_cast<HWND>(wParam)) : nullptr) {
            SetCursor(cursor);
            return TRUE;
        }
        return DefWindowProcW(handle_, message, wParam, lParam);
    default:
        return DefWindowProcW(handle_, message, wParam, lParam);
    }
}

}  // namespace rt
