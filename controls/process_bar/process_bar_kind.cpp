// The ProcessBar kind's description: its properties by number and its create routine.
#include "controls/process_bar/process_bar.h"

#include <iterator>
#include <optional>

#include "runtime/unit_options/option_fields.h"
#include "controls/process_bar/process_bar_unit.h"
#include "runtime/templates/unit_kinds.h"

namespace rt::units {
namespace {

constexpr PropertyDescription kProperties[] = {
    {"Border", PropertyType::kInt},  {"Vertical", PropertyType::kLogical}, {"Smooth", PropertyType::kLogical},
    {"Minimum", PropertyType::kInt}, {"Maximum", PropertyType::kInt},      {"Position", PropertyType::kInt},
};
static_assert(std::size(kProperties) == kBarPropertyCount);

LiveUnit* CreateProcessBar(const UnitCreateArgs& args)
{
    std::optional<ProcessBarOptions> options = ReadOptions<ProcessBarOptions>(args.propertyData, args.propertyLength);
    return options ? ProcessBarUnit::Create(args, *options) : nullptr;
}

// The bar has no events of its own, but the common unit events (mouse, keys) reach every unit.
constexpr uint32_t kProcessBarFlags = 0x04;

const UnitKindDescription kProcessBarKindDescription{
    kProcessBarKind, "进度条",          "ProcessBar",     kProcessBarFlags,
    kProperties,     kBarPropertyCount, CreateProcessBar, nullptr,
};

}  // namespace

const UnitKindDescription& ProcessBarKind() { return kProcessBarKindDescription; }

}  // namespace rt::units
