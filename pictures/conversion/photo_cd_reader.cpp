// Reads the base resolution (768 x 512) of Photo CD image packs. Photo CD files carry no
// signature this reader checks: every file of 1 MiB or more is accepted, so it is the last reader
// offered. Each pair of rows is stored as two luma rows and one chroma row (C1 then C2, each
// value shared by two neighbouring pixels). A source that ends before the last row fails the read.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "pictures/conversion/source_reader.h"

namespace pictures {
namespace {

constexpr uint64_t kSmallestFile = 1048576;
constexpr uint64_t kBaseImageOffset = 0x30000;
constexpr uint32_t kWidth = 768;
constexpr uint32_t kHeight = 512;
// Luma of the first row, luma of the second row, chroma of both.
constexpr size_t kRowPairBytes = 3 * kWidth;

uint8_t Clamp(double value) { return static_cast<uint8_t>(std::clamp(std::floor(value + 0.5), 0.0, 255.0)); }

void StoreYcc(uint8_t y, uint8_t chroma1, uint8_t chroma2, uint8_t* out)
{
    double luma = 1.407488 * y;
    double c1 = chroma1 - 156.0;
    double c2 = chroma2 - 137.0;
    out[0] = Clamp(luma + 0.0000256 * c1 + 1.3230336 * c2);
    out[1] = Clamp(luma - (0.67392 * c2 + 0.3954176 * c1));
    out[2] = Clamp(luma + 2.0360448 * c1 + 0.0000256 * c2);
}

void StoreRowPair(const uint8_t* stored, uint8_t* firstRow, uint8_t* secondRow)
{
    const uint8_t* chroma1 = stored + 2 * kWidth;
    const uint8_t* chroma2 = chroma1 + kWidth / 2;
    for (uint32_t x = 0; x < kWidth; ++x) {
        StoreYcc(stored[x], chroma1[x / 2], chroma2[x / 2], firstRow + 3 * x);
        StoreYcc(stored[kWidth + x], chroma1[x / 2], chroma2[x / 2], secondRow + 3 * x);
    }
}

class PhotoCdReader final : public SourceReader {
public:
    bool open(std::span<const uint8_t> source) override
    {
        source_ = source;
        return source.size() >= kSmallestFile;
    }

    bool read(ConversionImage& image) override
    {
        if (source_.size() < kBaseImageOffset + kRowPairBytes * kHeight / 2 || !image.allocate(kWidth, kHeight, 24)) {
            return false;
        }
        const uint8_t* stored = source_.data() + kBaseImageOffset;
        for (uint32_t pair = 0; pair < kHeight / 2; ++pair) {
            StoreRowPair(stored + pair * kRowPairBytes, image.row(2 * pair), image.row(2 * pair + 1));
        }
        return true;
    }

private:
    std::span<const uint8_t> source_;
};

}  // namespace

std::unique_ptr<SourceReader> MakePhotoCdReader() { return std::make_unique<PhotoCdReader>(); }

}  // namespace pictures
