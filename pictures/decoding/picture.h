// The decoded picture record that picture handles name, and the owner types used while one is built.
#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>

#ifdef _WIN32
struct HICON__;
#endif

namespace pictures {

#ifdef _WIN32
using IconHandle = HICON__*;
#else
// The native build has no icons; icon_platform_native.cpp stands in for them.
struct NativeIcon;
using IconHandle = NativeIcon*;
#endif

enum class PictureKind : int32_t {
    kNone = 0,  // only while a record is torn down
    kJpeg = 1,
    kBmp = 2,
    kIcon = 3,
    kCursor = 4,
    kGif = 5,
    kPcx8 = 6,
    kPcxMono = 7,
};

// Data block by kind: 1 and 2 B,G,R rows bottom-up without padding; 3 and 4 none (icon); 5 and 6 a
// packed 8-bit DIB (rows top-down); 7 one bit per pixel, rows top-down, padded to 2 bytes.
struct Picture {
    PictureKind kind;
    int32_t width;
    int32_t height;
    IconHandle icon;
    uint8_t* data;
    uint32_t dataSize;
};

// Zeroes the fields, destroys the icon, frees the data and the record. Null is ignored.
void FreePicture(Picture* picture);

struct PictureDeleter {
    void operator()(Picture* picture) const { FreePicture(picture); }
};
using OwnedPicture = std::unique_ptr<Picture, PictureDeleter>;

// A block of the runtime heap, as a picture's data block is.
struct HeapBlockDeleter {
    void operator()(uint8_t* block) const;
};
using HeapBlock = std::unique_ptr<uint8_t[], HeapBlockDeleter>;

// A zero-filled block; null when the size does not fit a data block or memory runs out.
HeapBlock AllocateBlock(uint64_t size);

void DestroyIconHandle(IconHandle icon);
struct IconDeleter {
    void operator()(IconHandle icon) const { DestroyIconHandle(icon); }
};
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<IconHandle>, IconDeleter>;

// A record holding a data block; null when the record cannot be allocated.
OwnedPicture MakePicture(PictureKind kind, int32_t width, int32_t height, HeapBlock data, uint32_t dataSize);
// A record holding an icon (kinds 3 and 4).
OwnedPicture MakeIconPicture(PictureKind kind, int32_t width, int32_t height, OwnedIcon icon);

}  // namespace pictures
