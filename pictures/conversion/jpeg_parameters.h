// The settings of the conversion's JPEG files and how they are put to libjpeg, shared by the file
// writer and the in-memory encoder so that both give the same bytes for the same pixels.
#pragma once

#include <cstdint>
#include <cstdio>

#include <jpeglib.h>

namespace pictures {

struct JpegSettings {
    bool grey = false;      // one grey component instead of colour
    int quality = 75;       // 1 to 100, with baseline-compatible tables
    bool optimise = false;  // optimised Huffman tables
    int smoothing = 0;      // 0 to 100
};

// Sets the compressor's parameters for a width x height picture whose rows come in the given colour
// space (grey, or colour samples in R,G,B or another order libjpeg-turbo reads): the library's
// defaults, then optimised coding and smoothing, then the quality with baseline tables.
void SetJpegParameters(jpeg_compress_struct* compressor, uint32_t width, uint32_t height, J_COLOR_SPACE rows,
                       const JpegSettings& settings);

}  // namespace pictures
