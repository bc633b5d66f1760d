#include "runtime/window/window_layer.h"

#include <map>

#include "runtime/program_templates.h"
#include "runtime/runtime_error.h"
#include "runtime/runtime_service.h"
#include "runtime/shutdown.h"
#include "runtime/unit_access.h"
#include "runtime/window/events.h"
#include "runtime/window/idle_list.h"
#include "runtime/window/message_filter.h"
#include "runtime/window/unit_kind_registry.h"
#include "runtime/window/unit_lookup.h"
#include "runtime/window/window_lifetime.h"
#include "runtime/window/window_unit.h"

namespace rt {
namespace {

int64_t Word(const void* p) { return static_cast<int64_t>(reinterpret_cast<uintptr_t>(p)); }

int64_t TemplateCollectionService(uintptr_t, uintptr_t) { return Word(&ProgramTemplates()); }

int64_t UnitKindService(uintptr_t kind, uintptr_t) { return Word(FindUnitKind(static_cast<uint32_t>(kind))); }

int64_t UnitDestroyedService(uintptr_t windowId, uintptr_t unitId)
{
    ForgetDestroyedUnit(static_cast<uint32_t>(windowId), static_cast<uint32_t>(unitId));
    return 0;
}

int64_t LoadWindowService(uintptr_t request, uintptr_t)
{
    const auto* load = reinterpret_cast<const LoadWindowRequest*>(request);
    if (!load) {
        return kLoadWindowFailed;
    }
    auto* owner = static_cast<LiveUnit*>(load->owner);
    // An owner object that is no longer live fails a non-modal load through a null handle check.
    HWND ownerHandle = owner ? owner->handle() : nullptr;
    if (owner && !ownerHandle && !load->modal) {
        return kLoadWindowFailed;
    }
    return LoadWindow(load->windowId, ownerHandle, load->modal != 0, true) ? kLoadWindowSucceeded : kLoadWindowFailed;
}

LiveUnit* UnitObject(uintptr_t windowId, uintptr_t unitId)
{
    WindowTemplate* window = ProgramTemplates().findWindow(static_cast<uint32_t>(windowId));
    if (!window || !window->windowObject()) {
        return nullptr;
    }
    std::optional<size_t> position =
        unitId ? window->findUnitPosition(static_cast<uint32_t>(unitId)) : std::optional<size_t>(0);
    return position ? LiveUnitAt(*window, *position) : nullptr;
}

int64_t UnitObjectService(uintptr_t windowId, uintptr_t unitId) { return Word(UnitObject(windowId, unitId)); }

int64_t UnitObjectOrFailService(uintptr_t windowId, uintptr_t unitId)
{
    LiveUnit* unit = UnitObject(windowId, unitId);
    if (!unit) {
        ReportRuntimeError(messages::kUnitMissing, 0);
    }
    return Word(unit);
}

int64_t RaiseEventService(uintptr_t record, uintptr_t)
{
    return record && RaiseEvent(*reinterpret_cast<EventRecord*>(record)) ? 1 : 0;
}

int64_t RaiseEventTriplesService(uintptr_t record, uintptr_t)
{
    return record && RaiseEventTriples(*reinterpret_cast<EventTriplesRecord*>(record)) ? 1 : 0;
}

// Per-window byte flags, keyed by the word the caller names the window with.
std::map<uintptr_t, uint8_t>& WindowFlags()
{
    static std::map<uintptr_t, uint8_t> flags;
    return flags;
}

int64_t WindowFlagGetService(uintptr_t window, uintptr_t)
{
    auto found = WindowFlags().find(window);
    return found == WindowFlags().end() ? 0 : found->second;
}

int64_t WindowFlagSetService(uintptr_t window, uintptr_t flag)
{
    WindowFlags()[window] = static_cast<uint8_t>(flag);
    return 0;
}

int64_t IdleRegisterService(uintptr_t entry, uintptr_t)
{
    if (entry) {
        RegisterIdleEntry(*reinterpret_cast<const IdleEntry*>(entry));
    }
    return 0;
}

int64_t IdleRemoveService(uintptr_t window, uintptr_t routine)
{
    RemoveIdleEntries(reinterpret_cast<HWND>(window), reinterpret_cast<IdleRoutine>(routine));
    return 0;
}

}  // namespace

void StartWindowLayer()
{
    static bool started = false;
    if (started) {
        return;
    }
    started = true;
    RegisterUnitKind(WindowUnit::Kind());
    SetServiceHandler(kServiceTemplateCollection, TemplateCollectionService);
    SetServiceHandler(kServiceUnitKind, UnitKindService);
    SetServiceHandler(kServiceUnitDestroyed, UnitDestroyedService);
    SetServiceHandler(kServiceLoadWindow, LoadWindowService);
    SetServiceHandler(kServiceUnitObject, UnitObjectService);
    SetServiceHandler(kServiceUnitObjectOrFail, UnitObjectOrFailService);
    SetServiceHandler(kServiceRaiseEvent, RaiseEventService);
    SetServiceHandler(kServiceRaiseEventTriples, RaiseEventTriplesService);
    SetServiceHandler(kServiceWindowFlagGet, WindowFlagGetService);
    SetServiceHandler(kServiceWindowFlagSet, WindowFlagSetService);
    SetServiceHandler(kServiceIdleRegister, IdleRegisterService);
    SetServiceHandler(kServiceIdleRemove, IdleRemoveService);
    SetWindowTeardown(DestroyAllWindows);
    InstallWindowMessageFilter();
}

void LoadStartWindow(uint32_t windowId)
{
    if (!LoadWindow(windowId, nullptr, false, false)) {
        ReportRuntimeError(messages::kStartWindowFailed, 0);
    }
}

}  // namespace rt
