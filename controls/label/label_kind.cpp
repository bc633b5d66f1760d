// The Label kind's description and its method.
#include "commands/core/command_slots.h"
#include "controls/label/label.h"
#include "controls/label/label_feedback.h"
#include "controls/label/label_properties.h"
#include "controls/label/label_unit.h"
#include "runtime/templates/unit_kinds.h"

namespace rt::units {
namespace {

// Raises events; an Alt mnemonic in its caption moves the focus to the unit after it.
constexpr uint32_t kLabelFlags = kind_flags::kRaisesEvents | 0x2000;

const UnitKindDescription kLabelDescription{
    kLabelKind, "标签", "Label", kLabelFlags, kLabelProperties, kLabelPropertyCount, CreateLabelUnit, nullptr,
};

}  // namespace

const UnitKindDescription& LabelKind() { return kLabelDescription; }

void RegisterLabelMethods()
{
    commands::RegisterCommandRoutine(commands::CoreCommand::kRaiseFeedback, RaiseFeedbackCommand);
}

}  // namespace rt::units
