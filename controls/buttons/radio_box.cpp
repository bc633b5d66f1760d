#include "controls/buttons/radio_box.h"

#include "controls/buttons/choice_box.h"
#include "runtime/unit_options/radio_box_options.h"
#include "runtime/templates/unit_kinds.h"

namespace rt::units {
namespace {

LiveUnit* CreateRadioBox(const UnitCreateArgs& args)
{
    return CreateButtonFamilyUnit<ChoiceBoxUnit<RadioBoxOptions>, RadioBoxOptions>(args, true);
}

// Raises events; an Alt mnemonic selects it, clearing its group, and raises its click.
constexpr uint32_t kRadioBoxFlags = kind_flags::kRaisesEvents | kind_flags::kMnemonicRadio;

const UnitKindDescription kRadioBoxDescription{
    kRadioBoxKind,          "单选框",       "RadioBox", kRadioBoxFlags, kChoiceProperties,
    kRadioBoxPropertyCount, CreateRadioBox, nullptr,
};

}  // namespace

const UnitKindDescription& RadioBoxKind() { return kRadioBoxDescription; }

}  // namespace rt::units
