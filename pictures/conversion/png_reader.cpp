// Reads PNG sources through libpng from memory: bit depths 1 to 8 of every colour type, plain or
// interlaced. Palette files become 8-bit indexed pictures (sub-byte indices unpacked), grey files
// 8-bit grey (sub-byte levels expanded; the alpha of grey-with-alpha files stripped, as the writer
// drops alpha anyway), colour files 24-bit, or 32-bit A, R, G, B with alpha. Grey and colour
// pixels are gamma-corrected for a 2.2 screen from the file's sRGB or gAMA chunk (0.45455 without
// either); palette colours are taken as stored. Refuses 16-bit files, pictures beyond the picture
// limits or beyond what the data can hold, and files libpng reports an error for while reading the
// header; an error while reading rows or the file's end fails the read.
#include <png.h>

#include <cstdint>
#include <cstring>

#include "pictures/conversion/source_reader.h"
#include "pictures/shared/picture_limits.h"

namespace pictures {
namespace {

constexpr double kDefaultFileGamma = 0.45455;
constexpr double kScreenGamma = 2.2;

// The source as libpng reads it.
struct PngSource {
    const uint8_t* data;
    size_t size;
    size_t position;
};

// Plain C data shared by the open and read steps.
struct PngDecodeSession {
    png_structp png;
    png_infop info;
    PngSource source;
};

struct PngShape {
    uint32_t width;
    uint32_t height;
    uint64_t storedRowBytes;  // of one row as the file codes it, before any transformation
    unsigned bitsPerPixel;
    unsigned paletteCount;
};

// The coded rows, each with its filter byte, must fit what the data can hold.
bool SizeAcceptable(const PngShape& shape, uint64_t sourceBytes)
{
    return PictureSizeAllowed(shape.width, shape.height, kMaxConvertedSide) &&
           DataCanHold((shape.storedRowBytes + 1) * shape.height, sourceBytes, kPngMaxRowBytesPerByte);
}

void JumpBack(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void DiscardWarning(png_structp, png_const_charp) {}

void ReadFromSource(png_structp png, png_bytep data, size_t length)
{
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (source->size - source->position < length) {
        png_error(png, "reading png image error");
    }
    std::memcpy(data, source->data + source->position, length);
    source->position += length;
}

// Chooses the transformations that give the picture's depth; false for 16-bit files.
bool RequestDepth(png_structp png, png_infop info, PngShape* shape)
{
    int type = png_get_color_type(png, info);
    if (png_get_bit_depth(png, info) > 8) {
        return false;
    }
    png_set_packing(png);
    if (type == PNG_COLOR_TYPE_PALETTE) {
        png_colorp colours = nullptr;
        int count = 0;
        png_get_PLTE(png, info, &colours, &count);
        shape->bitsPerPixel = 8;
        shape->paletteCount = static_cast<unsigned>(count);
        return count >= 1;
    }
    if (type & PNG_COLOR_MASK_COLOR) {
        bool alpha = type & PNG_COLOR_MASK_ALPHA;
        if (alpha) {
            png_set_swap_alpha(png);
        }
        shape->bitsPerPixel = alpha ? 32 : 24;
        return true;
    }
    png_set_expand_gray_1_2_4_to_8(png);
    if (type & PNG_COLOR_MASK_ALPHA) {
        png_set_strip_alpha(png);
    }
    shape->bitsPerPixel = 8;
    return true;
}

bool ReadInfo(PngDecodeSession* session, PngShape* shape)
{
    session->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpBack, DiscardWarning);
    if (!session->png) {
        return false;
    }
    if (setjmp(png_jmpbuf(session->png))) {
        return false;
    }
    session->info = png_create_info_struct(session->png);
    if (!session->info) {
        return false;
    }
    png_set_read_fn(session->png, &session->source, ReadFromSource);
    png_set_user_limits(session->png, kMaxConvertedSide, kMaxConvertedSide);
    png_read_info(session->png, session->info);
    shape->width = png_get_image_width(session->png, session->info);
    shape->height = png_get_image_height(session->png, session->info);
    shape->storedRowBytes = png_get_rowbytes(session->png, session->info);
    return RequestDepth(session->png, session->info, shape);
}

void RequestGamma(png_structp png, png_infop info)
{
    int intent = 0;
    double fileGamma = kDefaultFileGamma;
    if (!png_get_sRGB(png, info, &intent)) {
        png_get_gAMA(png, info, &fileGamma);
    }
    png_set_gamma(png, kScreenGamma, fileGamma);
}

// Reads the palette as stored (gamma applies to grey and colour pixels only), then every row of
// every pass into rows of rowBytes.
bool ReadPixels(PngDecodeSession* session, uint8_t* firstRow, size_t rowBytes, uint32_t rows, PaletteColour* palette)
{
    png_structp png = session->png;
    png_infop info = session->info;
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_colorp colours = nullptr;
    int count = 0;
    if (png_get_PLTE(png, info, &colours, &count)) {
        for (int i = 0; i < count && i < 256; ++i) {
            palette[i] = {colours[i].red, colours[i].green, colours[i].blue};
        }
    }
    RequestGamma(png, info);
    int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != rowBytes) {
        return false;
    }
    for (int pass = 0; pass < passes; ++pass) {
        for (uint32_t y = 0; y < rows; ++y) {
            png_read_row(png, firstRow + size_t{y} * rowBytes, nullptr);
        }
    }
    png_read_end(png, nullptr);
    return true;
}

class PngReader final : public SourceReader {
public:
    ~PngReader() override { png_destroy_read_struct(&session_.png, &session_.info, nullptr); }

    bool open(std::span<const uint8_t> source) override
    {
        session_.source = {source.data(), source.size(), 0};
        return ReadInfo(&session_, &shape_) && SizeAcceptable(shape_, source.size());
    }

    bool read(ConversionImage& image) override
    {
        PaletteColour palette[256] = {};
        if (!image.allocate(shape_.width, shape_.height, shape_.bitsPerPixel, shape_.paletteCount) ||
            !ReadPixels(&session_, image.row(0), image.rowBytes(), shape_.height, palette)) {
            return false;
        }
        for (unsigned i = 0; i < shape_.paletteCount; ++i) {
            image.setPaletteColour(i, palette[i]);
        }
        return true;
    }

private:
    PngDecodeSession session_{};
    PngShape shape_{};
};

}  // namespace

std::unique_ptr<SourceReader> MakePngReader() { return std::make_unique<PngReader>(); }

}  // namespace pictures
