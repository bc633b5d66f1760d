#include "controls/buttons/check_box.h"

#include <memory>
#include <optional>

#include "controls/buttons/choice_box.h"
#include "controls/options/check_box_options.h"
#include "controls/options/option_fields.h"
#include "runtime/templates/unit_kinds.h"

namespace rt {
namespace {

LiveUnit* CreateCheckBox(const UnitCreateArgs& args)
{
    std::optional<CheckBoxOptions> options = ReadOptions<CheckBoxOptions>(args.propertyData, args.propertyLength);
    if (!options) {
        return nullptr;
    }
    auto unit = std::make_unique<ChoiceBoxUnit<CheckBoxOptions>>(args, std::move(*options), false);
    if (!unit->create(args)) {
        return nullptr;
    }
    return unit.release();
}

// Raises events; an Alt mnemonic toggles it and raises its click.
constexpr uint32_t kCheckBoxFlags = kind_flags::kRaisesEvents | kind_flags::kMnemonicCheck;

const UnitKindDescription kCheckBoxDescription{
    kCheckBoxKind, "选择框", "CheckBox", kCheckBoxFlags, kChoiceProperties, kCheckBoxPropertyCount, CreateCheckBox, nullptr,
};

}  // namespace

const UnitKindDescription& CheckBoxKind() { return kCheckBoxDescription; }

}  // namespace rt
