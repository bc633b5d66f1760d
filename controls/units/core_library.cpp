#include "controls/units/core_library.h"

#include "commands/core/core_library.h"
#include "controls/buttons/button.h"
#include "controls/buttons/check_box.h"
#include "controls/buttons/group_box.h"
#include "controls/buttons/radio_box.h"
#include "controls/common_dlg/common_dlg.h"
#include "controls/draw_panel/draw_panel.h"
#include "controls/edit_box/edit_box.h"
#include "controls/hyper_linker/hyper_linker.h"
#include "controls/label/label.h"
#include "controls/process_bar/process_bar.h"

namespace rt {
namespace {

const UnitKindDescription* const kUnitKinds[] = {
    &EditBoxKind(), &DrawPanelKind(),  &GroupBoxKind(),    &LabelKind(),     &ButtonKind(),
    &CheckBoxKind(), &RadioBoxKind(), &ProcessBarKind(), &HyperLinkerKind(), &CommonDlgKind(),
};

int64_t Notify(int code, uintptr_t arg1, uintptr_t arg2)
{
    if (code == kNotifyStarted) {
        RegisterDrawPanelMethods();
        RegisterLabelMethods();
        RegisterHyperLinkerMethods();
        RegisterCommonDlgMethods();
    }
    return CoreCommandsNotify(code, arg1, arg2);
}

}  // namespace

const LibraryDescription kCoreLibrary{
    "core", Notify, CoreCommandTable(), kCoreCommandCount, kUnitKinds, std::size(kUnitKinds),
};

}  // namespace rt
