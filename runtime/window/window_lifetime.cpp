#include "runtime/window/window_lifetime.h"

#include <memory>
#include <set>
#include <vector>

#include "runtime/message_loop.h"
#include "runtime/program_templates.h"
#include "runtime/runtime_app.h"
#include "runtime/templates/template_ids.h"
#include "runtime/window/events.h"
#include "runtime/window/unit_cursors.h"
#include "runtime/window/unit_kind_registry.h"
#include "runtime/window/unit_lookup.h"
#include "runtime/window/window_unit.h"

namespace rt {
namespace {

constexpr int kFirstControlId = 100;
constexpr int kControlIdStep = 10;
constexpr int32_t kEventGotFocus = -7;

HWND currentModal = nullptr;
bool focusEventsHeld = false;
// Set while a load carries out a deferred close: the window comes back at once, so its going
// must not end the program.
bool replacingWindow = false;

// Events are suspended while a window's units are being made; pending messages are processed
// at both ends so that nothing of the load is answered half-made.
class LoadPhase {
public:
    LoadPhase()
    {
        ProcessPendingMessages();
        SuspendEvents();
    }
    ~LoadPhase() { end(); }
    void end()
    {
        if (active_) {
            active_ = false;
            ProcessPendingMessages();
            ResumeEvents();
        }
    }

private:
    bool active_ = true;
};

UnitCreateArgs ArgsFor(const UnitRecord& record, uint32_t windowId, HWND parent, int controlId)
{
    const PlacedUnit& placed = record.placed();
    UnitCreateArgs args;
    args.parent = parent;
    args.propertyData = placed.propertyData.data();
    args.propertyLength = placed.propertyData.size();
    args.style =
        ((placed.flags & kUnitDisabled) ? WS_DISABLED : 0) | ((placed.flags & kUnitTakesFocus) ? WS_TABSTOP : 0);
    args.controlId = controlId;
    args.left = placed.rect.left;
    args.top = placed.rect.top;
    args.width = placed.rect.width;
    args.height = placed.rect.height;
    args.windowId = windowId;
    args.unitId = record.id;
    return args;
}

bool HasMenuItems(WindowTemplate& window)
{
    for (size_t position = 0; position < window.unitCount(); ++position) {
        if (window.isMenuItem(position)) {
            return true;
        }
    }
    return false;
}

LiveUnit* CreateFromRecord(const UnitRecord& record, const UnitCreateArgs& args)
{
    const UnitKindDescription* kind = FindUnitKind(record.kind);
    return kind && kind->create ? kind->create(args) : nullptr;
}

HWND ContainerHandle(WindowTemplate& window, uint32_t containerId, HWND top)
{
    std::optional<size_t> position = containerId ? window.findUnitPosition(containerId) : std::nullopt;
    LiveUnit* container = position ? LiveUnitAt(window, *position) : nullptr;
    return container && container->handle() ? container->handle() : top;
}

// Children listed after the first page separator of a paged container start hidden.
std::set<uint32_t> LaterPageUnits(WindowTemplate& window)
{
    std::set<uint32_t> hidden;
    for (size_t position = 1; position < window.unitCount(); ++position) {
        const UnitRecord& record = *window.unitAt(position);
        const UnitKindDescription* kind = record.isMenuItem() ? nullptr : FindUnitKind(record.kind);
        if (!kind || (kind->flags & kind_flags::kPagedContainer) == 0) {
            continue;
        }
        bool laterPage = false;
        for (uint32_t child : record.placed().children) {
            laterPage = laterPage || child == 0;
            if (laterPage && child != 0) {
                hidden.insert(child);
            }
        }
    }
    return hidden;
}

bool IsInvisibleKind(uint32_t kind)
{
    const UnitKindDescription* description = FindUnitKind(kind);
    return description && (description->flags & kind_flags::kInvisible) != 0;
}

// Steps 6: the units from the last to the first, each hidden, its object in its slot.
bool CreateUnits(WindowTemplate& window, HWND top)
{
    int controlId = kFirstControlId;
    for (size_t position = window.unitCount() - 1; position >= 1; --position) {
        const UnitRecord& record = *window.unitAt(position);
        LiveUnit* unit = CreateFromRecord(record, ArgsFor(record, window.windowId(), top, controlId));
        if (!unit) {
            return false;
        }
        window.liveSlots(position)->object = unit;
        controlId += kControlIdStep;
    }
    return true;
}

// Steps 7 to 11: parents, stacking, cursors, notifications, visibility.
void ArrangeUnits(WindowTemplate& window, HWND top)
{
    std::set<uint32_t> laterPages = LaterPageUnits(window);
    for (size_t position = 1; position < window.unitCount(); ++position) {
        LiveUnit* unit = LiveUnitAt(window, position);
        if (unit && unit->handle()) {
            SetParent(unit->handle(), ContainerHandle(window, window.unitAt(position)->placed().container, top));
        }
    }
    for (size_t position = window.unitCount() - 1; position >= 1; --position) {
        LiveUnit* unit = LiveUnitAt(window, position);
        if (unit && unit->handle()) {
            SetWindowPos(unit->handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    for (size_t position = 0; position < window.unitCount(); ++position) {
        RefreshUnitCursor(window, position);
    }
    for (size_t position = window.unitCount() - 1; position >= 1; --position) {
        if (LiveUnit* unit = LiveUnitAt(window, position); unit && unit->handle()) {
            SendMessageW(unit->handle(), kAllUnitsCreatedMessage, 0, 0);
        }
    }
    SendMessageW(top, kWindowUnitsCreatedMessage, 0, 0);
    for (size_t position = 1; position < window.unitCount(); ++position) {
        const UnitRecord& record = *window.unitAt(position);
        LiveUnit* unit = LiveUnitAt(window, position);
        if (!unit || !unit->handle()) {
            continue;
        }
        bool shown =
            (record.placed().flags & kUnitVisible) && !laterPages.count(record.id) && !IsInvisibleKind(record.kind);
        ShowWindow(unit->handle(), shown ? SW_SHOWNA : SW_HIDE);
    }
}

void SendLoadFinished(WindowTemplate& window)
{
    for (size_t position = window.unitCount() - 1; position >= 1; --position) {
        if (LiveUnit* unit = LiveUnitAt(window, position); unit && unit->handle()) {
            SendMessageW(unit->handle(), kLoadFinishedMessage, 0, 0);
        }
    }
}

// An already loaded window is only brought to the front.
void BringToFront(WindowUnit& unit)
{
    if (IsIconic(unit.handle())) {
        ShowWindow(unit.handle(), SW_RESTORE);
    }
    SetForegroundWindow(unit.handle());
}

bool StillAlive(WindowTemplate& window, WindowUnit* unit) { return unit && LiveWindowOf(window) == unit; }

// Step 15: the window shown at its start position, then event -7 for the unit holding the focus.
void ShowLoadedWindow(WindowUnit& unit)
{
    focusEventsHeld = true;
    unit.showAtStartPosition(WindowUnit::Centring::kKeepPlace);
    focusEventsHeld = false;
    HWND focus = GetFocus();
    if (std::optional<UnitLocation> holder = focus ? FindUnitByHandle(focus) : std::nullopt) {
        if (holder->unit->windowId() == unit.windowId()) {
            RaiseUnitEvent(holder->window->windowId(), holder->position == 0 ? 0 : holder->unit->unitId(),
                           kEventGotFocus);
        }
    }
}

// Steps 3 to 13; the window unit, or null when the load failed and nothing is left of it.
WindowUnit* BuildWindow(WindowTemplate& window, HWND owner, bool modal)
{
    LoadPhase phase;
    window.saveBackup();
    const UnitRecord& own = *window.unitAt(0);
    UnitCreateArgs args = ArgsFor(own, window.windowId(), nullptr, 0);
    args.owner = owner;
    args.modal = modal;
    auto* unit = static_cast<WindowUnit*>(CreateFromRecord(own, args));
    if (!unit || !unit->handle()) {
        window.restoreBackup();
        return nullptr;
    }
    window.setWindowObject(unit);
    window.liveSlots(0)->object = unit;
    if (!CreateUnits(window, unit->handle())) {
        DestroyWindow(unit->handle());
        return nullptr;
    }
    ArrangeUnits(window, unit->handle());
    return unit;
}

}  // namespace

bool LoadWindow(uint32_t windowId, HWND owner, bool modal, bool runFirstShow)
{
    WindowTemplate* window = ProgramTemplates().findWindow(windowId);
    if (!window || window->unitCount() == 0 || window->unitAt(0)->isMenuItem() || HasMenuItems(*window)) {
        return false;
    }
    if (WindowUnit* live = LiveWindowOf(*window)) {
        if (!live->destructionPending()) {
            BringToFront(*live);
            return true;
        }
        replacingWindow = true;
        live->destroy();
        replacingWindow = false;
    }
    if (!modal && owner && !IsWindow(owner)) {
        return false;
    }
    WindowUnit* unit = BuildWindow(*window, owner, modal);
    if (!unit) {
        return false;
    }
    RaiseUnitEvent(windowId, 0, 0);
    for (int32_t event : {3, 4}) {
        if (StillAlive(*window, unit)) {
            RaiseUnitEvent(windowId, 0, event);
        }
    }
    if (!StillAlive(*window, unit)) {
        return true;
    }
    bool visible = (window->unitAt(0)->placed().flags & kUnitVisible) != 0;
    if (visible) {
        ShowLoadedWindow(*unit);
    }
    if (modal && StillAlive(*window, unit)) {
        unit->disableOtherWindows();
    }
    if (!StillAlive(*window, unit)) {
        return true;
    }
    HWND focus = GetFocus();
    SendLoadFinished(*window);
    if (focus && GetFocus() != focus && IsWindow(focus)) {
        SetFocus(focus);
    }
    unit->setLoadComplete();
    if (visible && runFirstShow) {
        unit->runFirstShow();
    } else if (visible) {
        unit->markFirstShown();
    }
    return true;
}

void ForgetDestroyedUnit(uint32_t windowId, uint32_t unitId)
{
    WindowTemplate* window = ProgramTemplates().findWindow(windowId);
    std::optional<size_t> position = window && unitId ? window->findUnitPosition(unitId) : std::optional<size_t>(0);
    if (!window || !position) {
        return;
    }
    if (*position == 0) {
        if (auto* unit = static_cast<WindowUnit*>(window->windowObject())) {
            ForgetDestroyedWindow(*unit);
        }
        return;
    }
    LiveUnitSlots* slots = window->liveSlots(*position);
    delete static_cast<UnitCursor*>(slots->cursor);
    *slots = {};
}

void ForgetDestroyedWindow(WindowUnit& unit)
{
    WindowTemplate* window = ProgramTemplates().findWindow(unit.windowId());
    if (!window || window->windowObject() != &unit) {
        return;
    }
    DestroyUnitCursors(*window);
    // Units with a control were freed with their controls; what is left is windowless and
    // belongs to the window.
    for (size_t position = 1; position < window->unitCount(); ++position) {
        std::unique_ptr<LiveUnit> windowless(LiveUnitAt(*window, position));
        window->liveSlots(position)->object = nullptr;
    }
    if (currentModal == unit.handle()) {
        // The modal loop may be waiting for a message: wake it to see its window gone.
        currentModal = nullptr;
        PostMessageW(nullptr, WM_NULL, 0, 0);
    }
    window->restoreBackup();
    if (App().loopStarted && !replacingWindow && !AnyTemplateWindowAlive()) {
        PostQuitMessage(0);
    }
}

void DestroyAllWindows()
{
    TemplateCollection& templates = ProgramTemplates();
    for (size_t i = 0; i < templates.windowCount(); ++i) {
        if (WindowUnit* unit = LiveWindowOf(*templates.windowAt(i))) {
            DestroyWindow(unit->handle());
        }
    }
}

HWND CurrentModalWindow() { return currentModal; }
void SetCurrentModalWindow(HWND window) { currentModal = window; }
bool FocusEventsHeld() { return focusEventsHeld; }

}  // namespace rt
