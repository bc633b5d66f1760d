#include "commands/core/picture_handles.h"

#include "commands/core/numbered_table.h"

namespace rt {
namespace {

NumberedTable<const pictures::Picture*>& Handles()
{
    static NumberedTable<const pictures::Picture*> handles;
    return handles;
}

}  // namespace

int32_t AddPictureHandle(const pictures::Picture* picture) { return Handles().Add(picture); }

const pictures::Picture* PictureFromHandle(int32_t handle) { return Handles().Find(handle).value_or(nullptr); }

const pictures::Picture* RemovePictureHandle(int32_t handle) { return Handles().Remove(handle).value_or(nullptr); }

void ClearPictureHandles() { Handles().Clear(); }

}  // namespace rt
