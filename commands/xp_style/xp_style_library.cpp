#include "commands/xp_style/xp_style_library.h"

#include <iterator>

#include "commands/control_skin/control_skin.h"
#include "commands/xp_style/set_xp_style.h"

namespace rt::commands {
namespace {

const CommandRoutine kCommands[] = {SetXpStyleCommand};

int64_t Notify(int code, uintptr_t, uintptr_t)
{
    if (code == kNotifyFinishing) {
        SwitchSkinOff();
    }
    return 0;
}

}  // namespace

const LibraryDescription kXpStyleLibrary{
    "xp style", Notify, kCommands, static_cast<uint32_t>(std::size(kCommands)), nullptr, 0,
};

}  // namespace rt::commands
