// The picture files the application works with: the opened picture, the JPEG copy in the
// picture's folder through which a PNG picture (or a resized one) is read, and the current
// picture that is measured and split.
#pragma once

#include <cstdint>
#include <string>

namespace app {

// True when the name ends in "png" (lower case only, as the dialog's filter writes it).
bool IsPngName(const std::string& name);

// The JPEG copy's path, in the picture's folder ("vexlofenge.jpg").
std::string JpegCopyPath();
void DeleteJpegCopy();

// The file to decode for the picture the open dialog names: a PNG picture is read through its
// JPEG copy, made when it is missing; any other name is the file itself.
std::string DecodablePicturePath(const std::string& name);

// The current picture becomes this one; the one it replaces is released.
void ReplaceCurrentPicture(int32_t picture);

}  // namespace app
