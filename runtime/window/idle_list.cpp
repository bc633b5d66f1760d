#include "runtime/window/idle_list.h"

#include <vector>

#include "runtime/program_templates.h"
#include "runtime/window/events.h"
#include "runtime/window/window_unit.h"

namespace rt {
namespace {

constexpr int32_t kEventIdle = 7;
constexpr int kFirstIdleEventCount = 2;

std::vector<IdleEntry>& Entries()
{
    static std::vector<IdleEntry> entries;
    return entries;
}

DWORD periodStart = 0;

}  // namespace

void RegisterIdleEntry(const IdleEntry& entry) { Entries().push_back(entry); }

void RemoveIdleEntries(HWND window, IdleRoutine routine)
{
    std::erase_if(Entries(),
                  [&](const IdleEntry& e) { return e.window == window && (!routine || e.routine == routine); });
}

void RunIdleList()
{
    // A routine may change the list: walk by index from the end and re-check each time.
    for (size_t i = Entries().size(); i-- > 0;) {
        if (i >= Entries().size()) {
            continue;
        }
        IdleEntry entry = Entries()[i];
        if (!IsWindow(entry.window)) {
            Entries().erase(Entries().begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        if (entry.routine) {
            entry.routine(entry.argument);
        }
    }
}

bool RunIdleProcessing(int idleCount)
{
    TemplateCollection& templates = ProgramTemplates();
    if (idleCount == 0) {
        periodStart = GetTickCount();
        for (size_t i = 0; i < templates.windowCount(); ++i) {
            if (WindowUnit* unit = LiveWindowOf(*templates.windowAt(i))) {
                unit->idleActive = true;
            }
        }
    }
    if (idleCount < kFirstIdleEventCount) {
        return true;
    }
    auto elapsed = static_cast<int32_t>(GetTickCount() - periodStart);
    bool more = false;
    for (size_t i = 0; i < templates.windowCount(); ++i) {
        WindowTemplate& window = *templates.windowAt(i);
        WindowUnit* unit = LiveWindowOf(window);
        if (!unit || !unit->idleActive) {
            continue;
        }
        EventAnswer answer = RaiseUnitEvent(window.windowId(), 0, kEventIdle, {elapsed});
        // The handler may have closed its window.
        if (LiveWindowOf(window) != unit) {
            continue;
        }
        unit->idleActive = answer.returned && answer.value != 0;
        more = more || unit->idleActive;
    }
    return more;
}

}  // namespace rt
