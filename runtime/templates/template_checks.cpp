#include "runtime/templates/template_checks.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "runtime/templates/template_ids.h"

namespace rt {

namespace {

constexpr size_t kNoPosition = SIZE_MAX;

// Unit positions by id, for lookups in time proportional to log C.
class PositionsById {
public:
    explicit PositionsById(const std::vector<UnitRecord>& units)
    {
        entries_.reserve(units.size());
        for (size_t position = 0; position < units.size(); ++position) {
            entries_.emplace_back(units[position].id, position);
        }
        std::sort(entries_.begin(), entries_.end());
    }

    bool unique() const
    {
        return std::adjacent_find(entries_.begin(), entries_.end(),
                                  [](const auto& a, const auto& b) { return a.first == b.first; }) == entries_.end();
    }

    size_t find(uint32_t id) const
    {
        auto it = std::lower_bound(entries_.begin(), entries_.end(), std::make_pair(id, size_t{0}));
        return it != entries_.end() && it->first == id ? it->second : kNoPosition;
    }

private:
    std::vector<std::pair<uint32_t, size_t>> entries_;
};

bool HasRightClass(const UnitRecord& unit, size_t position)
{
    if (position == 0) {
        return HasIdClass(unit.id, IdClass::kWindowUnit) && !unit.isMenuItem() && unit.placed().container == 0;
    }
    return HasIdClass(unit.id, unit.isMenuItem() ? IdClass::kMenuItem : IdClass::kUnit);
}

// A reference from the unit at position to another placed unit of the window, never unit 0.
bool IsPlacedReference(const std::vector<UnitRecord>& units, const PositionsById& positions, uint32_t id,
                       size_t position)
{
    size_t target = positions.find(id);
    return target != kNoPosition && target != 0 && target != position && !units[target].isMenuItem();
}

bool ReferencesArePlaced(const std::vector<UnitRecord>& units, const PositionsById& positions, size_t position)
{
    const PlacedUnit& unit = units[position].placed();
    if (unit.container != 0 && !IsPlacedReference(units, positions, unit.container, position)) {
        return false;
    }
    return std::all_of(unit.children.begin(), unit.children.end(), [&](uint32_t child) {
        return child == 0 || IsPlacedReference(units, positions, child, position);
    });
}

// Whether following next from every position ends (reaches kNoPosition) without a loop.
bool EndsEverywhere(const std::vector<size_t>& next)
{
    enum : uint8_t { kUnseen, kOnPath, kEnds };
    std::vector<uint8_t> state(next.size(), kUnseen);
    for (size_t start = 0; start < next.size(); ++start) {
        size_t p = start;
        while (p != kNoPosition && state[p] == kUnseen) {
            state[p] = kOnPath;
            p = next[p];
        }
        if (p != kNoPosition && state[p] == kOnPath) {
            return false;
        }
        for (p = start; p != kNoPosition && state[p] == kOnPath; p = next[p]) {
            state[p] = kEnds;
        }
    }
    return true;
}

// The event-source chain goes on only to a unit of the same kind, as event dispatch follows it.
size_t NextEventSource(const std::vector<UnitRecord>& units, const PositionsById& positions, size_t position)
{
    const UnitRecord& unit = units[position];
    if (unit.eventSource == 0) {
        return kNoPosition;
    }
    size_t source = positions.find(unit.eventSource);
    return source != kNoPosition && units[source].kind == unit.kind ? source : kNoPosition;
}

bool ChainsEnd(const std::vector<UnitRecord>& units, const PositionsById& positions)
{
    std::vector<size_t> containers(units.size(), kNoPosition);
    std::vector<size_t> eventSources(units.size(), kNoPosition);
    for (size_t position = 0; position < units.size(); ++position) {
        if (!units[position].isMenuItem() && units[position].placed().container != 0) {
            containers[position] = positions.find(units[position].placed().container);
        }
        eventSources[position] = NextEventSource(units, positions, position);
    }
    return EndsEverywhere(containers) && EndsEverywhere(eventSources);
}

}  // namespace

bool UnitsAreConsistent(const std::vector<UnitRecord>& units)
{
    PositionsById positions(units);
    if (units.empty() || !positions.unique()) {
        return false;
    }
    for (size_t position = 0; position < units.size(); ++position) {
        if (!HasRightClass(units[position], position)) {
            return false;
        }
        if (!units[position].isMenuItem() && !ReferencesArePlaced(units, positions, position)) {
            return false;
        }
    }
    return ChainsEnd(units, positions);
}

bool WindowsAreConsistent(const std::vector<WindowRecord>& windows)
{
    std::vector<uint32_t> ids;
    ids.reserve(windows.size());
    for (const WindowRecord& window : windows) {
        if (!HasIdClass(window.id, IdClass::kWindow) || !UnitsAreConsistent(window.units)) {
            return false;
        }
        ids.push_back(window.id);
    }
    std::sort(ids.begin(), ids.end());
    return std::adjacent_find(ids.begin(), ids.end()) == ids.end();
}

}  // namespace rt
