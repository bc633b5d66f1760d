// The live picture list: the pictures handed out as picture handles (a handle is the record's
// address). Worker threads load and unload pictures while the window thread draws them, so every
// operation takes the list's lock, and a drawer holds a picture through a shared reference: a
// picture unloaded while it is being drawn is freed when the drawing lets go of it, not under it.
#pragma once

#include <memory>

#include "pictures/decoding/picture.h"

namespace pictures {

// Takes ownership of the record and appends it. A record already in the list stays as it is.
// False when the list cannot grow; the record has then been freed.
bool RegisterPicture(Picture* picture);

// Removes the picture from the list; it is freed once no drawer holds it. False (and nothing freed)
// for a handle that is not in the list.
bool UnregisterPicture(const Picture* handle);

bool IsPictureRegistered(const Picture* handle);

// A hold on a registered picture, valid while it is kept even if the picture is unloaded
// meanwhile; null for a handle that is not in the list. Validate and use through this.
using PictureRef = std::shared_ptr<const Picture>;
PictureRef AcquirePicture(const Picture* handle);

// Empties the list at shut-down; pictures still held are freed when they are let go.
void ReleaseAllPictures();

}  // namespace pictures
