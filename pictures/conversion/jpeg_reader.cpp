// Reads JPEG files through libjpeg's standard file source: grey and colour (YCbCr or RGB) files,
// sequential, progressive or arithmetic-coded, as libjpeg decodes them, into 8-bit grey or 24-bit
// pictures. Refuses files without the start-of-image marker, four-component (CMYK, YCCK) files,
// precisions other than 8 bits, pictures beyond the picture limits, and any file for which libjpeg
// reports an error before decoding starts. A libjpeg error while decoding rows fails the read.
#include <cstdint>

#include "pictures/conversion/conversion_files.h"
#include "pictures/conversion/jpeg_error.h"
#include "pictures/conversion/picture_limits.h"
#include "pictures/conversion/source_reader.h"

namespace pictures {
namespace {

// Plain C data shared by the open and read steps.
struct JpegDecodeSession {
    jpeg_decompress_struct decompressor;
    JpegErrorJump error;
};

bool ReadHeader(JpegDecodeSession* session, std::FILE* file)
{
    session->decompressor.err = InitJpegErrorJump(session->error);
    if (setjmp(session->error.jump)) {
        return false;
    }
    jpeg_create_decompress(&session->decompressor);
    jpeg_stdio_src(&session->decompressor, file);
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

bool StartsWithImageMarker(std::FILE* file)
{
    unsigned char marker[2];
    bool found = std::fread(marker, 1, 2, file) == 2 && marker[0] == 0xFF && marker[1] == 0xD8;
    return found && std::fseek(file, 0, SEEK_SET) == 0;
}

class JpegReader final : public SourceReader {
public:
    ~JpegReader() override { jpeg_destroy_decompress(&session_.decompressor); }

    bool open(const std::string& path) override
    {
        file_ = OpenFileForReading(path);
        if (!file_ || !StartsWithImageMarker(file_.get()) || !ReadHeader(&session_, file_.get())) {
            return false;
        }
        const jpeg_decompress_struct& d = session_.decompressor;
        if (!WithinPictureLimits(d.image_width, d.image_height) || !StartDecompress(&session_)) {
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
    CFile file_;
    JpegDecodeSession session_{};
};

}  // namespace

std::unique_ptr<SourceReader> MakeJpegReader() { return std::make_unique<JpegReader>(); }

}  // namespace pictures
