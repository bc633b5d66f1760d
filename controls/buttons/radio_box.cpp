#include "controls/buttons/radio_box.h"

#include <memory>
#include <optional>

#include "controls/buttons/choice_box.h"
#include "controls/options/option_fields.h"
#include "controls/options/radio_box_options.h"
#include "runtime/templates/unit_kinds.h"

namespace rt {
namespace {

LiveUnit* CreateRadioBox(const UnitCreateArgs& args)
{
    std::optional<RadioBoxOptions> options = ReadOptions<RadioBoxOptions>(args.propertyData, args.propertyLength);
    if (!options) {
        return nullptr;
    }
    auto unit = std::make_unique<ChoiceBoxUnit<RadioBoxOptions>>(args, std::move(*options), true);
    if (!unit->create(args)) {
        return nullptr;
    }
    return unit.release();
}

// Raises events; an Alt mnemonic selects it, clearing its group, and raises its click.
constexpr uint32_t kRadioBoxFlags = kind_flags::kRaisesEvents | kind_flags::kMnemonicRadio;

const UnitKindDescription kRadioBoxDescription{
    kRadioBoxKind, "单选框", "RadioBox", kRadioBoxFlags, kChoiceProperties, kRadioBoxPropertyCount, CreateRadioBox, nullptr,
};

}  // namespace

const UnitKindDescription& RadioBoxKind() { return kRadioBoxDescription; }

}  // namespace rt
