// Re-creating a unit in place after a property write that its kind cannot show on the live
// control: the new control takes the old one's position, parent, control id, stacking, focus and
// visibility, and the old one's children move over to it.
#include <memory>
#include <vector>

#include "runtime/runtime_app.h"
#include "runtime/window/unit_cursors.h"
#include "runtime/window/unit_kind_registry.h"
#include "runtime/window/unit_lookup.h"
#include "runtime/window/window_lifetime.h"

namespace rt {
namespace {

class EventsSuspended {
public:
    EventsSuspended() { SuspendEvents(); }
    ~EventsSuspended() { ResumeEvents(); }
};

std::vector<HWND> DirectChildren(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

struct Placement {
    HWND parent = nullptr;
    RECT rect{};
    HWND above = nullptr;  // the sibling stacked above it, or null when it is topmost
    int controlId = 0;
    bool visible = false;
    bool focused = false;
    std::vector<HWND> children;
};

Placement PlacementOf(HWND control)
{
    Placement placement;
    placement.parent = GetParent(control);
    GetWindowRect(control, &placement.rect);
    MapWindowPoints(nullptr, placement.parent, reinterpret_cast<POINT*>(&placement.rect), 2);
    placement.above = GetWindow(control, GW_HWNDPREV);
    placement.controlId = GetDlgCtrlID(control);
    placement.visible = IsWindowVisible(control) != FALSE;
    HWND focus = GetFocus();
    placement.focused = focus && (focus == control || IsChild(control, focus));
    placement.children = DirectChildren(control);
    return placement;
}

void Restore(HWND control, const Placement& placement)
{
    for (HWND child : placement.children) {
        SetParent(child, control);
    }
    SetWindowPos(control, placement.above ? placement.above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(control, placement.visible ? SW_SHOWNA : SW_HIDE);
    if (placement.focused) {
        SetFocus(control);
    }
}

}  // namespace

bool RecreateUnit(WindowTemplate& window, size_t position)
{
    LiveUnit* old = LiveUnitAt(window, position);
    UnitRecord* record = window.unitAt(position);
    const UnitKindDescription* kind = record ? FindUnitKind(record->kind) : nullptr;
    LiveUnit* top = LiveUnitAt(window, 0);
    if (!old || position == 0 || !kind || !kind->create || !top) {
        return false;
    }
    EventsSuspended suspended;
    PlacedUnit& placed = record->placed();
    placed.propertyData = old->serialise();
    Placement placement;
    if (HWND control = old->handle()) {
        placement = PlacementOf(control);
        // The children stay alive on the window while their container is replaced.
        for (HWND child : placement.children) {
            SetParent(child, top->handle());
        }
        DestroyWindow(control);
    } else {
        delete old;
    }
    window.liveSlots(position)->object = nullptr;

    UnitCreateArgs args;
    args.parent = placement.parent ? placement.parent : top->handle();
    args.propertyData = placed.propertyData.data();
    args.propertyLength = placed.propertyData.size();
    args.style =
        ((placed.flags & kUnitDisabled) ? WS_DISABLED : 0) | ((placed.flags & kUnitTakesFocus) ? WS_TABSTOP : 0);
    args.controlId = placement.controlId;
    args.left = placement.parent ? placement.rect.left : placed.rect.left;
    args.top = placement.parent ? placement.rect.top : placed.rect.top;
    args.width = placement.parent ? placement.rect.right - placement.rect.left : placed.rect.width;
    args.height = placement.parent ? placement.rect.bottom - placement.rect.top : placed.rect.height;
    args.windowId = window.windowId();
    args.unitId = record->id;
    LiveUnit* created = kind->create(args);
    if (!created) {
        return false;
    }
    window.liveSlots(position)->object = created;
    RefreshUnitCursor(window, position);
    if (created->handle()) {
        Restore(created->handle(), placement);
    }
    if (kind->flags & kind_flags::kNotifyParentAfterRecreate) {
        SendMessageW(args.parent, kWindowUnitsCreatedMessage, 0, 0);
    }
    return true;
}

}  // namespace rt
