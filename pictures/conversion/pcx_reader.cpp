// Reads run-length coded PCX files (first byte 0x0A) of one 8-bit plane with the 256-colour
// palette in the file's last 768 bytes, or three 8-bit planes (red, green, blue) per row. Refuses
// other plane layouts (1, 2 and 4-bit planes, four planes), a width or height of 1 pixel or less,
// a bytes-per-line value below the width and pictures beyond the picture limits. Coded data too
// short for every row fails the read, before any pixel buffer is made when its size alone shows it.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "pictures/conversion/source_reader.h"
#include "pictures/shared/picture_limits.h"

namespace pictures {
namespace {

constexpr uint64_t kHeaderBytes = 128;
constexpr uint64_t kPaletteBytes = 768;

struct PcxLayout {
    int64_t width = 0;
    int64_t height = 0;
    unsigned planes = 0;
    unsigned bitsPerPlane = 0;
    uint64_t bytesPerLine = 0;
};

bool ReadLayout(std::span<const uint8_t> source, PcxLayout& layout)
{
    if (source.size() < kHeaderBytes || source[0] != 0x0A) {
        return false;
    }
    auto word = [&](size_t at) { return int64_t{source[at]} | int64_t{source[at + 1]} << 8; };
    layout.width = word(8) - word(4) + 1;
    layout.height = word(10) - word(6) + 1;
    layout.bitsPerPlane = source[3];
    layout.planes = source[65];
    layout.bytesPerLine = static_cast<uint64_t>(word(66));
    return true;
}

// Decodes one row of values from the coded bytes at position; false when they run out.
bool DecodeRow(const uint8_t* coded, size_t size, size_t& position, std::vector<uint8_t>& row)
{
    size_t filled = 0;
    while (filled < row.size()) {
        if (position >= size) {
            return false;
        }
        uint8_t byte = coded[position++];
        size_t count = 1;
        if (byte >= 0xC0) {
            if (position >= size) {
                return false;
            }
            count = std::min<size_t>(byte & 0x3F, row.size() - filled);
            byte = coded[position++];
        }
        std::fill_n(row.begin() + static_cast<ptrdiff_t>(filled), count, byte);
        filled += count;
    }
    return true;
}

class PcxReader final : public SourceReader {
public:
    bool open(std::span<const uint8_t> source) override
    {
        source_ = source;
        if (!ReadLayout(source, layout_)) {
            return false;
        }
        bool knownPlanes = layout_.bitsPerPlane == 8 && (layout_.planes == 1 || layout_.planes == 3);
        return knownPlanes && layout_.width > 1 && layout_.height > 1 &&
               layout_.bytesPerLine >= static_cast<uint64_t>(layout_.width) &&
               PictureSizeAllowed(layout_.width, layout_.height, kMaxConvertedSide);
    }

    bool read(ConversionImage& image) override
    {
        bool indexed = layout_.planes == 1;
        uint64_t trailer = indexed ? kPaletteBytes : 0;
        if (source_.size() < kHeaderBytes + trailer + 1) {
            return false;
        }
        std::span<const uint8_t> coded = source_.subspan(kHeaderBytes, source_.size() - kHeaderBytes - trailer);
        if (!CanHoldEveryRow(coded.size())) {
            return false;
        }
        auto width = static_cast<uint32_t>(layout_.width);
        auto height = static_cast<uint32_t>(layout_.height);
        if (!image.allocate(width, height, indexed ? 8 : 24, indexed ? 256 : 0)) {
            return false;
        }
        const uint8_t* palette = source_.data() + source_.size() - kPaletteBytes;
        for (unsigned i = 0; i < 256 && indexed; ++i) {
            image.setPaletteColour(i, {palette[3 * i], palette[3 * i + 1], palette[3 * i + 2]});
        }
        return DecodeRows(coded, image);
    }

private:
    uint64_t rowValues() const { return layout_.planes * layout_.bytesPerLine; }

    // Every pair of coded bytes (a count and its value) gives at most kPcxMaxRunLength values.
    bool CanHoldEveryRow(uint64_t codedSize) const
    {
        uint64_t values = rowValues() * static_cast<uint64_t>(layout_.height);
        return (codedSize + 1) / 2 * kPcxMaxRunLength >= values;
    }

    bool DecodeRows(std::span<const uint8_t> coded, ConversionImage& image) const
    {
        std::vector<uint8_t> row(static_cast<size_t>(rowValues()));
        size_t position = 0;
        for (uint32_t y = 0; y < image.height(); ++y) {
            if (!DecodeRow(coded.data(), coded.size(), position, row)) {
                return false;
            }
            StoreRow(row, image.row(y), image.width());
        }
        return true;
    }

    // Palette indices are cut to the width; colour rows hold the red, green and blue planes.
    void StoreRow(const std::vector<uint8_t>& row, uint8_t* out, uint32_t width) const
    {
        if (layout_.planes == 1) {
            std::copy_n(row.begin(), width, out);
            return;
        }
        size_t plane = static_cast<size_t>(layout_.bytesPerLine);
        for (uint32_t x = 0; x < width; ++x) {
            out[3 * x] = row[x];
            out[3 * x + 1] = row[plane + x];
            out[3 * x + 2] = row[2 * plane + x];
        }
    }

    std::span<const uint8_t> source_;
    PcxLayout layout_;
};

}  // namespace

std::unique_ptr<SourceReader> MakePcxReader() { return std::make_unique<PcxReader>(); }

}  // namespace pictures
