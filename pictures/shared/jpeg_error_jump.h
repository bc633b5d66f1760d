// libjpeg's error handling for both picture libraries: the error exit jumps back to the setjmp of
// the small C-style function that called the library, and warnings and messages are dropped (a
// truncated file still decodes, with a warning nobody reads). Such a function owns no C++ objects
// with destructors, so the jump skips none; the C++ work happens outside it.
#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace pictures {

struct JpegErrorJump {
    jpeg_error_mgr manager;  // first, so libjpeg's error pointer is also ours
    std::jmp_buf jump;
};

// Fills the manager and returns it for the err field of a compressor or decompressor, which is
// set before the compressor or decompressor is created.
jpeg_error_mgr* InitJpegErrorJump(JpegErrorJump& error);

}  // namespace pictures
