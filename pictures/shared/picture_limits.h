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
// PNG: deflate's longest match, 258 bytes, costs at least two bits: at most 1032 bytes of rows
// (filter bytes included) per byte of the file.
inline constexpr int64_t kPngMaxRowBytesPerByte = 258 * 8 / 2;
// TIFF: the most pixels, and the most bytes libtiff decodes, per byte of the file. Every
// compression libtiff offers stays below this for colour and grey pictures (LZW reaches about
// 2730 bytes per byte, deflate 1032, JPEG 512); only nearly blank bilevel pages, coded as fax or
// LZW, can do better, and those are refused.
inline constexpr int64_t kTiffMaxExpansion = 4096;

// Files that are read into memory whole (GIF and PCX for decoding, every source of the
// conversion); a larger file is refused.
inline constexpr uint64_t kMaxInMemoryFileBytes = uint64_t{1} << 30;

// Width and height from 1 to maxSide and at most kMaxPicturePixels pixels.
constexpr bool PictureSizeAllowed(int64_t width, int64_t height, int64_t maxSide)
{
    return width >= 1 && height >= 1 && width <= maxSide && height <= maxSide && width * height <= kMaxPicturePixels;
}

// Whether codedBytes of data can hold units (pixels or decoded bytes) at most unitsPerByte of
// them per byte. Units must be below 2^62.
constexpr bool DataCanHold(uint64_t units, uint64_t codedBytes, int64_t unitsPerByte)
{
    uint64_t perByte = static_cast<uint64_t>(unitsPerByte);
    return codedBytes >= (units + perByte - 1) / perByte;
}

// Whether codedBytes of data can hold width x height pixels (a size PictureSizeAllowed passed).
constexpr bool DataCanHoldPixels(int64_t width, int64_t height, uint64_t codedBytes, int64_t maxPixelsPerByte)
{
    return DataCanHold(static_cast<uint64_t>(width * height), codedBytes, maxPixelsPerByte);
}

}  // namespace pictures
