#include "controls/common_dlg/common_dlg.h"

#include "commands/core/command_args.h"
#include "commands/core/command_slots.h"
#include "controls/common/unit_method.h"
#include "controls/common_dlg/common_dlg_unit.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/templates/unit_kinds.h"

namespace rt::units {
namespace {

LiveUnit* CreateCommonDlg(const UnitCreateArgs& args)
{
    std::optional<CommonDlgOptions> options = ReadOptions<CommonDlgOptions>(args.propertyData, args.propertyLength);
    if (!options) {
        return nullptr;
    }
    return CommonDlgUnit::Create(args, std::move(*options));
}

const UnitKindDescription kDescription{
    kCommonDlgKind,          "通用对话框",    "CommonDlg", kind_flags::kInvisible, kCommonDlgProperties,
    kCommonDlgPropertyCount, CreateCommonDlg, nullptr,
};

// Show(dialog): shows the unit's dialog modally on the window thread; true when confirmed.
void ShowCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    commands::CommandArgs arguments(argCount, args);
    bool confirmed = false;
    RunUnitMethod<CommonDlgUnit>(arguments[0], kCommonDlgKind,
                                 [&confirmed](CommonDlgUnit& dialog) { confirmed = dialog.show(); });
    *result = MakeLogical(confirmed);
}

}  // namespace

const UnitKindDescription& CommonDlgKind() { return kDescription; }

void RegisterCommonDlgMethods() { commands::RegisterCommandRoutine(commands::CoreCommand::kShow, ShowCommand); }

}  // namespace rt::units
