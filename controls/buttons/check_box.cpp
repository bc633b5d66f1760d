#include "controls/buttons/check_box.h"

#include "controls/buttons/choice_box.h"
#include "runtime/unit_options/check_box_options.h"
#include "runtime/templates/unit_kinds.h"

namespace rt::units {
namespace {

LiveUnit* CreateCheckBox(const UnitCreateArgs& args)
{
    return CreateButtonFamilyUnit<ChoiceBoxUnit<CheckBoxOptions>, CheckBoxOptions>(args, false);
}

// Raises events; an Alt mnemonic toggles it and raises its click.
constexpr uint32_t kCheckBoxFlags = kind_flags::kRaisesEvents | kind_flags::kMnemonicCheck;

const UnitKindDescription kCheckBoxDescription{
    kCheckBoxKind,          "选择框",       "CheckBox", kCheckBoxFlags, kChoiceProperties,
    kCheckBoxPropertyCount, CreateCheckBox, nullptr,
};

}  // namespace

const UnitKindDescription& CheckBoxKind() { return kCheckBoxDescription; }

}  // namespace rt::units
