// The EditBox kind's description: its properties by number and its create routine.
#include "controls/edit_box/edit_box.h"

#include <iterator>
#include <optional>

#include "controls/edit_box/edit_box_properties.h"
#include "controls/edit_box/edit_box_unit.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/templates/unit_kinds.h"

namespace rt::units {
namespace {

constexpr PropertyDescription kProperties[] = {
    {"Content", PropertyType::kText},       {"Border", PropertyType::kInt},
    {"TextColour", PropertyType::kInt},     {"BackColour", PropertyType::kInt},
    {"Font", PropertyType::kFont},          {"HideSelection", PropertyType::kLogical},
    {"MaxLength", PropertyType::kInt},      {"Multiline", PropertyType::kLogical},
    {"ScrollBars", PropertyType::kInt},     {"Alignment", PropertyType::kInt},
    {"InputMode", PropertyType::kInt},      {"PasswordChar", PropertyType::kText},
    {"CaseConversion", PropertyType::kInt}, {"SpinMode", PropertyType::kInt},
    {"SpinMin", PropertyType::kInt},        {"SpinMax", PropertyType::kInt},
    {"SelStart", PropertyType::kInt},       {"SelLength", PropertyType::kInt},
    {"SelText", PropertyType::kText},       {"DataSource", PropertyType::kText},
    {"DataColumn", PropertyType::kText},
};
static_assert(std::size(kProperties) == kEditPropertyCount);

LiveUnit* CreateEditBox(const UnitCreateArgs& args)
{
    std::optional<EditBoxOptions> options = ReadOptions<EditBoxOptions>(args.propertyData, args.propertyLength);
    return options ? EditBoxUnit::Create(args, std::move(*options)) : nullptr;
}

// The box raises events of its own and the common unit events.
constexpr uint32_t kEditBoxFlags = 0x04;

const UnitKindDescription kEditBoxKindDescription{
    kEditBoxKind, "编辑框", "EditBox", kEditBoxFlags, kProperties, kEditPropertyCount, CreateEditBox, nullptr,
};

}  // namespace

const UnitKindDescription& EditBoxKind() { return kEditBoxKindDescription; }

}  // namespace rt::units
