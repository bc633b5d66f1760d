// The real program's header: its library table lists the eight libraries in their numbers, and
// every command the application calls is reachable at the position it calls it, through the
// helper table's library call.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "commands/core/core_command_table.h"
#include "commands/internet/http_read.h"
#include "commands/internet/internet_library.h"
#include "commands/shell/run_shell_verb.h"
#include "commands/shell/shell_library.h"
#include "commands/extra_functions/extra_functions_library.h"
#include "commands/thread/start_thread.h"
#include "commands/thread/thread_library.h"
#include "commands/xp_style/set_xp_style.h"
#include "commands/xp_style/xp_style_library.h"
#include "controls/html_viewer/html_view_library.h"
#include "controls/core_library/core_library.h"
#include "data/program_libraries.h"
#include "pictures/conversion/conversion_library.h"
#include "pictures/conversion/convert_to_jpeg.h"
#include "runtime/helper_table.h"
#include "runtime/start_runtime.h"

namespace {

const rt::ProgramHeader& header = rt::kProgramHeader;

rt::CommandRoutine CommandAt(uint32_t library, uint32_t position)
{
    if (library >= header.libraryCount || position >= header.libraries[library]->commandCount) {
        return nullptr;
    }
    return header.libraries[library]->commands[position];
}

rt::ValueTriple CallAt(uint32_t library, uint32_t position, std::vector<rt::ValueTriple> args)
{
    rt::CommandRoutine routine = CommandAt(library, position);
    if (!routine) {
        ADD_FAILURE() << "no command " << position << " in library " << library;
        return {};
    }
    return rt::Helpers().callLibraryCommand(static_cast<int>(library), routine, static_cast<int>(args.size()),
                                            args.data());
}

TEST(ProgramHeader, ListsTheEightLibrariesInTheirNumbers)
{
    ASSERT_EQ(header.libraryCount, 8u);
    ASSERT_NE(header.libraries, nullptr);
    const rt::LibraryDescription* expected[] = {
        &rt::units::kCoreLibrary,           &rt::commands::kThreadLibrary,
        &pictures::kImageConversionLibrary, &rt::commands::kXpStyleLibrary,
        &rt::commands::kShellLibrary,       &rt::units::kHtmlViewLibrary,
        &rt::commands::kInternetLibrary,    &rt::commands::kExtraFunctionsLibrary,
    };
    for (uint32_t i = 0; i < header.libraryCount; ++i) {
        EXPECT_EQ(header.libraries[i], expected[i]) << "library " << i << " is " << header.libraries[i]->name;
    }
    EXPECT_EQ(header.libraries[data::kExtraFunctionsLibraryNumber]->commandCount, 0u);
    EXPECT_EQ(header.libraries[data::kHtmlViewLibraryNumber]->unitKindCount, 1u);
}

TEST(ProgramHeader, EachCommandTheApplicationCallsIsAtItsPosition)
{
    EXPECT_EQ(CommandAt(data::kThreadLibraryNumber, data::kStartThreadPosition), rt::commands::StartThreadCommand);
    EXPECT_EQ(CommandAt(data::kImageConversionLibraryNumber, data::kConvertToJpegPosition),
              pictures::ConvertToJpegCommand);
    EXPECT_EQ(CommandAt(data::kXpStyleLibraryNumber, data::kSetXpStylePosition), rt::commands::SetXpStyleCommand);
    EXPECT_EQ(CommandAt(data::kShellLibraryNumber, data::kRunShellVerbPosition), rt::commands::RunShellVerbCommand);
    EXPECT_EQ(CommandAt(data::kInternetLibraryNumber, data::kHttpReadPosition), rt::commands::HttpReadCommand);

    const rt::LibraryDescription* core = header.libraries[data::kCoreLibraryNumber];
    ASSERT_EQ(core->commandCount, static_cast<uint32_t>(rt::commands::kCoreCommandCount));
    for (int i = 0; i < rt::commands::kCoreCommandCount; ++i) {
        EXPECT_EQ(core->commands[i], rt::commands::CoreCommandRoutine(static_cast<rt::commands::CoreCommand>(i)))
            << "core command " << i;
    }
}

HANDLE subRan = nullptr;
int32_t SignalRan(int32_t parameter)
{
    SetEvent(subRan);
    return parameter;
}

TEST(ProgramHeader, TheCommandsAnswerThroughTheTable)
{
    subRan = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    rt::ValueTriple sub = rt::MakePointerValue(reinterpret_cast<const void*>(&SignalRan), rt::kSubPtr);
    EXPECT_EQ(CallAt(data::kThreadLibraryNumber, data::kStartThreadPosition, {sub}).low, 1u);
    EXPECT_EQ(WaitForSingleObject(subRan, 10000), WAIT_OBJECT_0);
    CloseHandle(subRan);

    rt::ValueTriple converted = CallAt(data::kImageConversionLibraryNumber, data::kConvertToJpegPosition, {});
    EXPECT_EQ(converted.type, rt::kInt);
    EXPECT_EQ(static_cast<int32_t>(converted.low), pictures::kBadArguments);

    EXPECT_EQ(CallAt(data::kXpStyleLibraryNumber, data::kSetXpStylePosition, {rt::MakeInt(3)}).low, 1u);
    EXPECT_NE(CallAt(data::kXpStyleLibraryNumber, data::kSetXpStylePosition, {rt::MakeInt(0)}).low, 0u);

    rt::ValueTriple body = CallAt(data::kInternetLibraryNumber, data::kHttpReadPosition, {rt::MakeText("")});
    EXPECT_EQ(body.type, rt::kByteSet);
    EXPECT_EQ(body.pointer(), nullptr);
}

}  // namespace
