#include "runtime/window/unit_destruction.h"

#include <memory>
#include <optional>

#include "runtime/program_templates.h"
#include "runtime/window/unit_lookup.h"
#include "runtime/window/window_lifetime.h"
#include "runtime/window/window_thread.h"
#include "runtime/window/window_unit.h"

namespace rt {
namespace {

void DestroyTemplateWindow(WindowUnit& window, bool atOnce)
{
    if (atOnce) {
        window.destroy();
    } else {
        window.markForDestruction();
    }
}

// A unit with a control goes with it (its kind tells the runtime at WM_NCDESTROY); a windowless
// unit is freed here.
void DestroyUnit(WindowTemplate& window, size_t position)
{
    LiveUnit* unit = LiveUnitAt(window, position);
    if (!unit) {
        return;
    }
    if (unit->handle()) {
        DestroyWindow(unit->handle());
        return;
    }
    std::unique_ptr<LiveUnit> windowless(unit);
    ForgetDestroyedUnit(window.windowId(), windowless->unitId());
}

void DestroyOnWindowThread(uint32_t windowId, uint32_t unitId, bool atOnce)
{
    WindowTemplate* window = ProgramTemplates().findWindow(windowId);
    WindowUnit* live = window ? LiveWindowOf(*window) : nullptr;
    if (!live) {
        return;
    }
    std::optional<size_t> position = unitId ? window->findUnitPosition(unitId) : std::optional<size_t>(0);
    if (!position) {
        return;
    }
    if (*position == 0) {
        DestroyTemplateWindow(*live, atOnce);
    } else {
        DestroyUnit(*window, *position);
    }
}

}  // namespace

void DestroyWindowOrUnit(uint32_t windowId, uint32_t unitId, bool atOnce)
{
    RunOnWindowThread([&] { DestroyOnWindowThread(windowId, unitId, atOnce); });
}

}  // namespace rt
