#include "commands/core/core_library.h"

#include "commands/core/command_slots.h"
#include "commands/core/conversion_commands.h"
#include "commands/core/file_commands.h"
#include "commands/core/number_commands.h"
#include "commands/core/open_files.h"
#include "commands/core/picture_commands.h"
#include "commands/core/picture_handles.h"
#include "commands/core/text_commands.h"
#include "commands/core/window_commands.h"
#include "pictures/decoding/picture_list.h"
#include "pictures/decoding/picture_render.h"
#include "runtime/runtime_service.h"
#include "runtime/shutdown.h"

namespace rt {
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

}  // namespace

int64_t CoreCommandsNotify(int code, uintptr_t, uintptr_t)
{
    if (code == kNotifyStarted) {
        SetPictureTeardown(pictures::ReleaseAllPictures);
        SetServiceHandler(kServicePictureToBitmap, pictures::PictureToBitmapService);
    }
    if (code == kNotifyFinishing) {
        CloseAllOpenFiles();
        ClearPictureHandles();
    }
    return 0;
}

const CommandRoutine* CoreCommandTable() { return kTable; }

CommandRoutine CoreCommandRoutine(CoreCommand command)
{
    int index = static_cast<int>(command);
    return index >= 0 && index < kCoreCommandCount ? kTable[index] : nullptr;
}

}  // namespace rt
