// Reads TIFF sources through libtiff's RGBA image reader: the first image of the file, in every
// photometric interpretation, depth and compression the linked libtiff can turn into RGBA, into a
// 24-bit picture with alpha dropped. Refuses sources libtiff cannot open, a width or length of 0,
// pictures beyond the picture limits, and pictures whose pixels or decoded strips the data cannot
// hold (kTiffMaxExpansion); a picture the RGBA reader cannot handle fails the read. Damaged strips
// do not stop the reader. libtiff's messages are discarded, and no allocation of libtiff's may pass
// kTiffMaxSingleAllocation.
#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstring>

#include <tiffio.h>

#include "pictures/conversion/source_reader.h"
#include "pictures/conversion/temp_file_buffer.h"
#include "pictures/shared/picture_limits.h"

namespace pictures {
namespace {

// libtiff's largest single block is a decoded strip or tile: a 12000 x 9000 picture of 8-bit RGBA
// samples stored as one strip (432 MB) fits.
constexpr tmsize_t kTiffMaxSingleAllocation = tmsize_t{512} * 1024 * 1024;

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
struct TiffOptionsFreer {
    void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};

// Handled here: libtiff's own handlers are not called.
int DiscardMessage(TIFF*, void*, const char*, const char*, va_list) { return 1; }

// The source as libtiff's client file: read-only, mapped straight onto the bytes.
struct MemoryFile {
    std::span<const uint8_t> bytes;
    uint64_t position = 0;
};

MemoryFile& FileOf(thandle_t handle) { return *static_cast<MemoryFile*>(handle); }

tmsize_t MemoryRead(thandle_t handle, void* destination, tmsize_t size)
{
    MemoryFile& file = FileOf(handle);
    uint64_t left = file.position < file.bytes.size() ? file.bytes.size() - file.position : 0;
    uint64_t count = size > 0 ? std::min<uint64_t>(static_cast<uint64_t>(size), left) : 0;
    if (count > 0) {
        std::memcpy(destination, file.bytes.data() + file.position, static_cast<size_t>(count));
    }
    file.position += count;
    return static_cast<tmsize_t>(count);
}

tmsize_t MemoryWrite(thandle_t, void*, tmsize_t) { return -1; }

toff_t MemorySeek(thandle_t handle, toff_t offset, int whence)
{
    MemoryFile& file = FileOf(handle);
    uint64_t base = whence == SEEK_CUR ? file.position : whence == SEEK_END ? file.bytes.size() : 0;
    file.position = base + offset;
    return file.position;
}

int MemoryClose(thandle_t) { return 0; }

toff_t MemorySize(thandle_t handle) { return FileOf(handle).bytes.size(); }

// libtiff only reads what it maps for reading.
int MemoryMap(thandle_t handle, void** base, toff_t* size)
{
    MemoryFile& file = FileOf(handle);
    *base = const_cast<uint8_t*>(file.bytes.data());
    *size = file.bytes.size();
    return 1;
}

void MemoryUnmap(thandle_t, void*, toff_t) {}

TIFF* OpenSilently(MemoryFile& file)
{
    std::unique_ptr<TIFFOpenOptions, TiffOptionsFreer> options(TIFFOpenOptionsAlloc());
    if (!options) {
        return nullptr;
    }
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), DiscardMessage, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), DiscardMessage, nullptr);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), kTiffMaxSingleAllocation);
    return TIFFClientOpenExt("source", "r", &file, MemoryRead, MemoryWrite, MemorySeek, MemoryClose, MemorySize,
                             MemoryMap, MemoryUnmap, options.get());
}

uint64_t SaturatingProduct(uint64_t a, uint64_t b) { return b != 0 && a > UINT64_MAX / b ? UINT64_MAX : a * b; }

// What libtiff decodes for the RGBA reader: every strip or tile, of every plane, at full size.
// 0 when libtiff finds the sizes inconsistent.
uint64_t DecodedBytes(TIFF* tiff)
{
    if (TIFFIsTiled(tiff)) {
        return SaturatingProduct(TIFFTileSize64(tiff), TIFFNumberOfTiles(tiff));
    }
    return SaturatingProduct(TIFFStripSize64(tiff), TIFFNumberOfStrips(tiff));
}

class TiffReader final : public SourceReader {
public:
    bool open(std::span<const uint8_t> source) override
    {
        file_.bytes = source;
        tiff_.reset(OpenSilently(file_));
        if (!tiff_ || !TIFFGetField(tiff_.get(), TIFFTAG_IMAGEWIDTH, &width_) ||
            !TIFFGetField(tiff_.get(), TIFFTAG_IMAGELENGTH, &height_) ||
            !PictureSizeAllowed(width_, height_, kMaxConvertedSide)) {
            return false;
        }
        uint64_t decoded = DecodedBytes(tiff_.get());
        uint64_t pixels = uint64_t{width_} * height_;
        return decoded != 0 && DataCanHold(std::max(decoded, pixels), source.size(), kTiffMaxExpansion);
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
    // Declared before the TIFF, which reads it until it is closed.
    MemoryFile file_;
    std::unique_ptr<TIFF, TiffCloser> tiff_;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
};

}  // namespace

std::unique_ptr<SourceReader> MakeTiffReader() { return std::make_unique<TiffReader>(); }

}  // namespace pictures
