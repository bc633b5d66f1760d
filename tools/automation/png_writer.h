// Writes an Image as a PNG file.
#pragma once

#include <string>

#include "tools/automation/image.h"

namespace automation {

// True when the whole file was written; a failed write leaves no file behind.
bool WritePng(const std::wstring& path, const Image& image);

}  // namespace automation
