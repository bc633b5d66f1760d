// Reads JPEG sources through libjpeg's memory source: grey and colour (YCbCr or RGB) files,
// sequential, progressive or arithmetic-coded, as libjpeg decodes them, into 8-bit grey or 24-bit
// pictures. Refuses sources without the start-of-image marker, four-component (CMYK, YCCK) files,
// precisions other than 8 bits, pictures beyond the picture limits or beyond what the data can
// hold, files beyond the decompression limits, and any file for which libjpeg reports an error
// before decoding starts. A libjpeg error while decoding rows fails the read.
#include <cstdint>

#include "pictures/conversion/source_reader.h"
#include "pictures/shared/jpeg_decode_limits.h"
#include "pictures/shared/jpeg_error_jump.h"
#include "pictures/shared/picture_limits.h"

namespace pictures {
namespace {

// Plain C data shared by the open and read steps.
struct JpegDecodeSession {
    jpeg_decompress_struct decompressor;
    JpegErrorJump error;
    JpegDecodeLimits limits;
};

bool ReadHeader(JpegDecodeSession* session, const uint8_t* data, size_t size)
{
    session->decompressor.err = InitJpegErrorJump(session->error);
    if (setjmp(session->error.jump)) {
        return false;
    }
    jpeg_create_decompress(&session->decompressor);
    ApplyJpegDecodeLimits(session->decompressor, session->limits);
    jpeg_mem_src(&session->decompressor, data, static_cast<unsigned long>(size));
    return jpeg_read_header(&session->decompressor, TRUE) == JPEG_HEADER_OK;
}

bool StartDecompress(JpegDecodeSession* session)
{
    if (setjmp(session->error.jump)) {
        return false;
    }
    return jpeg_start_decompress(&session->decompressor);
}

bool ReadRows(JpegDecodeSession* session, uint8_t* firstRow, size_t rowBytes)
{
    if (setjmp(session->error.jump)) {
        return false;
    }
    jpeg_decompress_struct* d = &session->decompressor;
    while (d->output_scanline < d->output_height) {
        JSAMPROW row = firstRow + size_t{d->output_scanline} * rowBytes;
        jpeg_read_scanlines(d, &row, 1);
    }
    jpeg_finish_decompress(d);
    return true;
}

bool StartsWithImageMarker(std::span<const uint8_t> source)
{
    return source.size() >= 2 && source[0] == 0xFF && source[1] == 0xD8;
}

// The default output is the picture's own size; the data must be able to hold it.
bool SizeAcceptable(const jpeg_decompress_struct& d, uint64_t sourceBytes)
{
    return PictureSizeAllowed(d.image_width, d.image_height, kMaxConvertedSide) &&
           DataCanHoldPixels(d.image_width, d.image_height, sourceBytes, kJpegMaxPixelsPerByte);
}

class JpegReader final : public SourceReader {
public:
    ~JpegReader() override { jpeg_destroy_decompress(&session_.decompressor); }

    bool open(std::span<const uint8_t> source) override
    {
        if (!StartsWithImageMarker(source) || !ReadHeader(&session_, source.data(), source.size())) {
            return false;
        }
        const jpeg_decompress_struct& d = session_.decompressor;
        if (!SizeAcceptable(d, source.size()) || !StartDecompress(&session_)) {
            return false;
        }
        bool knownComponents = d.out_color_components == 1 || d.out_color_components == 3;
        return knownComponents && d.output_width != 0 && d.output_height != 0;
    }

    bool read(ConversionImage& image) override
    {
        const jpeg_decompress_struct& d = session_.decompressor;
        unsigned bits = d.out_color_components == 1 ? 8 : 24;
        return image.allocate(d.output_width, d.output_height, bits) &&
               ReadRows(&session_, image.row(0), image.rowBytes());
    }

private:
    JpegDecodeSession session_{};
};

}  // namespace

std::unique_ptr<SourceReader> MakeJpegReader() { return std::make_unique<JpegReader>(); }

}  // namespace pictures
