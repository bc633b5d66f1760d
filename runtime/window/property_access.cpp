// Reading and writing unit properties by window id, unit id and index (helper entries 4 and 5),
// and by unit object (misc sub-functions 4 and 5). Every access runs on the window thread.
#include <algorithm>
#include <optional>

#include "runtime/owned_values.h"
#include "runtime/program_templates.h"
#include "runtime/runtime_error.h"
#include "runtime/unit_access.h"
#include "runtime/window/property_values.h"
#include "runtime/window/unit_cursors.h"
#include "runtime/window/unit_kind_registry.h"
#include "runtime/window/unit_lookup.h"
#include "runtime/window/window_lifetime.h"
#include "runtime/window/window_thread.h"
#include "runtime/window/window_unit.h"

namespace rt {
namespace {

enum CommonProperty : int {
    kLeft = 0,
    kTop,
    kWidth,
    kHeight,
    kTag,
    kVisible,
    kDisabled,
    kMousePointer,
    kFirstKindProperty,
};

enum MenuItemProperty : int { kMenuCaption = 0, kMenuChecked, kMenuDisabled, kMenuVisible };

constexpr int32_t kCoordinateLimit = 32627;

struct Target {
    WindowTemplate* window;
    size_t position;
    UnitRecord* record;
    LiveUnit* unit;  // null when the unit is not live
};

Target FindTarget(uint32_t windowId, uint32_t unitId)
{
    WindowTemplate* window = ProgramTemplates().findWindow(windowId);
    if (!window) {
        ReportRuntimeError(messages::kWindowNotLoadedForUnit, 0);
    }
    std::optional<size_t> position = unitId ? window->findUnitPosition(unitId) : std::optional<size_t>(0);
    if (!position || *position >= window->unitCount()) {
        ReportRuntimeError(messages::kUnitMissing, 0);
    }
    return {window, *position, window->unitAt(*position), LiveUnitAt(*window, *position)};
}

HWND LiveHandle(const Target& target) { return target.unit ? target.unit->handle() : nullptr; }

// The control's rectangle in its parent's client coordinates; screen coordinates at the top.
RECT LiveRect(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    if (HWND parent = (GetWindowLongPtrW(control, GWL_STYLE) & WS_CHILD) ? GetParent(control) : nullptr) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect;
}

const PropertyDescription* KindProperty(uint32_t kind, int number)
{
    const UnitKindDescription* description = FindUnitKind(kind);
    if (!description || number < 0 || static_cast<uint32_t>(number) >= description->propertyCount) {
        return nullptr;
    }
    return &description->properties[number];
}

int64_t ReadMenuItem(const MenuItem& item, int index)
{
    switch (index) {
    case kMenuCaption:
        return static_cast<int64_t>(reinterpret_cast<uintptr_t>(NewText(item.caption)));
    case kMenuChecked:
        return (item.itemFlags & kMenuItemChecked) ? 1 : 0;
    case kMenuDisabled:
        return (item.itemFlags & kMenuItemDisabled) ? 1 : 0;
    case kMenuVisible:
        return (item.itemFlags & kMenuItemHidden) ? 0 : 1;
    default:
        return 0;
    }
}

int64_t ReadKindProperty(LiveUnit& unit, uint32_t kind, int number)
{
    const PropertyDescription* property = KindProperty(kind, number);
    return property ? ReadResultOf(property->type, unit.getProperty(number)) : 0;
}

int64_t ReadOnWindowThread(uint32_t windowId, uint32_t unitId, int index)
{
    Target target = FindTarget(windowId, unitId);
    if (target.record->isMenuItem()) {
        return ReadMenuItem(target.record->menuItem(), index);
    }
    const PlacedUnit& placed = target.record->placed();
    HWND control = LiveHandle(target);
    switch (index) {
    case kLeft:
        return control ? LiveRect(control).left : placed.rect.left;
    case kTop:
        return control ? LiveRect(control).top : placed.rect.top;
    case kWidth: {
        RECT rect = control ? LiveRect(control) : RECT{};
        return control ? rect.right - rect.left : placed.rect.width;
    }
    case kHeight: {
        RECT rect = control ? LiveRect(control) : RECT{};
        return control ? rect.bottom - rect.top : placed.rect.height;
    }
    case kTag:
        return static_cast<int64_t>(reinterpret_cast<uintptr_t>(NewText(placed.tag)));
    case kVisible:
        return control ? IsWindowVisible(control) != FALSE : (placed.flags & kUnitVisible) != 0;
    case kDisabled:
        return control ? IsWindowEnabled(control) == FALSE : (placed.flags & kUnitDisabled) != 0;
    case kMousePointer: {
        std::vector<uint8_t> data = PublicPointerData(placed.mousePointer);
        return static_cast<int64_t>(reinterpret_cast<uintptr_t>(NewByteSet(data.data(), data.size())));
    }
    default:
        break;
    }
    if (!target.unit || index < kFirstKindProperty) {
        ReportRuntimeError(messages::kWindowNotLoaded, 0);
    }
    return ReadKindProperty(*target.unit, target.record->kind, index - kFirstKindProperty);
}

void MoveLive(HWND control, const UnitRect& rect, bool keepSize)
{
    RECT live = LiveRect(control);
    if (keepSize) {
        SetWindowPos(control, nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(control, nullptr, live.left, live.top, rect.width, rect.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The live control's current rectangle becomes the stored one before one side is changed, so
// that a move keeps the live size and a resize the live position.
void TakeLiveRect(PlacedUnit& placed, HWND control)
{
    RECT live = LiveRect(control);
    placed.rect = {live.left, live.top, live.right - live.left, live.bottom - live.top};
}

void SetFlag(PlacedUnit& placed, uint32_t flag, bool on)
{
    placed.flags = on ? placed.flags | flag : placed.flags & ~flag;
}

void WriteVisible(Target& target, bool visible)
{
    SetFlag(target.record->placed(), kUnitVisible, visible);
    HWND control = LiveHandle(target);
    if (!control) {
        return;
    }
    if (target.position == 0) {
        static_cast<WindowUnit*>(target.unit)->setVisible(visible);
        return;
    }
    const UnitKindDescription* kind = FindUnitKind(target.record->kind);
    bool invisibleKind = kind && (kind->flags & kind_flags::kInvisible);
    ShowWindow(control, visible && !invisibleKind ? SW_SHOWNA : SW_HIDE);
}

void WriteMousePointer(Target& target, uintptr_t low)
{
    std::vector<uint8_t> data = ByteSetAt(low);
    target.record->placed().mousePointer = StoredPointerData(data.data(), data.size());
    if (target.unit) {
        RefreshUnitCursor(*target.window, target.position);
        // The cursor refreshes when the mouse "moves" to where it is.
        POINT at;
        GetCursorPos(&at);
        SetCursorPos(at.x, at.y);
    }
}

void WriteKindProperty(WindowTemplate* window, size_t position, LiveUnit& unit, uint32_t kind, int number, int subIndex,
                       uintptr_t low)
{
    const PropertyDescription* property = KindProperty(kind, number);
    if (!property) {
        return;
    }
    PropertyValue current = property->type == PropertyType::kFont ? unit.getProperty(number) : PropertyValue{};
    bool recreate = unit.setProperty(number, PrepareWrittenValue(property->type, subIndex, low, current));
    const UnitKindDescription* description = FindUnitKind(kind);
    if (recreate && window && description && (description->flags & kind_flags::kNeverRecreated) == 0) {
        RecreateUnit(*window, position);
    }
}

void WriteOnWindowThread(uint32_t windowId, uint32_t unitId, int index, int subIndex, uintptr_t low)
{
    Target target = FindTarget(windowId, unitId);
    if (target.record->isMenuItem()) {
        return;
    }
    PlacedUnit& placed = target.record->placed();
    HWND control = LiveHandle(target);
    int32_t number = static_cast<int32_t>(low);
    switch (index) {
    case kLeft:
    case kTop:
        if (control) {
            TakeLiveRect(placed, control);
        }
        (index == kLeft ? placed.rect.left : placed.rect.top) = std::clamp(number, -kCoordinateLimit, kCoordinateLimit);
        if (control) {
            MoveLive(control, placed.rect, true);
        }
        return;
    case kWidth:
    case kHeight:
        if (control) {
            TakeLiveRect(placed, control);
        }
        (index == kWidth ? placed.rect.width : placed.rect.height) = std::clamp(number, 0, kCoordinateLimit);
        if (control) {
            MoveLive(control, placed.rect, false);
        }
        return;
    case kTag:
        placed.tag = TextAt(low);
        return;
    case kVisible:
        WriteVisible(target, number != 0);
        return;
    case kDisabled:
        SetFlag(placed, kUnitDisabled, number != 0);
        if (control) {
            EnableWindow(control, number == 0);
        }
        return;
    case kMousePointer:
        WriteMousePointer(target, low);
        return;
    default:
        break;
    }
    if (!target.unit || index < kFirstKindProperty) {
        ReportRuntimeError(messages::kWindowNotLoaded, 0);
    }
    WriteKindProperty(target.window, target.position, *target.unit, target.record->kind, index - kFirstKindProperty,
                      subIndex, low);
}

// A kind property of a unit whose window is not loaded: for a worker, the window was closed
// under it while it worked.
bool KindPropertyOfClosedWindow(uint32_t windowId, uint32_t unitId, int index)
{
    WindowTemplate* window = ProgramTemplates().findWindow(windowId);
    std::optional<size_t> position = !window  ? std::nullopt
                                     : unitId ? window->findUnitPosition(unitId)
                                              : std::optional<size_t>(0);
    return index >= kFirstKindProperty && position && *position < window->unitCount() &&
           !LiveUnitAt(*window, *position);
}

}  // namespace

int64_t ReadProperty(uint32_t windowId, uint32_t unitId, int index, int)
{
    bool fromWorker = !OnWindowThread();
    bool windowGone = false;
    int64_t result = 0;
    RunOnWindowThread([&] {
        windowGone = fromWorker && KindPropertyOfClosedWindow(windowId, unitId, index);
        if (!windowGone) {
            result = ReadOnWindowThread(windowId, unitId, index);
        }
    });
    if (windowGone) {
        ParkWorkerThread();
    }
    return result;
}

void WriteProperty(uint32_t windowId, uint32_t unitId, int index, int subIndex, uintptr_t low, uint32_t)
{
    bool fromWorker = !OnWindowThread();
    bool windowGone = false;
    RunOnWindowThread([&] {
        windowGone = fromWorker && KindPropertyOfClosedWindow(windowId, unitId, index);
        if (!windowGone) {
            WriteOnWindowThread(windowId, unitId, index, subIndex, low);
        }
    });
    if (windowGone) {
        ParkWorkerThread();
    }
}

int64_t ReadUnitPropertyByRef(uint32_t kind, void* unitObject, int number)
{
    int64_t result = 0;
    RunOnWindowThread([&] {
        if (auto* unit = static_cast<LiveUnit*>(unitObject)) {
            result = ReadKindProperty(*unit, kind, number);
        }
    });
    return result;
}

void WriteUnitPropertyByRef(uint32_t kind, void* unitObject, int number, int subIndex, uintptr_t low)
{
    RunOnWindowThread([&] {
        auto* unit = static_cast<LiveUnit*>(unitObject);
        if (!unit) {
            return;
        }
        WindowTemplate* window = ProgramTemplates().findWindow(unit->windowId());
        std::optional<size_t> position = window ? window->findUnitPosition(unit->unitId()) : std::nullopt;
        WriteKindProperty(position ? window : nullptr, position.value_or(0), *unit, kind, number, subIndex, low);
    });
}

}  // namespace rt
