// A libjpeg memory manager that keeps its memory from one picture to the next. libjpeg's own
// frees a picture's memory when the picture is done, and a compressor making optimised tables
// holds a whole picture of coefficients: under Wine each such block comes as fresh pages from
// the system, which made the split's encodes a tenth to a fifth slower. This one hands out the
// blocks of the last picture again, so a compressor that makes many pictures of one size asks the
// system for memory once.
//
// Every virtual array lives wholly in memory (there is no backing store), so it suits pictures
// whose working memory fits in memory, as the split's pieces do.
#pragma once

#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

namespace pictures {

struct KeptJpegMemory;

// A manager for one libjpeg object, made with the object's first use of it; null when there is
// no memory for it. Freed, with all its blocks, when the object is destroyed.
KeptJpegMemory* NewKeptJpegMemory();

// Puts the manager in place of the one jpeg_create_compress has just made, which is released;
// the compressor must not have allocated anything yet.
void UseKeptJpegMemory(j_common_ptr object, KeptJpegMemory* memory);

// Bytes of system memory the manager holds now.
size_t KeptJpegMemoryBytes(const KeptJpegMemory* memory);

}  // namespace pictures
