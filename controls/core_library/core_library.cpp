#include "controls/core_library/core_library.h"

#include "commands/core/core_command_table.h"
#include "controls/buttons/button.h"
#include "controls/buttons/check_box.h"
#include "controls/buttons/group_box.h"
#include "controls/buttons/radio_box.h"
#include "controls/common_dlg/common_dlg.h"
#include "controls/board/board.h"
#include "controls/edit_box/edit_box.h"
#include "controls/hyper_linker/hyper_linker.h"
#include "controls/label/label.h"
#include "controls/process_bar/process_bar.h"

namespace rt::units {
namespace {

const UnitKindDescription* const kUnitKinds[] = {
    &EditBoxKind(),  &BoardKind(),    &GroupBoxKind(),   &LabelKind(),       &ButtonKind(),
    &CheckBoxKind(), &RadioBoxKind(), &ProcessBarKind(), &HyperLinkerKind(), &CommonDlgKind(),
};

int64_t Notify(int code, uintptr_t arg1, uintptr_t arg2)
{
    if (code == kNotifyStarted) {
        RegisterBoardMethods();
        RegisterLabelMethods();
        RegisterHyperLinkerMethods();
        RegisterCommonDlgMethods();
    }
    return commands::CoreCommandsNotify(code, arg1, arg2);
}

}  // namespace

const LibraryDescription kCoreLibrary{
    "core", Notify, commands::CoreCommandTable(), commands::kCoreCommandCount, kUnitKinds, std::size(kUnitKinds),
};

}  // namespace rt::units
