// The core library as the program lists it: the unit kinds of library 1 and, once started, a
// routine behind every unit method of the command table.
#include <gtest/gtest.h>

#include <set>

#include "commands/core/command_slots.h"
#include "commands/core/core_library.h"
#include "controls/units/core_library.h"
#include "runtime/start_runtime.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/window/unit_kind.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

TEST(CoreLibrary, ListsTheTenUnitKindsOfTheProgramBesideTheWindow)
{
    std::set<uint32_t> kinds;
    for (uint32_t i = 0; i < rt::kCoreLibrary.unitKindCount; ++i) {
        kinds.insert(rt::kCoreLibrary.unitKinds[i]->kind);
    }
    EXPECT_EQ(kinds, (std::set<uint32_t>{rt::kEditBoxKind, rt::kDrawPanelKind, rt::kGroupBoxKind, rt::kLabelKind,
                                         rt::kButtonKind, rt::kCheckBoxKind, rt::kRadioBoxKind, rt::kProcessBarKind,
                                         rt::kHyperLinkerKind, rt::kCommonDlgKind}));
    EXPECT_EQ(rt::kCoreLibrary.commands, rt::CoreCommandTable());
    EXPECT_EQ(rt::kCoreLibrary.commandCount, static_cast<uint32_t>(rt::kCoreCommandCount));
}

TEST(CoreLibrary, StartingItSetsARoutineBehindEveryUnitMethod)
{
    rt::kCoreLibrary.notify(rt::kNotifyStarted, 0, 0);
    int methods = 0;
    for (int i = 0; i < rt::kCoreCommandCount; ++i) {
        auto command = static_cast<rt::CoreCommand>(i);
        if (rt::IsForwardedCommand(command)) {
            ++methods;
            EXPECT_NE(rt::RegisteredRoutine(command), nullptr) << i;
        }
    }
    EXPECT_EQ(methods, 10);
}

}  // namespace
