// The core library's command table: 36 entries in table order, and its description.
#include <gtest/gtest.h>

#include <string>

#include "command_call.h"
#include "commands/core/command_slots.h"
#include "commands/core/conversion_commands.h"
#include "commands/core/core_command_table.h"
#include "commands/core/file_commands.h"
#include "commands/core/number_commands.h"
#include "commands/core/open_files.h"
#include "commands/core/picture_commands.h"
#include "commands/core/text_commands.h"
#include "commands/core/window_commands.h"
#include "pictures/decoding/picture_list.h"
#include "runtime/program_header.h"
#include "runtime/runtime_service.h"

namespace {

using rt::commands::CoreCommand;

TEST(CoreTable, HoldsTheThirtySixCommandsInTableOrder)
{
    struct Entry {
        int index;
        rt::CommandRoutine routine;
    };
    const Entry plain[] = {
        {2, rt::commands::DeleteFileCommand},       {3, rt::commands::RunDirectoryCommand},
        {4, rt::commands::FileExistsCommand},       {5, rt::commands::WriteFileCommand},
        {6, rt::commands::ToTextCommand},           {7, rt::commands::SplitTextCommand},
        {8, rt::commands::LoadWindowCommand},       {9, rt::commands::DestroyWindowCommand},
        {10, rt::commands::ScreenWidthCommand},     {11, rt::commands::ScreenHeightCommand},
        {12, rt::commands::RightTextCommand},       {13, rt::commands::ReadFileCommand},
        {14, rt::commands::LoadPictureCommand},     {15, rt::commands::ToNumberCommand},
        {21, rt::commands::FindTextReverseCommand}, {22, rt::commands::LeftTextCommand},
        {23, rt::commands::ToByteSetCommand},       {24, rt::commands::OpenFileCommand},
        {25, rt::commands::WriteTextToFileCommand}, {26, rt::commands::ProcessEventsCommand},
        {27, rt::commands::SleepCommand},           {28, rt::commands::MessageBoxCommand},
        {29, rt::commands::UnloadPictureCommand},   {30, rt::commands::IntegerPartCommand},
        {31, rt::commands::AbsoluteValueCommand},   {35, rt::commands::CloseFileCommand},
    };
    for (const Entry& entry : plain) {
        SCOPED_TRACE(entry.index);
        EXPECT_EQ(rt::commands::CoreCommandTable()[entry.index], entry.routine);
        EXPECT_FALSE(rt::commands::IsForwardedCommand(CoreCommand(entry.index)));
    }
    EXPECT_EQ(rt::commands::kCoreCommandCount, 36);
    EXPECT_EQ(rt::commands::CoreCommandRoutine(CoreCommand(36)), nullptr);
}

TEST(CoreTable, MethodEntriesForwardToTheirOwnRegisteredRoutine)
{
    const CoreCommand methods[] = {
        CoreCommand::kOpenLink,       CoreCommand::kClear,        CoreCommand::kDrawPicture,
        CoreCommand::kGetPictureData, CoreCommand::kPictureWidth, CoreCommand::kPictureHeight,
        CoreCommand::kShow,           CoreCommand::kCopy,         CoreCommand::kRaiseFeedback,
        CoreCommand::kDrawLine,
    };
    static int called = -1;
    for (CoreCommand method : methods) {
        SCOPED_TRACE(static_cast<int>(method));
        rt::CommandRoutine entry = rt::commands::CoreCommandRoutine(method);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(test::Call(entry, {}).type(), rt::kOmitted);
        ASSERT_TRUE(
            rt::commands::RegisterCommandRoutine(method, [](rt::ValueTriple* result, int, rt::ValueTriple* args) {
                called = static_cast<int>(args[0].low);
                *result = rt::MakeInt(1);
            }));
        EXPECT_EQ(test::Call(entry, {rt::MakeInt(static_cast<int>(method))}).integer(), 1);
        EXPECT_EQ(called, static_cast<int>(method));
        rt::commands::RegisterCommandRoutine(method, nullptr);
    }
}

TEST(CoreTable, EntriesAnswerThroughTheirPlace)
{
    auto at = [](CoreCommand command) { return rt::commands::CoreCommandRoutine(command); };
    EXPECT_EQ(test::Call(at(CoreCommand::kLeftText), {test::Text("C:\\pics\\a.jpg"), rt::MakeInt(8)}).text(),
              "C:\\pics\\");
    EXPECT_EQ(test::Call(at(CoreCommand::kIntegerPart), {test::Double(-2.5)}).integer(), -3);
    EXPECT_EQ(test::Call(at(CoreCommand::kToNumber), {test::Text("５")}).real(), 5.0);
}

// The runtime's live picture services, which units and libraries call, are answered by the
// library's picture list once it has started.
TEST(CoreTable, AnswersTheLivePictureServices)
{
    rt::commands::CoreCommandsNotify(rt::kNotifyStarted, 0, 0);
    pictures::HeapBlock data = pictures::AllocateBlock(3);
    pictures::Picture* record = pictures::MakePicture(pictures::PictureKind::kBmp, 1, 1, std::move(data), 3).release();
    const auto address = reinterpret_cast<uintptr_t>(record);

    const int64_t handle = rt::RuntimeService(rt::kServiceRegisterPicture, address, 0);
    ASSERT_GT(handle, 0);
    EXPECT_EQ(rt::RuntimeService(rt::kServiceRegisterPicture, address, 0), handle) << "registered once";
    EXPECT_EQ(pictures::AcquirePicture(static_cast<int32_t>(handle)).get(), record);
    EXPECT_EQ(rt::RuntimeService(rt::kServiceIsPictureRegistered, static_cast<uintptr_t>(handle), 0), 1);
    EXPECT_EQ(rt::RuntimeService(rt::kServiceUnregisterPicture, static_cast<uintptr_t>(handle), 0), 1);
    EXPECT_EQ(rt::RuntimeService(rt::kServiceIsPictureRegistered, static_cast<uintptr_t>(handle), 0), 0);
    EXPECT_EQ(rt::RuntimeService(rt::kServiceUnregisterPicture, static_cast<uintptr_t>(handle), 0), 0);
    EXPECT_EQ(rt::RuntimeService(rt::kServiceRegisterPicture, 0, 0), 0);
}

}  // namespace
