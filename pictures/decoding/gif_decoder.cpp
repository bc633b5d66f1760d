// Reads GIF87a and GIF89a (kind 5): the first frame, with its local or the global colour table,
// interlaced or not, as a packed 8-bit DIB of the frame's size; the picture takes the logical
// screen's size. Graphic control, plain text, comment and application extensions are skipped.
// Refuses other extension labels, unknown blocks, a file without an image, broken sub-block runs,
// bad LZW codes, minimum code sizes outside 2..8 and sizes beyond the limits or beyond what the data
// can hold. A frame whose data ends early keeps the rows decoded so far.
#include "pictures/decoding/format_decoders.h"
#include "pictures/decoding/gif_lzw.h"
#include "pictures/decoding/packed_dib.h"
#include "pictures/shared/picture_limits.h"

namespace pictures {
namespace {

constexpr size_t kScreenHeaderBytes = 13;
constexpr size_t kDescriptorBytes = 10;
constexpr uint8_t kExtension = 0x21;
constexpr uint8_t kImage = 0x2C;
constexpr uint8_t kColourTableFlag = 0x80;
constexpr uint8_t kInterlaceFlag = 0x40;

uint16_t Word(std::span<const uint8_t> d, size_t at) { return static_cast<uint16_t>(d[at] | d[at + 1] << 8); }

size_t ColourTableBytes(uint8_t flags) { return (flags & kColourTableFlag) ? size_t{3} << ((flags & 7) + 1) : 0; }

bool HasSignature(std::span<const uint8_t> d)
{
    return d[0] == 'G' && d[1] == 'I' && d[2] == 'F' && d[3] == '8' && (d[4] == '7' || d[4] == '9') && d[5] == 'a';
}

// Skips a run of sub-blocks up to and including its empty terminator; false when it would pass the
// end of the data.
bool SkipSubBlocks(std::span<const uint8_t> d, size_t& at)
{
    while (at < d.size()) {
        size_t length = d[at++];
        if (length == 0) return true;
        if (length > d.size() - at) return false;
        at += length;
    }
    return false;
}

bool IsSkippedExtension(uint8_t label) { return label == 0xF9 || label == 0x01 || label == 0xFE || label == 0xFF; }

// Walks the blocks before the first image; false at the trailer or anything unknown.
bool FindFirstImage(std::span<const uint8_t> d, size_t& at)
{
    while (at < d.size()) {
        if (d[at] == kImage) return true;
        if (d[at] != kExtension || at + 1 >= d.size() || !IsSkippedExtension(d[at + 1])) return false;
        at += 2;
        if (!SkipSubBlocks(d, at)) return false;
    }
    return false;
}

// Fills rows in their stored order: top to bottom, or in the four interlace passes.
class FrameWriter final : public PixelSink {
public:
    FrameWriter(PackedDib& dib, int32_t width, int32_t height, bool interlaced)
        : dib_(dib), width_(width), height_(height), interlaced_(interlaced)
    {
    }

    bool Put(uint8_t index) override
    {
        dib_.row(static_cast<uint32_t>(y_), width_)[x_] = index;
        ++written_;
        if (++x_ < width_) return true;
        x_ = 0;
        return NextRow();
    }

    bool empty() const { return written_ == 0; }

private:
    bool NextRow()
    {
        static constexpr int32_t kStart[4] = {0, 4, 2, 1};
        static constexpr int32_t kStep[4] = {8, 8, 4, 2};
        if (!interlaced_) return ++y_ < height_;
        y_ += kStep[pass_];
        while (y_ >= height_) {
            if (++pass_ == 4) return false;
            y_ = kStart[pass_];
        }
        return true;
    }

    PackedDib& dib_;
    int32_t width_;
    int32_t height_;
    bool interlaced_;
    int32_t x_ = 0;
    int32_t y_ = 0;
    int pass_ = 0;
    uint64_t written_ = 0;
};

void CopyColours(std::span<const uint8_t> table, PackedDib& dib)
{
    for (uint32_t i = 0; i < table.size() / 3; ++i) {
        uint8_t* entry = dib.colour(i);
        entry[0] = table[i * 3 + 2];
        entry[1] = table[i * 3 + 1];
        entry[2] = table[i * 3];
    }
}

struct Screen {
    int32_t width;
    int32_t height;
    std::span<const uint8_t> colours;
};

OwnedPicture DecodeFrame(std::span<const uint8_t> d, size_t at, const Screen& screen)
{
    if (d.size() - at < kDescriptorBytes) return nullptr;
    int32_t width = Word(d, at + 5);
    int32_t height = Word(d, at + 7);
    uint8_t flags = d[at + 9];
    at += kDescriptorBytes;
    size_t localBytes = ColourTableBytes(flags);
    if (localBytes >= d.size() - at) return nullptr;  // the minimum code size must follow
    std::span<const uint8_t> colours = localBytes ? d.subspan(at, localBytes) : screen.colours;
    at += localBytes;
    int minCodeSize = d[at++];
    if (!PictureSizeAllowed(width, height, kMaxDecodedSide) ||
        !DataCanHoldPixels(width, height, d.size() - at, kGifMaxPixelsPerByte)) {
        return nullptr;
    }

    PackedDib dib = MakePackedDib(width, height);
    if (!dib.block) return nullptr;
    CopyColours(colours, dib);
    FrameWriter writer(dib, width, height, (flags & kInterlaceFlag) != 0);
    LzwResult result = DecodeGifLzw(d, at, minCodeSize, writer);
    if (result == LzwResult::kBadData || writer.empty()) return nullptr;
    return MakePicture(PictureKind::kGif, screen.width, screen.height, std::move(dib.block), dib.size);
}

}  // namespace

OwnedPicture DecodeGif(std::span<const uint8_t> d)
{
    if (d.size() <= kScreenHeaderBytes || !HasSignature(d)) return nullptr;
    Screen screen{Word(d, 6), Word(d, 8), {}};
    size_t globalBytes = ColourTableBytes(d[10]);
    if (globalBytes >= d.size() - kScreenHeaderBytes) return nullptr;
    screen.colours = d.subspan(kScreenHeaderBytes, globalBytes);
    // The screen bitmap is made when the picture is drawn: the file must be able to fill it.
    if (!PictureSizeAllowed(screen.width, screen.height, kMaxDecodedSide) ||
        !DataCanHoldPixels(screen.width, screen.height, d.size(), kGifMaxPixelsPerByte)) {
        return nullptr;
    }
    size_t at = kScreenHeaderBytes + globalBytes;
    if (!FindFirstImage(d, at)) return nullptr;
    return DecodeFrame(d, at, screen);
}

}  // namespace pictures
