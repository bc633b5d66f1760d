// Reads JPEG (kind 1) through libjpeg: baseline, progressive and arithmetic-coded 8-bit pictures
// with one (grey) or three (YCbCr or RGB) components. Refuses four-component (CMYK, YCCK) and other
// component counts, 12-bit samples, pictures beyond the size limits or beyond what the data can
// hold, and files beyond the decompression limits (too many scans, too much of libjpeg's memory).
// A truncated file still decodes: its missing part is filled by the decompressor.
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

#include "pictures/decoding/format_decoders.h"
#include "pictures/shared/jpeg_decode_limits.h"
#include "pictures/shared/jpeg_error_jump.h"
#include "pictures/shared/picture_limits.h"
#include "runtime/memory.h"

namespace pictures {
namespace {

constexpr size_t kSourcePieceBytes = 4096;
const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

struct JpegSource {
    jpeg_source_mgr manager;
    rt::ByteStream* stream;
    JOCTET piece[kSourcePieceBytes];
};

// Everything one decode needs, in plain C structs: the decompression below may longjmp out of any
// libjpeg call, so nothing with a destructor may live in it.
struct JpegDecode {
    jpeg_decompress_struct info;
    JpegErrorJump errors;
    JpegDecodeLimits limits;
    JpegSource source;
    uint8_t* pixels;  // B,G,R rows bottom-up; the caller frees it whatever the outcome
    uint32_t width;
    uint32_t height;
};

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

// Pulls the next piece from the stream; at its end supplies an end-of-image marker so that a
// truncated file still decodes.
boolean FillSource(j_decompress_ptr info)
{
    auto* source = reinterpret_cast<JpegSource*>(info->src);
    size_t got = 0;
    bool failed = false;
    try {
        got = source->stream->read(source->piece, kSourcePieceBytes);
    } catch (...) {
        failed = true;
    }
    if (failed) ERREXIT(info, JERR_FILE_READ);
    if (got == 0) {
        source->manager.next_input_byte = kEndOfImage;
        source->manager.bytes_in_buffer = sizeof kEndOfImage;
    } else {
        source->manager.next_input_byte = source->piece;
        source->manager.bytes_in_buffer = got;
    }
    return TRUE;
}

void SkipSource(j_decompress_ptr info, long count)
{
    jpeg_source_mgr* manager = info->src;
    while (count > 0 && static_cast<size_t>(count) > manager->bytes_in_buffer) {
        count -= static_cast<long>(manager->bytes_in_buffer);
        FillSource(info);
    }
    if (count > 0) {
        manager->next_input_byte += count;
        manager->bytes_in_buffer -= static_cast<size_t>(count);
    }
}

void AttachSource(JpegDecode& d, rt::ByteStream& stream)
{
    d.source.stream = &stream;
    jpeg_source_mgr& m = d.source.manager;
    m.init_source = InitSource;
    m.fill_input_buffer = FillSource;
    m.skip_input_data = SkipSource;
    m.resync_to_restart = jpeg_resync_to_restart;
    m.term_source = TermSource;
    m.next_input_byte = nullptr;
    m.bytes_in_buffer = 0;
    d.info.src = &m;
}

bool OutputAcceptable(const jpeg_decompress_struct& info, uint64_t streamBytes)
{
    if (info.out_color_components != 3) return false;
    if (!PictureSizeAllowed(info.output_width, info.output_height, kMaxDecodedSide)) return false;
    return DataCanHoldPixels(info.output_width, info.output_height, streamBytes, kJpegMaxPixelsPerByte);
}

// Grey and colour pictures are both decoded straight to B,G,R samples: libjpeg-turbo converts
// while it writes, so no second pass over the pixels is needed.
bool ChooseBgrOutput(jpeg_decompress_struct& info)
{
    if (info.num_components != 1 && info.num_components != 3) {
        return false;
    }
    info.out_color_space = JCS_EXT_BGR;
    return true;
}

// Reads the scanlines straight into their rows of the bottom-up block (top-down line y is row
// height-1-y), as many at a time as the decompressor offers.
bool ReadScanlines(JpegDecode& d)
{
    constexpr JDIMENSION kRowsAtOnce = 16;
    JSAMPROW rows[kRowsAtOnce];
    size_t stride = static_cast<size_t>(d.width) * 3;
    while (d.info.output_scanline < d.height) {
        JDIMENSION first = d.info.output_scanline;
        JDIMENSION count = std::min(kRowsAtOnce, d.height - first);
        for (JDIMENSION i = 0; i < count; ++i) {
            rows[i] = d.pixels + (d.height - 1 - (first + i)) * stride;
        }
        if (jpeg_read_scanlines(&d.info, rows, count) == 0) {
            return false;
        }
    }
    return true;
}

// The one function that holds the setjmp: it owns nothing with a destructor. True when d.pixels
// holds the whole picture.
bool Decompress(JpegDecode& d, rt::ByteStream& stream)
{
    d.info.err = InitJpegErrorJump(d.errors);
    if (setjmp(d.errors.jump)) return false;

    jpeg_create_decompress(&d.info);
    ApplyJpegDecodeLimits(d.info, d.limits);
    AttachSource(d, stream);
    jpeg_read_header(&d.info, TRUE);
    if (!ChooseBgrOutput(d.info)) return false;
    jpeg_calc_output_dimensions(&d.info);
    if (!OutputAcceptable(d.info, stream.size())) return false;
    // A multi-scan file is read whole here, within the limits, before the pixels are allocated.
    jpeg_start_decompress(&d.info);
    d.width = d.info.output_width;
    d.height = d.info.output_height;
    d.pixels = static_cast<uint8_t*>(rt::TryAllocMem(static_cast<size_t>(d.width) * d.height * 3));
    if (!d.pixels) return false;
    if (!ReadScanlines(d)) return false;
    jpeg_finish_decompress(&d.info);
    return true;
}

}  // namespace

OwnedPicture DecodeJpeg(rt::ByteStream& stream)
{
    JpegDecode d;
    std::memset(&d, 0, sizeof d);
    bool decoded = Decompress(d, stream);
    jpeg_destroy_decompress(&d.info);
    uint32_t size = d.width * d.height * 3;
    HeapBlock pixels(d.pixels);
    if (!decoded) return nullptr;
    return MakePicture(PictureKind::kJpeg, static_cast<int32_t>(d.width), static_cast<int32_t>(d.height),
                       std::move(pixels), size);
}

}  // namespace pictures
