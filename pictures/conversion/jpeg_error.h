// libjpeg's error handling for the conversion: the error exit jumps back to the setjmp of the
// small C-style function that called the library, and messages are discarded. Such functions
// own no C++ objects with destructors, so the jump skips none.
#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace pictures {

struct JpegErrorJump {
    jpeg_error_mgr manager;  // first, so libjpeg's error pointer is also ours
    std::jmp_buf jump;
};

// Fills the manager and returns it for the err field of a compressor or decompressor.
jpeg_error_mgr* InitJpegErrorJump(JpegErrorJump& error);

}  // namespace pictures
