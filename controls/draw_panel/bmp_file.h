// A device bitmap as the bytes of a BMP file: 24 bits per pixel, uncompressed, rows bottom-up and
// padded to 4 bytes, no colour table.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace rt {

// The bitmap must be selected into no context. Empty when the size is not positive, the file
// would not fit 32 bits, or GDI fails.
std::vector<uint8_t> BmpFileOfBitmap(HBITMAP bitmap, SIZE size);

}  // namespace rt
