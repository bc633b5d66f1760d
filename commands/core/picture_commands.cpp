#include "commands/core/picture_commands.h"

#include <string>

#include "commands/core/command_args.h"
#include "pictures/decoding/picture_decode.h"
#include "pictures/decoding/picture_list.h"

namespace rt::commands {
namespace {

pictures::OwnedPicture Decode(const ValueTriple& source)
{
    if (source.type == kByteSet) {
        const void* byteSet = source.pointer();
        return pictures::DecodePictureBytes(ByteSetData(byteSet), static_cast<std::ptrdiff_t>(ByteSetSize(byteSet)));
    }
    std::string_view path = TextOf(source);
    return path.empty() ? nullptr : pictures::DecodePictureFile(std::string(path));
}

}  // namespace

void LoadPictureCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    *result = MakeInt(0);
    *result = MakeInt(pictures::RegisterPicture(Decode(CommandArgs(argCount, args)[0])));
}

void UnloadPictureCommand(ValueTriple*, int argCount, ValueTriple* args)
{
    std::optional<int32_t> handle = IntegerOf(CommandArgs(argCount, args)[0]);
    if (!handle) return;
    pictures::UnregisterPicture(*handle);
}

}  // namespace rt::commands
