// What one JPEG decompression may cost, whatever its file claims. The pixels are already bounded
// by the data (picture_limits.h); these bound the rest. A progressive file can repeat scans that
// cost a few bytes each but make libjpeg visit every block of the picture again, and libjpeg keeps
// the coefficients of a whole multi-scan picture in memory.
#pragma once

#include <cstdio>

#include <jpeglib.h>

namespace pictures {

// Scans of one file. Progressive encoders write about ten (libjpeg's default script) and rarely
// more than a few dozen.
inline constexpr int kJpegMaxScans = 256;
// libjpeg's own buffers. The coefficient buffers of a multi-scan picture take 2 bytes per sample:
// 324 MB for a 12000 x 9000 photograph with 4:2:0 chroma, 648 MB with full-size chroma. The
// first fits; a multi-scan picture of more than about 89 million pixels at 4:4:4 is refused.
inline constexpr long kJpegMaxLibraryMemory = 512L * 1024 * 1024;

// Plain C data that must live as long as the decompressor it was applied to.
struct JpegDecodeLimits {
    jpeg_progress_mgr progress;
};

// After jpeg_create_decompress: a file of more than kJpegMaxScans scans, or one whose buffers
// would pass kJpegMaxLibraryMemory, ends in libjpeg's error exit.
void ApplyJpegDecodeLimits(jpeg_decompress_struct& info, JpegDecodeLimits& limits);

}  // namespace pictures
