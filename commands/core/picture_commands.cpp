#include "commands/core/picture_commands.h"

#include <string>

#include "commands/core/command_args.h"
#include "commands/core/picture_handles.h"
#include "pictures/decoding/picture_decode.h"
#include "pictures/decoding/picture_list.h"

namespace rt {
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
    pictures::OwnedPicture picture = Decode(CommandArgs(argCount, args)[0]);
    if (!picture) return;
    const pictures::Picture* record = picture.get();
    // The list owns the record from here, also when it cannot take it (it frees it then).
    if (!pictures::RegisterPicture(picture.release())) return;
    *result = MakeInt(AddPictureHandle(record));
}

void UnloadPictureCommand(ValueTriple*, int argCount, ValueTriple* args)
{
    std::optional<int32_t> handle = IntegerOf(CommandArgs(argCount, args)[0]);
    if (!handle) return;
    if (const pictures::Picture* picture = RemovePictureHandle(*handle)) pictures::UnregisterPicture(picture);
}

}  // namespace rt
