// JPEG files for the limit tests: small pictures made by libjpeg, then edited into files that
// claim more than they hold or repeat their scans.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pictures::testing {

using JpegBytes = std::vector<uint8_t>;

// A colour picture with smooth gradients: progressive (libjpeg's standard script of ten scans) or
// baseline, with 4:2:0 chroma or full-size chroma.
JpegBytes MakeJpeg(uint32_t width, uint32_t height, bool progressive, bool fullChroma);

// The size in the frame header rewritten; the coded data stays that of the original size.
JpegBytes WithFrameSize(JpegBytes jpeg, uint16_t width, uint16_t height);

// The last scan (its header and data) repeated copies more times before the end-of-image marker.
JpegBytes WithLastScanRepeated(const JpegBytes& jpeg, int copies);

// Comment segments inserted after the start-of-image marker until the file holds at least size bytes.
JpegBytes PaddedWithComments(const JpegBytes& jpeg, size_t size);

}  // namespace pictures::testing
