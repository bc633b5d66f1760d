#include "runtime/window/unit_kind_registry.h"

#include <map>

#include "runtime/runtime_app.h"

namespace rt {
namespace {

// Registrations happen on the window thread at start-up; lookups only after that.
std::map<uint32_t, const UnitKindDescription*>& Registered()
{
    static std::map<uint32_t, const UnitKindDescription*> kinds;
    return kinds;
}

const UnitKindDescription* FindInLibraries(uint32_t kind)
{
    for (const LibraryDescription* library : App().libraries) {
        for (uint32_t i = 0; library && i < library->unitKindCount; ++i) {
            const UnitKindDescription* description = library->unitKinds[i];
            if (description && description->kind == kind) {
                return description;
            }
        }
    }
    return nullptr;
}

}  // namespace

void RegisterUnitKind(const UnitKindDescription& description) { Registered()[description.kind] = &description; }

const UnitKindDescription* FindUnitKind(uint32_t kind)
{
    auto found = Registered().find(kind);
    return found != Registered().end() ? found->second : FindInLibraries(kind);
}

}  // namespace rt
