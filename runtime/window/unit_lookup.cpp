#include "runtime/window/unit_lookup.h"

#include "runtime/program_templates.h"
#include "runtime/window/window_unit.h"

namespace rt {
namespace {

std::optional<UnitLocation> FindExact(HWND control)
{
    TemplateCollection& templates = ProgramTemplates();
    for (size_t i = 0; i < templates.windowCount(); ++i) {
        WindowTemplate& window = *templates.windowAt(i);
        if (!window.windowObject()) {
            continue;
        }
        for (size_t position = 0; position < window.unitCount(); ++position) {
            LiveUnit* unit = LiveUnitAt(window, position);
            if (unit && unit->handle() == control) {
                return UnitLocation{&window, position, unit};
            }
        }
    }
    return std::nullopt;
}

}  // namespace

LiveUnit* LiveUnitAt(WindowTemplate& window, size_t position)
{
    LiveUnitSlots* slots = window.liveSlots(position);
    return slots ? static_cast<LiveUnit*>(slots->object) : nullptr;
}

LiveUnit* UnitOfControl(HWND control)
{
    std::optional<UnitLocation> found = control ? FindExact(control) : std::nullopt;
    return found ? found->unit : nullptr;
}

std::optional<UnitLocation> FindUnitByHandle(HWND control)
{
    for (HWND current = control; current; current = GetAncestor(current, GA_PARENT)) {
        if (std::optional<UnitLocation> found = FindExact(current)) {
            return found;
        }
        if (current == GetDesktopWindow()) {
            break;
        }
    }
    return std::nullopt;
}

}  // namespace rt
