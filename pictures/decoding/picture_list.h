// The live picture list: the pictures handed out as picture handles. A handle is a small number
// that names the list's own shared record (an address would not fit the 32-bit integer that
// application code keeps it in, and could name a newer picture after an unload and a reload at
// the same address). Worker threads load and unload pictures while the window thread draws them,
// so a drawer holds a picture through a shared reference: a picture unloaded while it is being
// drawn is freed when the drawing lets go of it, not under it.
#pragma once

#include <cstdint>
#include <memory>

#include "pictures/decoding/picture.h"

namespace pictures {

// Takes the picture into the list and gives its handle (1 or more); 0 for no picture, or when
// the list cannot grow (the picture is then freed).
int32_t RegisterPicture(OwnedPicture picture);

// The handle of a record that the list already owns, or 0.
int32_t HandleOfRegisteredPicture(const Picture* picture);

// Removes the picture from the list; it is freed once no drawer holds it. False for a handle that
// is not in the list.
bool UnregisterPicture(int32_t handle);

bool IsPictureRegistered(int32_t handle);

// A hold on a registered picture, valid while it is kept even if the picture is unloaded
// meanwhile; null for a handle that is not in the list. Validate and use through this.
using PictureRef = std::shared_ptr<const Picture>;
PictureRef AcquirePicture(int32_t handle);

// Empties the list at shut-down; pictures still held are freed when they are let go.
void ReleaseAllPictures();

}  // namespace pictures
