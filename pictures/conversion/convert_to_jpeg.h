// The image conversion library's command: a picture file rewritten as a baseline JPEG file.
#pragma once

#include <cstdint>

#include "runtime/values.h"

namespace pictures {

enum ConversionResult : int32_t {
    kConverted = 1,          // the destination was written
    kSourceMissing = -1,     // the source file does not exist
    kSourceUnreadable = -3,  // no reader accepted the source, or the accepting reader failed
    kWriteFailed = -4,       // the JPEG could not be written; the destination is as it was
    kBadArguments = -7,      // a missing file name, quality outside 1..100, smoothing outside 0..100
};

// Source and destination are GBK paths (null is the empty text) and may name the same file.
int32_t ConvertToJpeg(const char* source, const char* destination, bool grey, int32_t quality, bool optimise,
                      int32_t smoothing);

// The command routine: arguments source text, destination text, grey logical, quality integer,
// optimise logical, smoothing integer; missing arguments count as omitted, an argument of another
// type as missing (a real in an integer slot is truncated). The result is an Int.
void ConvertToJpegCommand(rt::ValueTriple* result, int argCount, rt::ValueTriple* args);

}  // namespace pictures
