// The forwarded commands: unit methods answer empty until their layer registers.
#include <gtest/gtest.h>

#include "command_call.h"
#include "commands/core/command_slots.h"

namespace {

using rt::commands::CoreCommand;

void AnswerSeven(rt::ValueTriple* result, int argCount, rt::ValueTriple* args)
{
    *result = rt::MakeInt(argCount == 1 && args[0].low == 3 ? 7 : -1);
}

TEST(CommandSlots, OnlyUnitMethodsForward)
{
    const CoreCommand forwarded[] = {
        CoreCommand::kOpenLink,       CoreCommand::kClear,        CoreCommand::kDrawPicture,
        CoreCommand::kGetPictureData, CoreCommand::kPictureWidth, CoreCommand::kPictureHeight,
        CoreCommand::kShow,           CoreCommand::kCopy,         CoreCommand::kRaiseFeedback,
        CoreCommand::kDrawLine,
    };
    int count = 0;
    for (int i = 0; i < rt::commands::kCoreCommandCount; ++i)
        count += rt::commands::IsForwardedCommand(CoreCommand(i)) ? 1 : 0;
    EXPECT_EQ(count, 10);
    for (CoreCommand command : forwarded) EXPECT_TRUE(rt::commands::IsForwardedCommand(command));
    EXPECT_FALSE(rt::commands::RegisterCommandRoutine(CoreCommand::kToText, AnswerSeven));
    EXPECT_EQ(rt::commands::RegisteredRoutine(CoreCommand::kToText), nullptr);
    EXPECT_EQ(rt::commands::RegisteredRoutine(CoreCommand(99)), nullptr);
}

TEST(CommandSlots, AForwardedEntryAnswersEmptyUntilARoutineIsRegistered)
{
    rt::ValueTriple unit = rt::MakeInt(3);
    EXPECT_EQ(test::Call(rt::commands::ForwardCommand<CoreCommand::kPictureWidth>, {unit}).type(), rt::kOmitted);

    ASSERT_TRUE(rt::commands::RegisterCommandRoutine(CoreCommand::kPictureWidth, AnswerSeven));
    EXPECT_EQ(test::Call(rt::commands::ForwardCommand<CoreCommand::kPictureWidth>, {unit}).integer(), 7);
    EXPECT_EQ(test::Call(rt::commands::ForwardCommand<CoreCommand::kPictureHeight>, {unit}).type(), rt::kOmitted);

    rt::commands::RegisterCommandRoutine(CoreCommand::kPictureWidth, nullptr);
    EXPECT_EQ(test::Call(rt::commands::ForwardCommand<CoreCommand::kPictureWidth>, {unit}).type(), rt::kOmitted);
}

}  // namespace
