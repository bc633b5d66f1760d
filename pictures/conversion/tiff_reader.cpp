// Reads TIFF files through libtiff's RGBA image reader: the first image of the file, in every
// photometric interpretation, depth and compression the linked libtiff can turn into RGBA, into a
// 24-bit picture with alpha dropped. Refuses files libtiff cannot open, a width or length of 0
// and pictures beyond the picture limits; a picture the RGBA reader cannot handle fails the read.
// Damaged strips do not stop the reader. libtiff's messages are discarded.
#include <cstdarg>
#include <cstdint>

#include <tiffio.h>

#include "pictures/conversion/picture_limits.h"
#include "pictures/conversion/source_reader.h"
#include "pictures/conversion/temp_file_buffer.h"

#ifdef _WIN32
#include "runtime/text_codec.h"
#endif

namespace pictures {
namespace {

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
struct TiffOptionsFreer {
    void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};

// Handled here: libtiff's own handlers are not called.
int DiscardMessage(TIFF*, void*, const char*, const char*, va_list) { return 1; }

TIFF* OpenSilently(const std::string& path)
{
    std::unique_ptr<TIFFOpenOptions, TiffOptionsFreer> options(TIFFOpenOptionsAlloc());
    if (!options) {
        return nullptr;
    }
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), DiscardMessage, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), DiscardMessage, nullptr);
#ifdef _WIN32
    return TIFFOpenWExt(rt::WideFromGbk(path).c_str(), "r", options.get());
#else
    return TIFFOpenExt(path.c_str(), "r", options.get());
#endif
}

class TiffReader final : public SourceReader {
public:
    bool open(const std::string& path) override
    {
        tiff_.reset(OpenSilently(path));
        if (!tiff_ || !TIFFGetField(tiff_.get(), TIFFTAG_IMAGEWIDTH, &width_) ||
            !TIFFGetField(tiff_.get(), TIFFTAG_IMAGELENGTH, &height_)) {
            return false;
        }
        return WithinPictureLimits(width_, height_);
    }

    bool read(ConversionImage& image) override
    {
        std::unique_ptr<TempFileBuffer> raster = TempFileBuffer::Create(PictureBufferBytes(width_, height_, 4));
        if (!raster) {
            return false;
        }
        auto* pixels = reinterpret_cast<uint32_t*>(raster->data());
        if (!TIFFReadRGBAImage(tiff_.get(), width_, height_, pixels, 0) || !image.allocate(width_, height_, 24)) {
            return false;
        }
        // The RGBA reader delivers the rows bottom-up.
        for (uint32_t y = 0; y < height_; ++y) {
            const uint32_t* in = pixels + size_t{height_ - 1 - y} * width_;
            uint8_t* out = image.row(y);
            for (uint32_t x = 0; x < width_; ++x) {
                out[3 * x] = static_cast<uint8_t>(TIFFGetR(in[x]));
                out[3 * x + 1] = static_cast<uint8_t>(TIFFGetG(in[x]));
                out[3 * x + 2] = static_cast<uint8_t>(TIFFGetB(in[x]));
            }
        }
        return true;
    }

private:
    std::unique_ptr<TIFF, TiffCloser> tiff_;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
};

}  // namespace

std::unique_ptr<SourceReader> MakeTiffReader() { return std::make_unique<TiffReader>(); }

}  // namespace pictures
