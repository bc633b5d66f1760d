// What a picture header may claim before any pixel memory is taken, for decoding and conversion
// alike. Header dimensions are never trusted: sizes are computed in 64 bits and checked here first,
// and a picture claiming more than its data could hold is refused.
#pragma once

#include <cstdint>

namespace pictures {

// Decoded pictures: the 16-bit limit of the GIF and PCX headers (libjpeg stops JPEG at 65500).
inline constexpr int64_t kMaxDecodedSide = 65535;
// Converted pictures: the JPEG that the conversion writes cannot hold a longer side, so a reader
// refuses such a picture (and a later reader may still take the file) rather than fail the write.
inline constexpr int64_t kMaxConvertedSide = 65500;
// 2^27 pixels: a 12000 x 9000 (108-megapixel) photograph fits, its 24-bit pixels taking 324 MB.
inline constexpr int64_t kMaxPicturePixels = int64_t{1} << 27;

// The most pixels one byte of coded data can stand for in a complete picture.
// JPEG: with Huffman coding every 8x8 block costs at least one bit, its DC code. (An arithmetic-
// coded picture of one flat colour can be smaller; such a file is refused.)
inline constexpr int64_t kJpegMaxPixelsPerByte = 8 * 64;
// GIF: a 12-bit LZW code stands for at most 4096 pixels (4096 / 12 bits, rounded up, per byte).
inline constexpr int64_t kGifMaxPixelsPerByte = (8 * 4096 + 11) / 12;
// PCX: a run of two bytes (count, value) gives at most 63 bytes.
inline constexpr int64_t kPcxMaxRunLength = 63;

// Files that are read into memory whole (GIF and PCX for decoding, every source of the
// conversion); a larger file is refused.
inline constexpr uint64_t kMaxInMemoryFileBytes = uint64_t{1} << 30;

// Width and height from 1 to maxSide and at most kMaxPicturePixels pixels.
constexpr bool PictureSizeAllowed(int64_t width, int64_t height, int64_t maxSide)
{
    return width >= 1 && height >= 1 && width <= maxSide && height <= maxSide && width * height <= kMaxPicturePixels;
}

// Whether codedBytes of data can hold width x height pixels (a size PictureSizeAllowed passed).
constexpr bool DataCanHoldPixels(int64_t width, int64_t height, uint64_t codedBytes, int64_t maxPixelsPerByte)
{
    uint64_t bytesNeeded = static_cast<uint64_t>((width * height + maxPixelsPerByte - 1) / maxPixelsPerByte);
    return codedBytes >= bytesNeeded;
}

}  // namespace pictures
