// Picture handles: the small integers that LoadPicture hands out for pictures in the live picture
// list. A record's address does not fit the 32-bit integer result in the 64-bit build, so the
// handle names the record through this table. Drawing and measuring code turns a handle into the
// record here and then holds it through pictures::AcquirePicture.
#pragma once

#include <cstdint>

#include "pictures/decoding/picture.h"

namespace rt {

// A new handle (1 or more) for a picture already in the live list.
int32_t AddPictureHandle(const pictures::Picture* picture);
// The picture a handle names, or null for 0 and for handles not handed out or already unloaded.
const pictures::Picture* PictureFromHandle(int32_t handle);
// Forgets the handle; the picture it named, or null.
const pictures::Picture* RemovePictureHandle(int32_t handle);
// Forgets every handle (at shut-down; the live list frees the pictures).
void ClearPictureHandles();

}  // namespace rt
