#include "pictures/decoding/picture_list.h"

#include <algorithm>
#include <mutex>
#include <new>
#include <vector>

namespace pictures {
namespace {

struct PictureList {
    std::mutex lock;
    std::vector<std::shared_ptr<Picture>> pictures;

    auto Find(const Picture* handle)
    {
        return std::find_if(pictures.begin(), pictures.end(),
                            [handle](const std::shared_ptr<Picture>& p) { return p.get() == handle; });
    }
};

// Never destroyed: pictures may be let go during static destruction, after the list would be gone.
PictureList& List()
{
    static PictureList* list = new PictureList;
    return *list;
}

}  // namespace

bool RegisterPicture(Picture* picture)
{
    if (!picture) return false;
    PictureList& list = List();
    std::lock_guard guard(list.lock);
    if (list.Find(picture) != list.pictures.end()) return true;
    try {
        // Should either allocation fail, the shared pointer frees the record.
        list.pictures.push_back(std::shared_ptr<Picture>(picture, PictureDeleter{}));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool UnregisterPicture(const Picture* handle)
{
    std::shared_ptr<Picture> removed;
    PictureList& list = List();
    {
        std::lock_guard guard(list.lock);
        auto it = list.Find(handle);
        if (it == list.pictures.end()) return false;
        removed = std::move(*it);
        list.pictures.erase(it);
    }
    // Freed here, outside the lock, unless a drawer still holds it.
    return true;
}

bool IsPictureRegistered(const Picture* handle)
{
    PictureList& list = List();
    std::lock_guard guard(list.lock);
    return list.Find(handle) != list.pictures.end();
}

PictureRef AcquirePicture(const Picture* handle)
{
    PictureList& list = List();
    std::lock_guard guard(list.lock);
    auto it = list.Find(handle);
    return it == list.pictures.end() ? nullptr : *it;
}

void ReleaseAllPictures()
{
    std::vector<std::shared_ptr<Picture>> released;
    PictureList& list = List();
    {
        std::lock_guard guard(list.lock);
        released.swap(list.pictures);
    }
}

}  // namespace pictures
