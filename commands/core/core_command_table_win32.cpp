#include "commands/core/core_command_table.h"

#include "commands/core/command_slots.h"
#include "commands/core/conversion_commands.h"
#include "commands/core/file_commands.h"
#include "commands/core/number_commands.h"
#include "commands/core/open_files.h"
#include "commands/core/picture_commands.h"
#include "commands/core/text_commands.h"
#include "commands/core/window_commands.h"
#include "pictures/decoding/picture_list.h"
#include "pictures/decoding/picture_render.h"
#include "runtime/runtime_service.h"
#include "runtime/shutdown.h"

namespace rt::commands {
namespace {

constexpr CommandRoutine kTable[kCoreCommandCount] = {
    ForwardCommand<CoreCommand::kOpenLink>,
    ForwardCommand<CoreCommand::kClear>,
    DeleteFileCommand,
    RunDirectoryCommand,
    FileExistsCommand,
    WriteFileCommand,
    ToTextCommand,
    SplitTextCommand,
    LoadWindowCommand,
    DestroyWindowCommand,
    ScreenWidthCommand,
    ScreenHeightCommand,
    RightTextCommand,
    ReadFileCommand,
    LoadPictureCommand,
    ToNumberCommand,
    ForwardCommand<CoreCommand::kDrawPicture>,
    ForwardCommand<CoreCommand::kGetPictureData>,
    ForwardCommand<CoreCommand::kPictureWidth>,
    ForwardCommand<CoreCommand::kPictureHeight>,
    ForwardCommand<CoreCommand::kShow>,
    FindTextReverseCommand,
    LeftTextCommand,
    ToByteSetCommand,
    OpenFileCommand,
    WriteTextToFileCommand,
    ProcessEventsCommand,
    SleepCommand,
    MessageBoxCommand,
    UnloadPictureCommand,
    IntegerPartCommand,
    AbsoluteValueCommand,
    ForwardCommand<CoreCommand::kCopy>,
    ForwardCommand<CoreCommand::kRaiseFeedback>,
    ForwardCommand<CoreCommand::kDrawLine>,
    CloseFileCommand,
};

// The live picture list's services for units and libraries: registering a record (taking it over;
// a record already in the list keeps its handle) gives its handle, unregistering and testing take
// a handle and answer 1 or 0.
int64_t RegisterPictureService(uintptr_t record, uintptr_t)
{
    auto* picture = reinterpret_cast<pictures::Picture*>(record);
    if (int32_t handle = pictures::HandleOfRegisteredPicture(picture)) return handle;
    return pictures::RegisterPicture(pictures::OwnedPicture(picture));
}

int64_t UnregisterPictureService(uintptr_t handle, uintptr_t)
{
    return pictures::UnregisterPicture(static_cast<int32_t>(handle)) ? 1 : 0;
}

int64_t IsPictureRegisteredService(uintptr_t handle, uintptr_t)
{
    return pictures::IsPictureRegistered(static_cast<int32_t>(handle)) ? 1 : 0;
}

}  // namespace

int64_t CoreCommandsNotify(int code, uintptr_t, uintptr_t)
{
    if (code == kNotifyStarted) {
        SetPictureTeardown(pictures::ReleaseAllPictures);
        SetServiceHandler(kServicePictureToBitmap, pictures::PictureToBitmapService);
        SetServiceHandler(kServiceRegisterPicture, RegisterPictureService);
        SetServiceHandler(kServiceUnregisterPicture, UnregisterPictureService);
        SetServiceHandler(kServiceIsPictureRegistered, IsPictureRegisteredService);
    }
    if (code == kNotifyFinishing) {
        CloseAllOpenFiles();
    }
    return 0;
}

const CommandRoutine* CoreCommandTable() { return kTable; }

CommandRoutine CoreCommandRoutine(CoreCommand command)
{
    int index = static_cast<int>(command);
    return index >= 0 && index < kCoreCommandCount ? kTable[index] : nullptr;
}

}  // namespace rt::commands
