#include "pictures/decoding/picture.h"

#include <cstring>

#include "runtime/memory.h"

namespace pictures {
namespace {

OwnedPicture AllocateRecord(PictureKind kind, int32_t width, int32_t height)
{
    auto* picture = static_cast<Picture*>(rt::TryAllocMem(sizeof(Picture)));
    if (!picture) return nullptr;
    *picture = Picture{kind, width, height, nullptr, nullptr, 0};
    return OwnedPicture(picture);
}

}  // namespace

void HeapBlockDeleter::operator()(uint8_t* block) const { rt::FreeMem(block); }

HeapBlock AllocateBlock(uint64_t size)
{
    // The record keeps the size in 32 bits.
    if (size == 0 || size > UINT32_MAX || size > SIZE_MAX) return nullptr;
    auto* block = static_cast<uint8_t*>(rt::TryAllocMem(static_cast<size_t>(size)));
    if (block) std::memset(block, 0, static_cast<size_t>(size));
    return HeapBlock(block);
}

OwnedPicture MakePicture(PictureKind kind, int32_t width, int32_t height, HeapBlock data, uint32_t dataSize)
{
    OwnedPicture picture = AllocateRecord(kind, width, height);
    if (!picture) return nullptr;
    picture->data = data.release();
    picture->dataSize = dataSize;
    return picture;
}

OwnedPicture MakeIconPicture(PictureKind kind, int32_t width, int32_t height, OwnedIcon icon)
{
    OwnedPicture picture = AllocateRecord(kind, width, height);
    if (!picture) return nullptr;
    picture->icon = icon.release();
    return picture;
}

void FreePicture(Picture* picture)
{
    if (!picture) return;
    picture->kind = PictureKind::kNone;
    picture->width = 0;
    picture->height = 0;
    picture->dataSize = 0;
    if (picture->icon) DestroyIconHandle(picture->icon);
    picture->icon = nullptr;
    rt::FreeMem(picture->data);
    picture->data = nullptr;
    rt::FreeMem(picture);
}

}  // namespace pictures
