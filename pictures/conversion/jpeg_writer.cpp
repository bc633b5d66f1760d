#include "pictures/conversion/jpeg_writer.h"

#include <cstdint>

#include "pictures/conversion/depth_conversion.h"
#include "pictures/conversion/replacement_file.h"
#include "pictures/shared/jpeg_error_jump.h"

namespace pictures {
namespace {

// Plain C data for the encoding function.
struct JpegEncodeSession {
    jpeg_compress_struct compressor;
    JpegErrorJump error;
};

bool Encode(JpegEncodeSession* session, std::FILE* file, const ConversionImage* image, const JpegSettings* settings)
{
    jpeg_compress_struct* c = &session->compressor;
    c->err = InitJpegErrorJump(session->error);
    if (setjmp(session->error.jump)) {
        return false;
    }
    jpeg_create_compress(c);
    jpeg_stdio_dest(c, file);
    SetJpegParameters(c, image->width(), image->height(), settings->grey ? JCS_GRAYSCALE : JCS_RGB, *settings);
    jpeg_start_compress(c, TRUE);
    while (c->next_scanline < c->image_height) {
        // libjpeg reads the rows it is given; its row type is merely not const.
        JSAMPROW row = const_cast<uint8_t*>(image->row(c->next_scanline));
        jpeg_write_scanlines(c, &row, 1);
    }
    jpeg_finish_compress(c);
    return true;
}

bool InWriterDepth(const ConversionImage& image, bool grey)
{
    return grey ? image.isGrey() : image.bitsPerPixel() == 24;
}

bool EncodeToFile(const ConversionImage& image, const std::string& destination, const JpegSettings& settings)
{
    ReplacementFile output(destination);
    if (!output.file()) {
        return false;
    }
    JpegEncodeSession session{};
    bool encoded = Encode(&session, output.file(), &image, &settings);
    jpeg_destroy_compress(&session.compressor);
    return encoded && output.commit();
}

}  // namespace

bool WriteJpeg(const ConversionImage& image, const std::string& destination, const JpegSettings& settings)
{
    if (InWriterDepth(image, settings.grey)) {
        return EncodeToFile(image, destination, settings);
    }
    ConversionImage converted;
    bool ok = settings.grey ? ConvertToGrey(image, converted) : ConvertToRgb(image, converted);
    return ok && EncodeToFile(converted, destination, settings);
}

}  // namespace pictures
