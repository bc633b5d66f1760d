#include "pictures/decoding/picture_list.h"

#include <new>

#include "runtime/numbered_table.h"

namespace pictures {
namespace {

using PictureTable = rt::NumberedTable<std::shared_ptr<const Picture>>;

// Never destroyed: pictures may be let go during static destruction, after the list would be gone.
PictureTable& List()
{
    static PictureTable* list = new PictureTable;
    return *list;
}

}  // namespace

int32_t RegisterPicture(OwnedPicture picture)
{
    if (!picture) return 0;
    try {
        // Should either allocation fail, the shared pointer frees the record.
        return List().Add(std::shared_ptr<const Picture>(picture.release(), PictureDeleter{}));
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

int32_t HandleOfRegisteredPicture(const Picture* picture)
{
    if (!picture) return 0;
    return List()
        .FindNumber([picture](const std::shared_ptr<const Picture>& held) { return held.get() == picture; })
        .value_or(0);
}

bool UnregisterPicture(int32_t handle)
{
    // Freed here, outside the list's lock, unless a drawer still holds it.
    return List().Remove(handle).has_value();
}

bool IsPictureRegistered(int32_t handle) { return List().Find(handle).has_value(); }

PictureRef AcquirePicture(int32_t handle) { return List().Find(handle).value_or(nullptr); }

void ReleaseAllPictures() { List().Clear(); }

}  // namespace pictures
