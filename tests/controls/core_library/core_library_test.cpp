// The core library as the program lists it: the unit kinds of library 1 and, once started, a
// routine behind every unit method of the command table.
#include <gtest/gtest.h>

#include <set>

#include "commands/core/command_slots.h"
#include "commands/core/core_command_table.h"
#include "controls/core_library/core_library.h"
#include "runtime/start_runtime.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/window/unit_kind.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

TEST(CoreLibrary, ListsTheTenUnitKindsOfTheProgramBesideTheWindow)
{
    std::set<uint32_t> kinds;
    for (uint32_t i = 0; i < rt::units::kCoreLibrary.unitKindCount; ++i) {
        kinds.insert(rt::units::kCoreLibrary.unitKinds[i]->kind);
    }
    EXPECT_EQ(kinds, (std::set<uint32_t>{rt::kEditBoxKind, rt::kBoardKind, rt::kGroupBoxKind, rt::kLabelKind,
                                         rt::kButtonKind, rt::kCheckBoxKind, rt::kRadioBoxKind, rt::kProcessBarKind,
                                         rt::kHyperLinkerKind, rt::kCommonDlgKind}));
    EXPECT_EQ(rt::units::kCoreLibrary.commands, rt::commands::CoreCommandTable());
    EXPECT_EQ(rt::units::kCoreLibrary.commandCount, static_cast<uint32_t>(rt::commands::kCoreCommandCount));
}

TEST(CoreLibrary, StartingItSetsARoutineBehindEveryUnitMethod)
{
    rt::units::kCoreLibrary.notify(rt::kNotifyStarted, 0, 0);
    int methods = 0;
    for (int i = 0; i < rt::commands::kCoreCommandCount; ++i) {
        auto command = static_cast<rt::commands::CoreCommand>(i);
        if (rt::commands::IsForwardedCommand(command)) {
            ++methods;
            EXPECT_NE(rt::commands::RegisteredRoutine(command), nullptr) << i;
        }
    }
    EXPECT_EQ(methods, 10);
}

}  // namespace
