#include "commands/internet/internet_library.h"

#include <iterator>

#include "commands/internet/http_read.h"
#include "commands/internet/internet_state.h"

namespace rt::commands {
namespace {

const CommandRoutine kCommands[] = {HttpReadCommand};

int64_t Notify(int code, uintptr_t, uintptr_t)
{
    if (code == kNotifyFinishing) {
        Internet().Close();
    }
    return 0;
}

}  // namespace

const LibraryDescription kInternetLibrary{
    "internet", Notify, kCommands, static_cast<uint32_t>(std::size(kCommands)), nullptr, 0,
};

}  // namespace rt::commands
